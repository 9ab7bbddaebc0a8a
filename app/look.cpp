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
    QApplication::setStyle(new MenuStyle);
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"), font.family()});
    QApplication::setFont(font);
}

} // namespace llk::app
