// The "新纪录" dialog: it names the place, offers a name and takes only a valid one.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/new_record_dialog.h"

namespace llk::dialogs {
namespace {

TEST(NewRecordDialog, SaysThePlaceAndOffersTheName)
{
    NewRecordDialog dialog(nullptr, 3, 1, 1230, QStringLiteral("李雷"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("新纪录"));
    const auto* message = dialog.findChild<QLabel*>(QStringLiteral("Message"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains(QStringLiteral("中级篇")));
    EXPECT_TRUE(message->text().contains(QStringLiteral("第 3 名")));
    EXPECT_TRUE(message->text().contains(QStringLiteral("1230")));
    EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("李雷"));
    EXPECT_EQ(dialog.nameEdit()->selectedText(), QStringLiteral("李雷")) << "typing replaces it";
    EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("确定"));
    EXPECT_TRUE(dialog.okButton()->isEnabled());
}

TEST(NewRecordDialog, TakesOnlyOneToSixteenCharacters)
{
    NewRecordDialog dialog(nullptr, 1, 0, 10, {});
    EXPECT_FALSE(dialog.okButton()->isEnabled()) << "no name yet";
    const std::vector<std::pair<QString, bool>> names{
        {QStringLiteral("   "), false},
        {QStringLiteral("\t"), false},
        {QStringLiteral("a"), true},
        {QStringLiteral("一二三四五六七八九十一二三四五六"), true},
        {QStringLiteral("一二三四五六七八九十一二三四五六七"), false},
        {QStringLiteral("🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼"), true},
        {QStringLiteral("  sixteen letters!  ").mid(2, 16), true},
        {QStringLiteral("seventeen letters"), false},
    };
    for (const auto& [name, valid] : names) {
        dialog.nameEdit()->setText(name);
        EXPECT_EQ(dialog.okButton()->isEnabled(), valid) << name.toStdString();
    }
}

TEST(NewRecordDialog, GivesTheNameCleaned)
{
    NewRecordDialog dialog(nullptr, 1, 0, 10, {});
    dialog.nameEdit()->setText(QStringLiteral("\u3000 小\u200B明\t "));
    EXPECT_EQ(dialog.name(), QStringLiteral("小明"));
}

TEST(NewRecordDialog, EnterRecordsAndEscapeDoesNot)
{
    {
        NewRecordDialog dialog(nullptr, 1, 0, 10, QStringLiteral("韩梅梅"));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
        EXPECT_EQ(accepted.count(), 1);
    }
    {
        NewRecordDialog dialog(nullptr, 1, 0, 10, QStringLiteral("韩梅梅"));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        QTest::keyClick(dialog.nameEdit(), Qt::Key_Escape);
        EXPECT_EQ(accepted.count(), 0);
        EXPECT_EQ(rejected.count(), 1);
    }
}

TEST(NewRecordDialog, EnterWithoutAValidNameRecordsNothing)
{
    NewRecordDialog dialog(nullptr, 1, 0, 10, QStringLiteral("   "));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace
} // namespace llk::dialogs
