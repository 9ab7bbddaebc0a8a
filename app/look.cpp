#include "app/look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include "app/font_config.h"
#include "app/menu_style.h"

namespace llk::app {

FontSetUp::FontSetUp()
{
    m_thread = std::thread([this, applicationReady = m_applicationReady.get_future()]() mutable {
        LoadFontConfig();
        m_fontConfigReady.set_value();
        if (applicationReady.get())
            QFontDatabase::families(); // fills Qt's font database under its own lock
    });
}

FontSetUp::~FontSetUp()
{
    Wait();
}

void FontSetUp::ApplicationReady()
{
    if (m_signalled)
        return;
    m_signalled = true;
    m_applicationReady.set_value(true);
    m_fontConfigReadyFuture.wait();
}

void FontSetUp::Wait()
{
    if (!m_thread.joinable())
        return;
    if (!m_signalled) { // no application: the thread only loads fontconfig
        m_signalled = true;
        m_applicationReady.set_value(false);
    }
    m_thread.join();
}

QString FirstInstalledFamily(const QStringList& families)
{
    for (const QString& family : families) {
        const QByteArray name = family.toUtf8();
        FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString,
                                            reinterpret_cast<const FcChar8*>(name.constData()), nullptr);
        FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
        FcFontSet* fonts = pattern && objects ? FcFontList(nullptr, pattern, objects) : nullptr;
        const bool installed = fonts && fonts->nfont > 0;
        if (fonts)
            FcFontSetDestroy(fonts);
        if (objects)
            FcObjectSetDestroy(objects);
        if (pattern)
            FcPatternDestroy(pattern);
        if (installed)
            return family;
    }
    return {};
}

QFont ProgramFont()
{
    QFont font = QApplication::font();
    const QString family = FirstInstalledFamily(
        {QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    // One family: with a second, Qt would sort every installed font for fallbacks when the font
    // is first used, where a missing glyph otherwise asks for them only when it occurs.
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSizeF(9.75);
    // Chinese, digits and Latin letters need no shaping: each character is the glyph its font
    // maps it to. Handing such text to the shaper only made it read the face's large layout
    // tables and build a plan for them, about 3 ms before the first paint. Scripts that do need
    // shaping are shaped all the same.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void ApplyLook()
{
    // The menu bar belongs in the window, under its caption, even where a desktop offers to take
    // menus into a panel of its own. Asking the session bus whether one does also kept the first
    // paint waiting about 5 ms where no such desktop (or no bus) exists.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new MenuStyle);
    QApplication::setFont(ProgramFont());
}

} // namespace llk::app
