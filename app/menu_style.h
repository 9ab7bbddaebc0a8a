// The menu look: text after a tab is drawn right-aligned, flush with the menu's right edge.
#pragma once

#include <QProxyStyle>

namespace llk::app {

// Fusion puts the text after a tab left-aligned in a shortcut column; the game's menus align
// the picture counts of its Themes (and the shortcut keys) at the right edge instead.
class MenuStyle final : public QProxyStyle {
public:
    MenuStyle();
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

} // namespace llk::app
