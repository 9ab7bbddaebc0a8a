// Build tool: writes the program's icon in every size into a hicolor icon tree for installing.
#include "assets/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICON-TREE-FOLDER ICON-NAME\n", argv[0]);
        return 2;
    }
    // The icon is painted with fonts, which needs a GUI application but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);

    const QList<QImage> icons = llk::assets::IconImages();
    if (icons.isEmpty()) {
        std::fprintf(stderr, "no icon images\n");
        return 1;
    }
    for (const QImage& icon : icons) {
        const QString folder = QStringLiteral("%1/%2x%3/apps").arg(root).arg(icon.width()).arg(icon.height());
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !icon.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
