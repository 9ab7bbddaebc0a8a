// The Chinese name of each tile picture, as a screen reader says it, from assets/tiles/sources.tsv.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace llk::app {

// What an empty Cell reads.
QString EmptyCellName();

// The names of a sources.tsv (TAB-separated, a header naming at least theme, kind and name_zh),
// by (theme, kind). A broken file gives no names and a message saying which line is wrong.
struct TileNameTable {
    QHash<quint32, QString> names;
    QString error;
};
TileNameTable ParseTileNames(const QByteArray& tsv);

// The name of TileKind `kind` of Theme `theme` from the embedded file, read at the first call;
// "图案 k" where the file has none.
QString TileName(int theme, int kind);

} // namespace llk::app
