// Help.txt as players' machines may hold it: missing, unreadable, empty, damaged, huge or
// carelessly ended. The help window always opens and shows a sensible text.
#include "assets/artwork.h"
#include "dialogs/help_text.h"
#include "dialogs/help_window.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t Replacement = u'\uFFFD';
constexpr qint64 MiB = 1024 * 1024;

QByteArray Gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

class BadHelpFile : public testing::Test {
protected:
    QString HelpPath() const { return m_dir.filePath(QStringLiteral("Help.txt")); }

    void WriteHelp(const QByteArray& bytes)
    {
        QFile file(HelpPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Opens the window as the Help menu does; returns its text, checking the box shows it.
    QString Shown()
    {
        frmHelp dlg(nullptr, m_dir.path());
        dlg.show();
        EXPECT_TRUE(dlg.isVisible());
        const auto* box = dlg.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        EXPECT_EQ(box->toPlainText(), llk::dialogs::TextForDisplay(dlg.text()));
        return dlg.text();
    }

    static QString BuiltIn() { return llk::dialogs::DecodeHelpText(llk::assets::BuiltInHelpText()); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(BadHelpFile, MissingShowsTheBuiltInText)
{
    ASSERT_FALSE(BuiltIn().isEmpty());
    EXPECT_EQ(Shown(), BuiltIn());
}

TEST_F(BadHelpFile, AFolderNamedHelpTxtShowsTheBuiltInText)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Help.txt")));
    EXPECT_EQ(Shown(), BuiltIn());
}

TEST_F(BadHelpFile, APipeNamedHelpTxtShowsTheBuiltInTextWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(HelpPath().toLocal8Bit().constData(), 0644), 0);
    EXPECT_EQ(Shown(), BuiltIn());
}

TEST_F(BadHelpFile, ADeviceNamedHelpTxtShowsTheBuiltInText)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), HelpPath()));
    EXPECT_EQ(Shown(), BuiltIn());
}

TEST_F(BadHelpFile, UnreadableShowsTheBuiltInText)
{
    WriteHelp(Gbk(QStringLiteral("秘密\r\n")));
    ASSERT_TRUE(QFile::setPermissions(HelpPath(), QFileDevice::WriteOwner));
    if (::access(HelpPath().toLocal8Bit().constData(), R_OK) == 0)
        GTEST_SKIP() << "this user reads files without read permission (root)";
    EXPECT_EQ(Shown(), BuiltIn());
}

TEST_F(BadHelpFile, AFileWhoseReadingFailsShowsTheBuiltInText)
{
    // A regular file that opens but fails on the first read, for every user, root included.
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), HelpPath()));
    EXPECT_EQ(Shown(), BuiltIn());
}

TEST_F(BadHelpFile, EmptyShowsAnEmptyTextBox)
{
    WriteHelp(QByteArray());
    EXPECT_EQ(Shown(), QString());
}

TEST_F(BadHelpFile, InvalidGbkShowsReplacementCharactersAndTheRest)
{
    // A lead byte before a space, bytes no GBK character uses, and a lead byte cut by the end.
    WriteHelp(QByteArray("\xC4 ok\r\n\x80\x80\xFF\r\n") + Gbk(QStringLiteral("后面的行\r\n")) + QByteArray("\xB0"));
    const QString text = Shown();
    EXPECT_TRUE(text.contains(Replacement)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" ok\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("后面的行\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
}

TEST_F(BadHelpFile, FiftyMegabytesShowTheirFirstMebibyte)
{
    const QByteArray line = Gbk(QStringLiteral("很长的帮助文件，第一部分。\r\n"));
    QByteArray bytes;
    bytes.reserve(50 * MiB);
    while (bytes.size() < 50 * MiB)
        bytes += line;
    WriteHelp(bytes);
    const QString text = Shown();
    EXPECT_EQ(text, llk::dialogs::DecodeHelpText(bytes.first(llk::dialogs::HelpFileByteLimit)));
    EXPECT_LE(text.size(), llk::dialogs::HelpFileByteLimit);
    EXPECT_TRUE(text.startsWith(QStringLiteral("很长的帮助文件，第一部分。\r\n很长")));
    EXPECT_FALSE(text.contains(Replacement));
}

TEST_F(BadHelpFile, ACharacterCutByTheLimitIsDroppedNotGarbled)
{
    QByteArray bytes(llk::dialogs::HelpFileByteLimit - 1, 'a');
    bytes += Gbk(QStringLiteral("字"));
    WriteHelp(bytes);
    const QString text = Shown();
    EXPECT_EQ(text, QString(llk::dialogs::HelpFileByteLimit - 1, u'a') + QStringLiteral("\r\n"));
}

TEST_F(BadHelpFile, AOneMebibyteLineIsShownInPiecesTheTextBoxCanLayOut)
{
    QString line;
    while (line.size() < llk::dialogs::HelpFileByteLimit) // more than the limit once encoded
        line += QStringLiteral("一行到底没有换行😀");
    WriteHelp(Gbk(line).first(llk::dialogs::HelpFileByteLimit));
    frmHelp dlg(nullptr, m_dir.path());
    dlg.show();
    const QString shown = dlg.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
    const QStringList pieces = shown.split(u'\n');
    EXPECT_GT(pieces.size(), 100);
    for (const QString& piece : pieces)
        ASSERT_LE(piece.size(), llk::dialogs::LongestShownLine);
    EXPECT_EQ(pieces.join(QString()) + QStringLiteral("\r\n"), dlg.text());
}

TEST_F(BadHelpFile, WithoutAFinalLineBreakReadsAsWithOne)
{
    WriteHelp(Gbk(QStringLiteral("一、前言\r\n\r\n    最后一行")));
    const QString unterminated = Shown();
    WriteHelp(Gbk(QStringLiteral("一、前言\r\n\r\n    最后一行\r\n")));
    EXPECT_EQ(unterminated, Shown());
    EXPECT_EQ(unterminated, QStringLiteral("一、前言\r\n\r\n    最后一行\r\n"));
}

TEST_F(BadHelpFile, UnixAndOldMacLineEndsReadAsCrLf)
{
    const QString expected = QStringLiteral("第一行\r\n第二行\r\n\r\n第四行\r\n");
    for (const char* ends : {"\n", "\r", "\r\n"}) {
        const QString end = QString::fromLatin1(ends);
        WriteHelp(Gbk(QStringLiteral("第一行") + end + QStringLiteral("第二行") + end + end + QStringLiteral("第四行")));
        EXPECT_EQ(Shown(), expected) << "line end " << QByteArray(ends).toHex().toStdString();
    }
}
