// The artwork generator run by the build refuses bad input with a clear message and a failing
// exit code, so a broken source stops the build instead of shipping a broken file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int exitCode = -1;
    QString errors;
};

Outcome Generator(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(LLK_ARTGEN_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

class ArtGenerator : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString Path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

TEST_F(ArtGenerator, EncodesHelpInGbkWithCrLfWhateverTheSourceLineEnds)
{
    const QString source = Write(QStringLiteral("help.txt"), QByteArray("二．概述\r\n    正文\n末行"));
    const Outcome run =
        Generator({QStringLiteral("help"), source, Path(QStringLiteral("a.txt")), Path(QStringLiteral("b.txt"))});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QByteArray expected("\xB6\xFE\xA3\xAE\xB8\xC5\xCA\xF6\r\n    \xD5\xFD\xCE\xC4\r\n\xC4\xA9\xD0\xD0\r\n");
    EXPECT_EQ(Read(Path(QStringLiteral("a.txt"))), expected);
    EXPECT_EQ(Read(Path(QStringLiteral("b.txt"))), expected);
}

TEST_F(ArtGenerator, RefusesHelpWithCharactersGbkCannotHold)
{
    for (const QByteArray& bad : {QByteArray("帮助 \xF0\x9F\x98\x80\n"), QByteArray("broken \xC3\x28 UTF-8\n")}) {
        const QString source = Write(QStringLiteral("bad.txt"), bad);
        const Outcome run = Generator({QStringLiteral("help"), source, Path(QStringLiteral("out.txt"))});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.errors.contains(QStringLiteral("without a GBK code"))) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(Path(QStringLiteral("out.txt"))));
    }
}

TEST_F(ArtGenerator, RefusesMissingSourcesUnwritableTargetsAndUnknownNames)
{
    Outcome run = Generator({QStringLiteral("help"), Path(QStringLiteral("missing.txt")), Path(QStringLiteral("out.txt"))});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("cannot read"))) << run.errors.toStdString();

    const QString source = Write(QStringLiteral("help.txt"), QByteArray("帮助\n"));
    const QString blocker = Write(QStringLiteral("file"), QByteArray("x"));
    run = Generator({QStringLiteral("help"), source, blocker + QStringLiteral("/out.txt")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("cannot write"))) << run.errors.toStdString();

    run = Generator({QStringLiteral("backgrounds"), Path(QStringLiteral("Background")), QStringLiteral("没有这幅")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("no painter"))) << run.errors.toStdString();

    run = Generator({QStringLiteral("paint-everything")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("usage"))) << run.errors.toStdString();
}

TEST_F(ArtGenerator, ContactSheetNamesTheMissingPicture)
{
    const Outcome run = Generator({QStringLiteral("sheet"), Path(QStringLiteral("no-art")),
                                   Path(QStringLiteral("no-backgrounds")), Path(QStringLiteral("sheet.png"))});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("background.jpg"))) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("sheet.png"))));
}

#ifdef LLK_SOUNDGEN_PATH
class SoundSheet : public ArtGenerator {
protected:
    void SetUp() override
    {
        QProcess process;
        process.start(QStringLiteral(LLK_SOUNDGEN_PATH), {m_folder.path()});
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0);
    }

    Outcome Draw()
    {
        return Generator({QStringLiteral("sound-sheet"), m_folder.path(), Path(QStringLiteral("sounds.png"))});
    }
};

TEST_F(SoundSheet, ShowsEverySoundAndTheMusic)
{
    const Outcome run = Draw();
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QImage sheet(Path(QStringLiteral("sounds.png")));
    ASSERT_FALSE(sheet.isNull());
    EXPECT_GT(sheet.height(), 5 * 250) << "five sounds, each a waveform over a spectrogram";
}

TEST_F(SoundSheet, NamesAMissingSound)
{
    ASSERT_TRUE(QFile::remove(Path(QStringLiteral("music.wav"))));
    const Outcome run = Draw();
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("music.wav"))) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("sounds.png"))));
}

TEST_F(SoundSheet, RefusesAFileThatIsNoWave)
{
    Write(QStringLiteral("sound-103.wav"), QByteArray(2000, 'x'));
    const Outcome run = Draw();
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("sound-103.wav is not a PCM WAVE file"))) << run.errors.toStdString();
}
#endif

} // namespace
