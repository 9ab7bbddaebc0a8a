// Painters of the pictures of the Background folder, each a calm 1024 x 768 scene or pattern.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace llk::art {

// The names (without ".jpg") that have a painter.
QStringList BackgroundNames();

// The picture called `name`, or a null image for a name without a painter.
QImage PaintBackground(const QString& name);

} // namespace llk::art
