// Background entries of the Settings menu, choosing one, and the start-up refusals of the window load.
#include <QFile>
#include <QGuiApplication>

#include "app/backgrounds.h"
#include "app/client_area.h"
#include "tests/app/form_fixture.h"

namespace llk::test {
namespace {

class Backgrounds : public FormTest {
protected:
    void PrepareBackgrounds(const QDir& dir) override
    {
        WritePicture(dir.filePath(QStringLiteral("b.jpg")), {300, 200}, Qt::blue);
        WritePicture(dir.filePath(QStringLiteral("a.JPG")), {400, 300}, Qt::green);
        WritePicture(dir.filePath(QStringLiteral("a.b.jpg")), {500, 400}, Qt::red);
        WritePicture(dir.filePath(QStringLiteral("夜景(&9)(新).jpg")), {1100, 700}, Qt::yellow);
        QFile notes(dir.filePath(QStringLiteral("notes.txt")));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    }

    QList<QAction*> Entries() const
    {
        QList<QAction*> entries = form->findChildren<QAction*>(QStringLiteral("mnuBackgrounds"));
        std::sort(entries.begin(), entries.end(), [](QAction* a, QAction* b) {
            return a->property(app::IndexProperty).toInt() < b->property(app::IndexProperty).toInt();
        });
        return entries;
    }

