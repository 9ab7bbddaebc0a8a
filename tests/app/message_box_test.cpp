// The message boxes in Chinese: the game's own boxes say "确定" in any case, and Qt's Chinese
// translation turns Qt's own standard buttons and context menus into Chinese.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/feedback.h"
#include "app/translation.h"

namespace llk::test {
namespace {

// Opens a real box with `show` and hands it to `inspect` before closing it with its button.
void InspectMessageBox(const std::function<void()>& show, const std::function<void(QMessageBox&)>& inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        inspect(*box);
        box->button(QMessageBox::Ok)->click();
    });
    show();
    EXPECT_TRUE(seen);
}

TEST(MessageBoxes, TheGamesBoxesSayOkInChineseWithoutATranslation)
{
    InspectMessageBox([] { app::ShowGameMessage(nullptr, app::WindowCaption, QStringLiteral("时间到！"), Icon::Error); },
                      [](QMessageBox& box) {
                          EXPECT_EQ(box.buttons().size(), 1);
                          QAbstractButton* ok = box.button(QMessageBox::Ok);
                          ASSERT_NE(ok, nullptr);
                          EXPECT_EQ(ok->text(), QStringLiteral("确定"));
                          EXPECT_TRUE(ok->icon().isNull());
                          EXPECT_EQ(box.windowTitle(), QStringLiteral("岚川连连看"));
                          EXPECT_EQ(box.icon(), QMessageBox::Critical);
                      });
}

// A screen reader reads a game box's text through the box's accessible interface.
TEST(MessageBoxes, AGameBoxReadsItsTextToAScreenReader)
{
    InspectMessageBox(
        [] { app::ShowGameMessage(nullptr, app::WindowCaption, QStringLiteral("时间到了！"), Icon::Error); },
        [](QMessageBox& box) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
            ASSERT_NE(iface, nullptr);
            QString read = iface->text(QAccessible::Name) + iface->text(QAccessible::Description);
            for (int i = 0; i < iface->childCount(); ++i)
                read += iface->child(i)->text(QAccessible::Name);
            EXPECT_TRUE(read.contains(QStringLiteral("时间到了"))) << read.toStdString();
        });
}

TEST(MessageBoxes, QtsOwnButtonsAndContextMenusReadChineseOnceTranslated)
{
    std::unique_ptr<QTranslator> translator(app::InstallQtTranslation());
    ASSERT_NE(translator, nullptr) << "Qt's Chinese translation (qt6-translations-l10n) is not installed";

    QMessageBox box(QMessageBox::Question, QStringLiteral("岚川连连看"), QStringLiteral("?"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));

    QLineEdit edit(QStringLiteral("岚川"));
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << action->text();
    EXPECT_TRUE(captions.join(u'|').contains(QStringLiteral("复制"))) << captions.join(u'|').toStdString();

    InspectMessageBox(
        [] { app::ShowGameMessage(nullptr, app::WindowCaption, QStringLiteral("过关"), Icon::Information); },
        [](QMessageBox& box) {
            EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
            EXPECT_TRUE(box.button(QMessageBox::Ok)->icon().isNull());
        });
    QCoreApplication::removeTranslator(translator.get());
}

} // namespace
} // namespace llk::test
