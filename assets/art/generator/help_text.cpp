// Turning the help text's UTF-8 source into the GBK text with CR LF line ends that the game reads.
#include "help_text.h"

#include <QStringEncoder>

namespace llk::art {

std::optional<QByteArray> EncodeHelpText(const QString& source)
{
    QString text = source;
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    text += QStringLiteral("\r\n");

    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace llk::art
