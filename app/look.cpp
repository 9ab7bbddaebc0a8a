#include "app/look.h"

#include <QApplication>
#include <QFontDatabase>

#include "app/menu_style.h"

namespace llk::app {

QString FirstInstalledFamily(const QStringList& families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (!family.isEmpty() && installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return {};
}

QFont ProgramFont()
{
    QFont font = QApplication::font();
    const QString family = FirstInstalledFamily(
        {QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSizeF(9.75);
    // The window's Chinese, digits and Latin letters look the same unshaped; Qt still shapes the
    // scripts that need it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void ApplyLook()
{
    // The menu bar belongs in the window, under its caption, even where a desktop offers to take
    // menus into a panel of its own.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new MenuStyle);
    QApplication::setFont(ProgramFont());
}

} // namespace llk::app
