// The window's built-in artwork, sounds and help text, embedded in the program.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QUrl>

namespace llk::assets {

enum class Art {
    Background, // 1024 x 768, the picture behind the board before a background is chosen
    Pause,      // 128 x 128
    Template,   // 40 x 40, the picture of a sprite before its first tile
    Cursor,     // 32 x 32 pointing hand, hot spot (6, 0)
    Icon,       // the program's icon, largest size; IconImages() gives every size
};

// The cursor's hot spot, the tip of the finger, in scale-1 pixels.
constexpr QPoint CursorHotSpot{6, 0};

// Artwork at `scale` 1 or 2 (the 2x pictures for dense screens); a picture carries its scale as
// its device pixel ratio, so it paints at its scale-1 size.
QImage Artwork(Art art, int scale = 1);

// The program's icon in every size it ships (16 to 256 pixels).
QList<QImage> IconImages();

// LinkPiece `member` 1-6 (Image2): 52 x 50 at scale 1.
QImage LinkPiece(int member, int scale = 1);

// The complete RIFF WAVE file of sound 101-104; empty for another number.
QByteArray SoundWave(int id);

// The same file as a "qrc:" URL, for players that read from a URL; empty for another number.
QUrl SoundUrl(int id);

// The music: a complete RIFF WAVE file of 16-bit PCM, one period of an endless loop. The bytes
// stay where they lie in the program's image.
QByteArray MusicWave();

// The built-in help text in GBK with CR LF line ends, shown when Help.txt cannot be read.
QByteArray BuiltInHelpText();

} // namespace llk::assets