    const QImage& Shown() const { return Control<app::ClientArea>("ClientArea")->Background(); }
};

TEST_F(Backgrounds, ListsThePicturesByNameWithoutRegardToCase)
{
    const QList<QAction*> entries = Entries();
    ASSERT_EQ(entries.size(), 5);
    QStringList captions;
    QStringList tags;
    for (QAction* entry : entries.mid(1)) {
        captions << entry->text();
        tags << entry->data().toString();
        EXPECT_TRUE(entry->isVisible());
        EXPECT_FALSE(entry->isChecked());
    }
    EXPECT_EQ(captions, QStringList({QStringLiteral("a.b"), QStringLiteral("a"), QStringLiteral("b"),
                                     QStringLiteral("&9.夜景\t(新)")}));
    EXPECT_EQ(tags, QStringList({QStringLiteral("a.b.jpg"), QStringLiteral("a.JPG"), QStringLiteral("b.jpg"),
                                 QStringLiteral("夜景(&9)(新).jpg")}));
    EXPECT_FALSE(entries[0]->isVisible());
    EXPECT_EQ(form->CurrentBackground(), 0);
    EXPECT_EQ(Shown().size(), QSize(1024, 768)) << "the built-in picture until one is chosen";
}

// The picture is drawn from the top-left corner; what a small one leaves uncovered is black.
TEST_F(Backgrounds, PaintsThePictureFromTheTopLeftOverBlack)
{
    auto* client = Control<app::ClientArea>("ClientArea");
    const QImage builtIn = client->grab().toImage();
    const QPoint probe(150, 120); // below the header, where no sprite lies before a game
    EXPECT_EQ(builtIn.pixelColor(probe), Shown().pixelColor(probe)) << "the built-in picture";

    Entries()[3]->trigger(); // b.jpg, 300 x 200 blue
    const QImage small = client->grab().toImage();
    const QColor inside = small.pixelColor(probe);
    EXPECT_LT(inside.red(), 40);
    EXPECT_LT(inside.green(), 40);
    EXPECT_GT(inside.blue(), 200);
    EXPECT_EQ(small.pixelColor(600, 400), QColor(Qt::black));
    EXPECT_EQ(small.pixelColor(150, 300), QColor(Qt::black));
}

TEST_F(Backgrounds, ChoosingAnEntryLoadsItsPictureAndMovesTheCheckMark)
{
    Entries()[2]->trigger();
    EXPECT_EQ(form->CurrentBackground(), 2);
    EXPECT_EQ(Shown().size(), QSize(400, 300));
    EXPECT_TRUE(Entries()[2]->isChecked());

    Entries()[3]->trigger();
    EXPECT_EQ(Shown().size(), QSize(300, 200));
    EXPECT_FALSE(Entries()[2]->isChecked());
    EXPECT_TRUE(Entries()[3]->isChecked());

    Entries()[3]->trigger();
    EXPECT_TRUE(Entries()[3]->isChecked()) << "choosing the checked entry again keeps its mark";

    Entries()[4]->trigger();
    EXPECT_EQ(Shown().size(), QSize(994, 656)) << "only the part the window shows is kept";
    const QColor corner = Shown().pixelColor(0, 0);
    EXPECT_GT(corner.red(), 200);
    EXPECT_LT(corner.blue(), 60);
    EXPECT_EQ(game().board.RowCount, 0) << "no board is dealt";
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(Backgrounds, APictureThatCannotBeLoadedKeepsThePreviousOne)
{
    Entries()[1]->trigger();
    QFile damaged(background().filePath(QStringLiteral("b.jpg")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a picture");
    damaged.close();
    ASSERT_TRUE(QFile::remove(background().filePath(QStringLiteral("a.JPG"))));

    for (const int gone : {3, 2}) {
        Entries()[gone]->trigger();
        EXPECT_EQ(Shown().size(), QSize(500, 400));
        EXPECT_EQ(form->CurrentBackground(), 1);
        EXPECT_TRUE(Entries()[1]->isChecked());
        EXPECT_FALSE(Entries()[gone]->isChecked());
    }
    ASSERT_EQ(feedback.messages.size(), 2u);
    EXPECT_EQ(feedback.messages[0].icon, Icon::Error);
    EXPECT_TRUE(feedback.messages[0].text.contains(QStringLiteral("b.jpg")));
}

// The window load refuses a program folder without background pictures.
class Refusal : public testing::Test {
protected:
    Refusal()
    {
        QGuiApplication::setWindowIcon({}); // another test's window may have set it
        feedback.onMessage = [this] { iconOnTheBox = !QGuiApplication::windowIcon().isNull(); };
        form = std::make_unique<app::Form1>(&feedback);
    }
    bool Load() { return form->Load(m_folder.path() + QLatin1Char('/')); }
    QDir Folder() const { return QDir(m_folder.path()); }

    RecordingFeedback feedback;
    std::unique_ptr<app::Form1> form;
    bool iconOnTheBox = false;

private:
    QTemporaryDir m_folder;
};

TEST_F(Refusal, AMissingBackgroundFolderCountsAsEmpty)
{
    EXPECT_FALSE(Load());
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].title, QStringLiteral("图片错误"));
    EXPECT_EQ(feedback.messages[0].text, QStringLiteral("程序背景图片文件损坏，请重新下载！"));
    EXPECT_EQ(feedback.messages[0].icon, Icon::Error);
    EXPECT_TRUE(iconOnTheBox) << "the refusal box carries the program's icon";
}

TEST_F(Refusal, AFolderOfOtherFilesIsRefused)
{
    ASSERT_TRUE(Folder().mkdir(QStringLiteral("Background")));
    for (const char* name : {"notes.txt", "picture.jpeg", "picture.jpg.png"}) {
        QFile file(Folder().filePath(QStringLiteral("Background/") + QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(Folder().mkdir(QStringLiteral("Background/folder.jpg")));
    EXPECT_FALSE(Load());
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].title, QStringLiteral("图片错误"));
}

TEST(AppFolder, EndsWithExactlyOneSlash)
{
    EXPECT_EQ(app::AppFolder(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(app::AppFolder(QStringLiteral("/games/llk")), QStringLiteral("/games/llk/"));
    EXPECT_EQ(app::AppFolder(QStringLiteral("/games/llk/")), QStringLiteral("/games/llk/"));
    EXPECT_TRUE(app::AppFolder(QStringLiteral("  ")).endsWith(u'/'));
    EXPECT_FALSE(app::AppFolder().endsWith(QStringLiteral("//")));
}

} // namespace
} // namespace llk::test
