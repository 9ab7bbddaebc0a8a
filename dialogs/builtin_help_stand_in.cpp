// A short built-in help text, used only by builds without the artwork library.
#include "assets/artwork.h"

namespace llk::assets {

QByteArray BuiltInHelpText()
{
    return QByteArray("\xB6\xFE\xA3\xAE\xB8\xC5\xCA\xF6\r\n"); // "二．概述" in GBK
}

} // namespace llk::assets
