// The review sheet of the sounds: a waveform and a spectrogram of each effect and of the music.
#pragma once

#include <QImage>
#include <QString>

namespace llk::art {

// Reads sound-101.wav ... sound-104.wav and music.wav from `soundFolder`; a null image (and
// `error` set) when one of them is missing or is not a PCM WAVE file.
QImage PaintSoundSheet(const QString& soundFolder, QString& error);

} // namespace llk::art
