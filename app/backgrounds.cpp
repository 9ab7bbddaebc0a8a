#include "app/backgrounds.h"

#include <QCoreApplication>
#include <QDir>

namespace llk::app {

QString AppFolder(const QString& folder)
{
    QString path = folder.trimmed().isEmpty() ? QCoreApplication::applicationDirPath() : folder;
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

QStringList ListBackgrounds(const QString& folder)
{
    QStringList names = QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files | QDir::Readable);
    // The name filter already ignores case; sort without QDir's locale so every machine agrees.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QString BackgroundCaption(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

} // namespace llk::app
