// Reading Help.txt: bounded, decoded from GBK, re-joined with CR LF line ends.
#include "dialogs/help_text.h"

#include "assets/artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace llk::dialogs {

namespace {

constexpr char16_t CarriageReturn = u'\r';
constexpr char16_t LineFeed = u'\n';

} // namespace

QString DecodeHelpText(const QByteArray& gbkBytes, const char* encoding)
{
    // GBK trail bytes never take the values of CR or LF, so lines can be split after decoding.
    QStringDecoder decoder(encoding);
    const QString decoded = decoder.decode(gbkBytes);

    QString text;
    text.reserve(decoded.size() + decoded.size() / 16);
    qsizetype lineStart = 0;
    const qsizetype size = decoded.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = decoded.at(i);
        if (c != CarriageReturn && c != LineFeed)
            continue;
        text += QStringView(decoded).sliced(lineStart, i - lineStart);
        text += u"\r\n";
        if (c == CarriageReturn && i + 1 < size && decoded.at(i + 1) == LineFeed)
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < size) {
        text += QStringView(decoded).sliced(lineStart);
        text += u"\r\n";
    }
    return text;
}

QString TextForDisplay(const QString& crlfText)
{
    QString shown;
    shown.reserve(crlfText.size());
    for (const QStringView line : QStringView(crlfText).split(u"\r\n")) {
        QStringView rest = line;
        while (rest.size() > LongestShownLine) {
            qsizetype cut = LongestShownLine;
            if (rest.at(cut - 1).isHighSurrogate())
                --cut;
            shown += rest.first(cut);
            shown += LineFeed;
            rest = rest.sliced(cut);
        }
        shown += rest;
        shown += LineFeed;
    }
    shown.chop(1);
    return shown;
}

std::optional<QString> ReadHelpFile(const QString& path, const char* encoding)
{
    // A pipe or a device under that name could block the opening or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(HelpFileByteLimit);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return DecodeHelpText(bytes, encoding);
}

QString HelpText(const QString& folder)
{
    //: The help file beside the program; a translated one is read as UTF-8.
    const QString name = QCoreApplication::translate("frmHelp", "Help.txt");
    if (name != QLatin1String("Help.txt")) {
        if (auto text = ReadHelpFile(QDir(folder).filePath(name), "UTF-8"))
            return *text;
        //: The built-in help of the translation's language, among the program's resources.
        QFile builtIn(QCoreApplication::translate("frmHelp", ":/llk/art/help.txt"));
        if (builtIn.open(QIODevice::ReadOnly))
            return DecodeHelpText(builtIn.readAll(), "UTF-8");
    }
    if (auto text = ReadHelpFile(QDir(folder).filePath(QStringLiteral("Help.txt"))))
        return *text;
    return DecodeHelpText(assets::BuiltInHelpText());
}

} // namespace llk::dialogs
