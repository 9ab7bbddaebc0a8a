// Turning the help text's UTF-8 source into the GBK text with CR LF line ends that the game reads.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace llk::art {

// The GBK bytes of `source`: every line, the last one included, ends with CR LF. Nothing when a
// character has no GBK code, so that a typo in the source fails the build instead of the text.
std::optional<QByteArray> EncodeHelpText(const QString& source);

} // namespace llk::art
