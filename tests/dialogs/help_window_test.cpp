// The help window: its frame, its text box and where its text comes from.
#include "dialogs/help_text.h"
#include "dialogs/help_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QByteArray Gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

class HelpWindow : public testing::Test {
protected:
    void WriteHelp(const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(QStringLiteral("Help.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QString Folder() const { return m_dir.path(); }

    QTemporaryDir m_dir;
};

QPlainTextEdit* TextBox(const frmHelp& dlg) { return dlg.findChild<QPlainTextEdit*>(QStringLiteral("Text1")); }

} // namespace

TEST_F(HelpWindow, IsAFixedDialogFilledByOneReadOnlyScrollingTextBox)
{
    WriteHelp(Gbk(QStringLiteral("一、前言\r\n")));
    frmHelp dlg(nullptr, Folder());
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("游戏帮助"));
    EXPECT_EQ(dlg.size(), QSize(305, 209));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowMaximizeButtonHint);
    QPlainTextEdit* box = TextBox(dlg);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry(), QRect(0, 0, 305, 209));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
}

TEST_F(HelpWindow, ShowsTheGbkFileLineByLineWithCrLf)
{
    WriteHelp(Gbk(QStringLiteral("二．概述\r\n    两张相同的图片\r\n\r\n◆操作\r\n")));
    frmHelp dlg(nullptr, Folder());
    EXPECT_EQ(dlg.text(), QStringLiteral("二．概述\r\n    两张相同的图片\r\n\r\n◆操作\r\n"));
    EXPECT_EQ(TextBox(dlg)->toPlainText(), QStringLiteral("二．概述\n    两张相同的图片\n\n◆操作\n"));
}

TEST_F(HelpWindow, ReadsTheFileAfreshAtEveryOpening)
{
    WriteHelp(Gbk(QStringLiteral("第一版\r\n")));
    EXPECT_EQ(frmHelp(nullptr, Folder()).text(), QStringLiteral("第一版\r\n"));
    WriteHelp(Gbk(QStringLiteral("第二版\r\n")));
    EXPECT_EQ(frmHelp(nullptr, Folder()).text(), QStringLiteral("第二版\r\n"));
}

TEST_F(HelpWindow, AnEmptyFileLeavesTheTextBoxEmpty)
{
    WriteHelp(QByteArray());
    frmHelp dlg(nullptr, Folder());
    EXPECT_TRUE(dlg.text().isEmpty());
    EXPECT_TRUE(TextBox(dlg)->toPlainText().isEmpty());
}

TEST_F(HelpWindow, AMissingFileShowsTheBuiltInText)
{
    frmHelp dlg(nullptr, Folder());
    const QString builtIn = llk::dialogs::HelpText(Folder());
    EXPECT_FALSE(builtIn.isEmpty());
    EXPECT_EQ(dlg.text(), builtIn);
    EXPECT_TRUE(builtIn.endsWith(QStringLiteral("\r\n")));
}

TEST(HelpWindowFolder, ReadsHelpTxtFromTheProgramsFolderByDefault)
{
    frmHelp dlg(nullptr);
    EXPECT_EQ(dlg.text(), llk::dialogs::HelpText(QCoreApplication::applicationDirPath()));
}

TEST_F(HelpWindow, OpensModallyCentredOverTheWindowThatOpenedIt)
{
    WriteHelp(Gbk(QStringLiteral("帮助\r\n")));
    QWidget owner;
    owner.setGeometry(100, 80, 800, 600);
    owner.show();
    frmHelp dlg(&owner, Folder());
    bool wasModal = false;
    QRect shownAt;
    QTimer::singleShot(0, &dlg, [&] {
        wasModal = QApplication::activeModalWidget() == &dlg;
        shownAt = dlg.geometry();
        dlg.close();
    });
    dlg.exec();
    EXPECT_TRUE(wasModal);
    EXPECT_LE((shownAt.center() - owner.geometry().center()).manhattanLength(), 2)
        << shownAt.x() << "," << shownAt.y() << " owner " << owner.geometry().x() << "," << owner.geometry().y();
}

TEST_F(HelpWindow, OpenReturnsAtOnceModalToItsOwnerAndTheWindowGoesWhenClosed)
{
    WriteHelp(Gbk(QStringLiteral("帮助\r\n")));
    QWidget owner;
    owner.show();
    QPointer<frmHelp> dlg = frmHelp::Open(&owner, Folder());
    ASSERT_FALSE(dlg.isNull());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->windowModality(), Qt::WindowModal);
    EXPECT_EQ(QApplication::activeModalWidget(), dlg.data());
    EXPECT_EQ(dlg->text(), QStringLiteral("帮助\r\n"));
    dlg->close();
    QTRY_VERIFY_WITH_TIMEOUT(dlg.isNull(), 5000);
}
