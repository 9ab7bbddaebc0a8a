// The game's music: one calm pentatonic piece that loops without a seam, synthesized from code.
#pragma once

#include "wave_file.h"

namespace llk::sounds {

constexpr WaveFormat MusicFormat{1, 22050, 16};
// Twenty-four bars of four beats at 72 beats a minute: 80 seconds.
constexpr int MusicBeatsPerMinute = 72;
constexpr int MusicBars = 24;
constexpr int MusicBeatsPerBar = 4;

// The whole piece at `rms` (root mean square, a fraction of full scale), in MusicFormat. The
// samples form one period of an endless loop: the last sample leads into the first as any
// sample leads into the next.
Samples ComposeMusic(double rms);

} // namespace llk::sounds
