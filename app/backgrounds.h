// The background pictures offered in the Settings menu: the "*.jpg" files of the Background folder.
#pragma once

#include <QString>
#include <QStringList>

namespace llk::app {

// `folder` with exactly one trailing slash; the executable's folder when `folder` is blank.
QString AppFolder(const QString& folder = {});

// The "*.jpg" files of `folder` (extension in any case), sorted by name without regard to case.
// A missing or unreadable folder lists nothing.
QStringList ListBackgrounds(const QString& folder);

// A menu entry's caption: the file name up to its last ".".
QString BackgroundCaption(const QString& fileName);

} // namespace llk::app
