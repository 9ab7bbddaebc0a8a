// The menu style: what the check column shows for switches and background entries.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// The check column of the first item of a one-item menu, grabbed as the player sees it.
QImage CheckColumn(bool checked)
{
    QMenu menu;
    QAction* action = menu.addAction(QStringLiteral("音效开关(&S)"));
    action->setCheckable(true);
    action->setChecked(checked);
    menu.ensurePolished();
    menu.resize(menu.sizeHint());
    const QRect item = menu.actionGeometry(action);
    // Inside the item, clear of the menu's frame.
    const QRect column(item.left() + 2, item.top() + 2, item.height() - 4, item.height() - 4);
    return menu.grab(column).toImage();
}

bool IsPlain(const QImage& image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

TEST(MenuStyle, DrawsNothingInTheCheckColumnOfAnUncheckedItem) { EXPECT_TRUE(IsPlain(CheckColumn(false))); }

TEST(MenuStyle, DrawsTheCheckMarkOfACheckedItem) { EXPECT_FALSE(IsPlain(CheckColumn(true))); }

} // namespace
