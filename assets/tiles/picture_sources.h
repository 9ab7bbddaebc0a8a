// sources.tsv: where every tile picture of every Theme comes from, one line per picture.
#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace llk::assets {

// One line of sources.tsv: theme, kind, set, version, picture, name_zh, licence.
struct PictureSource {
    int theme = -1;
    int kind = 0;
    QString set;     // an @iconify-json set vendored under vendor/<set>/, or DrawnSet
    QString version; // the set's pinned package version, or the game's own for drawn pictures
    QString picture; // the picture's name in its set, or what the drawing code calls it
    QString nameZh;  // the picture's Chinese name, read out to players who cannot see it
    QString licence; // SPDX
    int line = 0;    // where it stands in the file, for messages
};

inline const QString DrawnSet = QStringLiteral("drawn");

// The licences a picture may carry: free in Debian's sense and able to ship beside the game's MIT.
bool IsAllowedLicence(const QString& spdx);

struct PictureSources {
    std::vector<PictureSource> rows; // ordered by theme, then kind
    QString error;                   // "FILE:LINE: what is wrong", empty when the file is sound
};

// Reads and checks the whole file: the header, seven TAB-separated fields per line, known Themes,
// every kind of every Theme exactly once, names unique within a Theme, allowed licences.
PictureSources ReadPictureSources(const QString& path);
// The same checks over text already read; `path` only names it in messages.
PictureSources ParsePictureSources(const QByteArray& text, const QString& path);

// The vendored SVG of a row that is not drawn: VENDOR/<set>/<picture>.svg.
QString VendoredSvgPath(const QString& vendorDir, const PictureSource& source);

} // namespace llk::assets
