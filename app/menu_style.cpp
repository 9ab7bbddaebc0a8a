#include "app/menu_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace llk::app {
namespace {

// Room kept free at the right of every item, where Fusion draws a submenu's arrow.
constexpr int RightMarginPixels = 22;

} // namespace

MenuStyle::MenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // A switch or background entry without its check mark shows nothing in the check column,
    // not an empty box.
    QStyleOptionMenuItem shown(*item);
    if (shown.checkType != QStyleOptionMenuItem::NotCheckable && !shown.checked)
        shown.checkType = QStyleOptionMenuItem::NotCheckable;
    item = &shown;
    const qsizetype tab = item->text.indexOf(u'\t');
    if (tab < 0) {
        QProxyStyle::drawControl(element, item, painter, widget);
        return;
    }
    QStyleOptionMenuItem leftPart(*item);
    leftPart.text = item->text.left(tab);
    QProxyStyle::drawControl(element, &leftPart, painter, widget);

    const bool enabled = item->state & State_Enabled;
    const bool selected = item->state & State_Selected;
    QColor colour = item->palette.color(enabled ? QPalette::Active : QPalette::Disabled,
                                        selected && enabled ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    painter->setFont(item->font);
    painter->setPen(colour);
    const QRect area = item->rect.adjusted(0, 0, -RightMarginPixels, 0);
    painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, item->text.mid(tab + 1));
    painter->restore();
}

} // namespace llk::app
