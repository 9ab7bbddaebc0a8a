#include "app/tile_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QtDebug>

static void InitTileNameResource() { Q_INIT_RESOURCE(tile_names); }

namespace llk::app {
namespace {

quint32 Key(int theme, int kind) { return (static_cast<quint32>(theme) << 16) | static_cast<quint32>(kind & 0xFFFF); }

} // namespace

TileNameTable ParseTileNames(const QByteArray& tsv)
{
    TileNameTable table;
    const QList<QByteArray> lines = tsv.split('\n');
    const QList<QByteArray> header = lines.value(0).trimmed().split('\t');
    const qsizetype themeColumn = header.indexOf("theme");
    const qsizetype kindColumn = header.indexOf("kind");
    const qsizetype nameColumn = header.indexOf("name_zh");
    if (themeColumn < 0 || kindColumn < 0 || nameColumn < 0) {
        table.error = QStringLiteral("line 1: the header names no theme, kind or name_zh column");
        return table;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.split('\t');
        bool themeOk = false;
        bool kindOk = false;
        const int theme = fields.value(themeColumn).toInt(&themeOk);
        const int kind = fields.value(kindColumn).toInt(&kindOk);
        const QString name = QString::fromUtf8(fields.value(nameColumn)).trimmed();
        if (fields.size() != header.size() || !themeOk || !kindOk || theme < 0 || kind < 1 || name.isEmpty()) {
            table.names.clear();
            table.error =
                QStringLiteral("line %1: expected %2 fields with a theme, a kind and a name").arg(i + 1).arg(header.size());
            return table;
        }
        table.names.insert(Key(theme, kind), name);
    }
    return table;
}

QString TileName(int theme, int kind)
{
    static const TileNameTable table = [] {
        InitTileNameResource();
        QFile file(QStringLiteral(":/accessibility/sources.tsv"));
        TileNameTable parsed;
        if (!file.open(QIODevice::ReadOnly))
            parsed.error = QStringLiteral("not embedded");
        else
            parsed = ParseTileNames(file.readAll());
        if (!parsed.error.isEmpty())
            qWarning().noquote() << "sources.tsv:" << parsed.error;
        return parsed;
    }();
    const QString name = table.names.value(Key(theme, kind));
    return name.isEmpty() ? QCoreApplication::translate("BoardAccessible", "图案 %1").arg(kind) : name;
}

QString EmptyCellName() { return QCoreApplication::translate("BoardAccessible", "空"); }

} // namespace llk::app
