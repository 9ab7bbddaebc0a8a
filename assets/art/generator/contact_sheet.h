// The review sheet of the window artwork: every picture on one PNG, labelled.
#pragma once

#include <QImage>
#include <QString>

namespace llk::art {

// Reads the generated artwork from `artFolder` and the pictures of `backgroundFolder`; a null
// image (and `error` set) when one of them is missing.
QImage PaintContactSheet(const QString& artFolder, const QString& backgroundFolder, QString& error);

} // namespace llk::art
