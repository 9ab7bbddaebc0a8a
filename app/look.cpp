#include "app/look.h"

#include <QApplication>
#include <QFont>

#include <fontconfig/fontconfig.h>

#include "app/menu_style.h"

namespace llk::app {

FontConfigLoader::FontConfigLoader()
    : m_thread([] { FcInit(); }) // Qt's own FcInit() then finds the configuration loaded
{
}

FontConfigLoader::~FontConfigLoader()
{
    Wait();
}

void FontConfigLoader::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void ApplyLook()
{
    // The menu bar belongs in the window, under its caption, even where a desktop offers to take
    // menus into a panel of its own. Asking the session bus whether one does also kept the first
    // paint waiting about 5 ms where no such desktop (or no bus) exists.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new MenuStyle);
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"), font.family()});
    QApplication::setFont(font);
}

} // namespace llk::app
