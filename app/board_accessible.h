// What a screen reader reads of the main window: the board as a table of named Cells, the header's
// texts with their meaning and the time bar as a progress bar. Nothing is built until one asks.
#pragma once

class QWidget;

namespace llk::app {

class Form1;

// Installs the interfaces' factory; it costs nothing until an assistive technology asks.
void InstallBoardAccessibility();

// Tells a screen reader what the last handler changed on the board (names, focus frame,
// selection) and in the time bar. Does nothing while no screen reader has looked at them.
void NotifyBoardChanges(Form1& form, QWidget* board, QWidget* timeBar);

} // namespace llk::app
