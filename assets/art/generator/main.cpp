// The artwork generator run by the build: paints the window's pictures, the Background folder,
// the help text and the review sheet into the folders it is given.
//
//   llk_artgen window <folder>                  the built-in pictures (PNG, JPEG)
//   llk_artgen backgrounds <folder> <name>...   <folder>/<name>.jpg for each name
//   llk_artgen help <source.txt> <target>...    the help text in GBK with CR LF
//   llk_artgen sheet <art folder> <background folder> <sheet.png>
//   llk_artgen sound-sheet <sound folder> <sheet.png>
#include "backgrounds.h"
#include "contact_sheet.h"
#include "help_text.h"
#include "sound_sheet.h"
#include "window_art.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

using namespace llk::art;

constexpr int JpegQuality = 90;
constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool Fail(const QString& message)
{
    std::fprintf(stderr, "llk_artgen: %s\n", qPrintable(message));
    return false;
}

bool Save(const QImage& image, const QString& path)
{
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    if (image.isNull() || !image.save(path, jpeg ? "JPG" : "PNG", jpeg ? JpegQuality : -1))
        return Fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

// The decoded pixels of the JPEG at `jpegPath`, as 32-bit 0xffRRGGBB words in rows without
// padding: the program shows them without decoding, the same pixels as a decoder gives.
bool SaveDecodedPixels(const QString& jpegPath, const QString& path)
{
    QImage decoded(jpegPath);
    if (decoded.isNull())
        return Fail(QStringLiteral("cannot read back %1").arg(jpegPath));
    decoded.convertTo(QImage::Format_RGB32);
    QFile file(path);
    const auto size = static_cast<qint64>(decoded.sizeInBytes());
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(decoded.constBits()), size) != size)
        return Fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

QString ScaledName(const QString& stem, int scale, const QString& suffix)
{
    return scale == 1 ? stem + suffix : stem + QStringLiteral("@2x") + suffix;
}

bool WriteWindowArt(const QDir& folder)
{
    bool ok = true;
    for (int scale : {1, 2}) {
        ok = ok && Save(PaintWindowBackground(scale),
                        folder.filePath(ScaledName(QStringLiteral("background"), scale, QStringLiteral(".jpg"))));
        ok = ok && Save(PaintPausePicture(scale),
                        folder.filePath(ScaledName(QStringLiteral("pause"), scale, QStringLiteral(".png"))));
        ok = ok && Save(PaintCursor(scale),
                        folder.filePath(ScaledName(QStringLiteral("cursor"), scale, QStringLiteral(".png"))));
        ok = ok && Save(PaintTemplate(scale),
                        folder.filePath(ScaledName(QStringLiteral("template"), scale, QStringLiteral(".png"))));
        for (int member = 1; member <= 6; ++member)
            ok = ok && Save(PaintLinkPiece(member, scale),
                            folder.filePath(
                                ScaledName(QStringLiteral("linkpiece-%1").arg(member), scale, QStringLiteral(".png"))));
    }
    for (int size : IconSizes)
        ok = ok && Save(PaintIcon(size), folder.filePath(QStringLiteral("icon-%1.png").arg(size)));
    // The picture of every start, at scale 1, also as plain pixels: the program shows it
    // without decoding a JPEG first.
    ok = ok && SaveDecodedPixels(folder.filePath(QStringLiteral("background.jpg")),
                                 folder.filePath(QStringLiteral("background.rgb32")));
    return ok;
}

bool WriteBackgrounds(const QDir& folder, const QStringList& names)
{
    for (const QString& name : names) {
        const QImage picture = PaintBackground(name);
        if (picture.isNull())
            return Fail(QStringLiteral("no painter for the background %1").arg(name));
        if (!Save(picture, folder.filePath(name + QStringLiteral(".jpg"))))
            return false;
    }
    return true;
}

bool WriteHelp(const QString& sourcePath, const QStringList& targets)
{
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1").arg(sourcePath));
    const auto bytes = EncodeHelpText(QString::fromUtf8(source.readAll()));
    if (!bytes)
        return Fail(QStringLiteral("%1 has characters without a GBK code").arg(sourcePath));
    for (const QString& target : targets) {
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(*bytes) != bytes->size())
            return Fail(QStringLiteral("cannot write %1").arg(target));
    }
    return true;
}

bool WriteSheet(const QString& artFolder, const QString& backgroundFolder, const QString& target)
{
    QString error;
    const QImage sheet = PaintContactSheet(artFolder, backgroundFolder, error);
    if (sheet.isNull())
        return Fail(error);
    return Save(sheet, target);
}

bool WriteSoundSheet(const QString& soundFolder, const QString& target)
{
    QString error;
    const QImage sheet = PaintSoundSheet(soundFolder, error);
    if (sheet.isNull())
        return Fail(error);
    return Save(sheet, target);
}

// Qt's note that it picked a runtime folder itself is noise in a build log.
void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv)
{
    // The generator never needs a display: it paints into images only.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHandler);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    bool ok = false;
    if (command == QLatin1String("window") && args.size() == 2 && QDir().mkpath(args[1]))
        ok = WriteWindowArt(QDir(args[1]));
    else if (command == QLatin1String("backgrounds") && args.size() >= 3 && QDir().mkpath(args[1]))
        ok = WriteBackgrounds(QDir(args[1]), args.mid(2));
    else if (command == QLatin1String("help") && args.size() >= 3)
        ok = WriteHelp(args[1], args.mid(2));
    else if (command == QLatin1String("sheet") && args.size() == 4)
        ok = WriteSheet(args[1], args[2], args[3]);
    else if (command == QLatin1String("sound-sheet") && args.size() == 3)
        ok = WriteSoundSheet(args[1], args[2]);
    else
        Fail(QStringLiteral("usage: llk_artgen window|backgrounds|help|sheet|sound-sheet ..."));
    return ok ? 0 : 1;
}
