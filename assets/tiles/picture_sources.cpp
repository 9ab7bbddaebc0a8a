// Reading sources.tsv strictly: a build that ships pictures must know where each one came from.
#include "assets/tiles/picture_sources.h"

#include "board/theme.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace llk::assets {

namespace {

const QStringList Columns{"theme", "kind", "set", "version", "picture", "name_zh", "licence"};

bool IsPlainName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('.');
    });
}

} // namespace

bool IsAllowedLicence(const QString& spdx)
{
    static const QStringList Allowed{"MIT", "CC-BY-3.0", "CC-BY-4.0", "Apache-2.0"};
    return Allowed.contains(spdx);
}

PictureSources ParsePictureSources(const QByteArray& text, const QString& path)
{
    PictureSources result;
    auto fail = [&](int line, const QString& what) {
        result.rows.clear();
        result.error = QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(what);
        return result;
    };
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || QString::fromUtf8(lines.front()).trimmed().split(QLatin1Char('\t')) != Columns)
        return fail(1, QStringLiteral("the first line must name the columns: %1").arg(Columns.join(QLatin1Char(' '))));

    QSet<QString> names[ThemeCount];
    std::vector<PictureSource> rows;
    for (int index = 1; index < lines.size(); ++index) {
        const int line = index + 1;
        QString raw = QString::fromUtf8(lines[index]);
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QStringList fields = raw.split(QLatin1Char('\t'));
        if (fields.size() != Columns.size())
            return fail(
                line, QStringLiteral("expected %1 TAB-separated fields, found %2").arg(Columns.size()).arg(fields.size()));
        for (int column = 0; column < fields.size(); ++column)
            if (fields[column].trimmed().isEmpty() || fields[column] != fields[column].trimmed())
                return fail(line, QStringLiteral("field '%1' is empty or has spaces around it").arg(Columns[column]));
        PictureSource row;
        bool themeOk = false, kindOk = false;
        row.theme = fields[0].toInt(&themeOk);
        row.kind = fields[1].toInt(&kindOk);
        row.set = fields[2];
        row.version = fields[3];
        row.picture = fields[4];
        row.nameZh = fields[5];
        row.licence = fields[6];
        row.line = line;
        if (!themeOk || !IsTheme(row.theme))
            return fail(
                line, QStringLiteral("theme '%1' is not a Theme number from 0 to %2").arg(fields[0]).arg(ThemeCount - 1));
        if (!kindOk || row.kind < 1 || row.kind > PictureCount(row.theme))
            return fail(
                line,
                QStringLiteral("kind '%1' is outside 1 to %2 of Theme %3").arg(fields[1]).arg(PictureCount(row.theme)).arg(row.theme));
        if (!IsPlainName(row.set) || !IsPlainName(row.picture))
            return fail(line, QStringLiteral("set and picture must be plain lower-case file names"));
        if (!IsAllowedLicence(row.licence))
            return fail(line, QStringLiteral("licence '%1' is not one the game may ship").arg(row.licence));
        if (names[row.theme].contains(row.nameZh))
            return fail(line, QStringLiteral("name_zh '%1' is used twice in Theme %2").arg(row.nameZh).arg(row.theme));
        names[row.theme].insert(row.nameZh);
        rows.push_back(row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const PictureSource& a, const PictureSource& b) {
        return a.theme != b.theme ? a.theme < b.theme : a.kind < b.kind;
    });
    for (size_t i = 1; i < rows.size(); ++i)
        if (rows[i].theme == rows[i - 1].theme && rows[i].kind == rows[i - 1].kind)
            return fail(rows[i].line, QStringLiteral("Theme %1 kind %2 is listed twice (first on line %3)")
                                          .arg(rows[i].theme)
                                          .arg(rows[i].kind)
                                          .arg(rows[i - 1].line));
    size_t at = 0;
    for (int theme = 0; theme < ThemeCount; ++theme)
        for (int kind = 1; kind <= PictureCount(theme); ++kind, ++at)
            if (at >= rows.size() || rows[at].theme != theme || rows[at].kind != kind)
                return fail(int(lines.size()), QStringLiteral("Theme %1 kind %2 has no line").arg(theme).arg(kind));
    result.rows = std::move(rows);
    return result;
}

PictureSources ReadPictureSources(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        PictureSources result;
        result.error = QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString());
        return result;
    }
    return ParsePictureSources(file.readAll(), path);
}

QString VendoredSvgPath(const QString& vendorDir, const PictureSource& source)
{
    return QDir(vendorDir).filePath(source.set + QLatin1Char('/') + source.picture + QStringLiteral(".svg"));
}

} // namespace llk::assets
