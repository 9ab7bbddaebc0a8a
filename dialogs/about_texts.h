// Texts of the about window: the rotating credits and the contact entries.
#pragma once

#include <QStringList>

namespace llk::dialogs {

// The thirty credit lines in their starting order, separators included.
QStringList CreditLines();

// The five contact entries; item 0 is the one the box always shows.
QStringList ContactEntries();

} // namespace llk::dialogs
