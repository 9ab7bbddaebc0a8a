// Form1's memory: results entered into the leaderboard, settings kept across starts, and the hint
// on the first screen.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "app/records_store.h"
#include "app/settings.h"
#include "dialogs/leaderboard_window.h"
#include "dialogs/new_record_dialog.h"
#include "tests/app/form_fixture.h"

namespace llk::test {
namespace {

using dialogs::LeaderboardWindow;
using dialogs::NewRecordDialog;

class Memory : public FormTest {
protected:
    void PrepareBackgrounds(const QDir& dir) override
    {
        WritePicture(dir.filePath(QStringLiteral("a.jpg")), {64, 64}, Qt::darkCyan);
        WritePicture(dir.filePath(QStringLiteral("b.jpg")), {64, 64}, Qt::darkRed);
    }

    // Closes the program and starts it again on the same folders.
    void Restart()
    {
        form.reset();
        form = std::make_unique<app::Form1>(&feedback);
        ASSERT_TRUE(form->Load(folder()));
        form->ShowCentred();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        OpenGameMenu();
    }

    // An Easy game of the first Theme that has scored `score` and runs out of time on the next tick.
    void PlayUntilTimeOut(int score)
    {
        Item("mneasy")->trigger();
        game().counters.Score = score;
        game().counters.TimeBar = 60;
    }

    NewRecordDialog* WaitForNewRecord()
    {
        NewRecordDialog* dialog = nullptr;
        WaitFor([&] { return (dialog = form->findChild<NewRecordDialog*>()) && dialog->isVisible(); });
        return dialog;
    }

    LeaderboardWindow* WaitForLeaderboard()
    {
        LeaderboardWindow* window = nullptr;
        WaitFor([&] { return (window = form->findChild<LeaderboardWindow*>()) && window->isVisible(); });
        return window;
    }

    QString RecordsFile() const { return app::RecordsStore::StandardFolder() + QStringLiteral("/records.json"); }
};

TEST_F(Memory, ATimedOutGameAsksForANameAndShowsItsPlace)
{
    PlayUntilTimeOut(120);
    NewRecordDialog* dialog = WaitForNewRecord();
    ASSERT_NE(dialog, nullptr);
    ASSERT_FALSE(feedback.messages.empty());
    EXPECT_EQ(feedback.messages.back().text, QStringLiteral("时间用尽，游戏结束！")) << "the game's own message first";
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    EXPECT_FALSE(dialog->nameEdit()->text().isEmpty()) << "the login's name is offered";
    dialog->nameEdit()->setText(QStringLiteral("  <b>小红</b> "));
    dialog->okButton()->click();

    LeaderboardWindow* window = WaitForLeaderboard();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->tabs()->currentIndex(), 0);
    EXPECT_EQ(window->highlightedRow(0), 0);
    EXPECT_EQ(window->table(0)->item(0, 1)->text(), QStringLiteral("<b>小红</b>"));
    EXPECT_EQ(window->table(0)->item(0, 2)->text(), QStringLiteral("120"));
    EXPECT_TRUE(QFile::exists(RecordsFile()));
}

TEST_F(Memory, AResultIsThereAfterARestart)
{
    PlayUntilTimeOut(340);
    NewRecordDialog* dialog = WaitForNewRecord();
    ASSERT_NE(dialog, nullptr);
    dialog->nameEdit()->setText(QStringLiteral("李雷"));
    dialog->okButton()->click();
    ASSERT_NE(WaitForLeaderboard(), nullptr);

    Restart();
    Item("mnph")->trigger();
    LeaderboardWindow* window = WaitForLeaderboard();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(game().board.RowCount, 0) << "looking at the results deals no game";
    EXPECT_FALSE(GameRunning(game()));
    ASSERT_EQ(window->table(0)->rowCount(), 1);
    EXPECT_EQ(window->table(0)->item(0, 1)->text(), QStringLiteral("李雷"));
    EXPECT_EQ(window->table(0)->item(0, 2)->text(), QStringLiteral("340"));
    EXPECT_EQ(window->highlightedRow(0), -1) << "only a result just entered is highlighted";

    // The next result offers the name entered last.
    window->close();
    PlayUntilTimeOut(50);
    dialog = WaitForNewRecord();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameEdit()->text(), QStringLiteral("李雷"));
}

TEST_F(Memory, CancellingTheNameRecordsNothing)
{
    PlayUntilTimeOut(70);
    NewRecordDialog* dialog = WaitForNewRecord();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog->nameEdit(), Qt::Key_Escape);
    EXPECT_TRUE(WaitFor([this] { return !form->findChild<NewRecordDialog*>(); }));
    EXPECT_FALSE(QFile::exists(RecordsFile()));
    EXPECT_EQ(form->findChild<LeaderboardWindow*>(), nullptr);
}

TEST_F(Memory, AGameThatScoredNothingIsNoResult)
{
    PlayUntilTimeOut(0);
    ASSERT_TRUE(WaitFor([this] { return !feedback.messages.empty(); }));
    QTest::qWait(50);
    EXPECT_EQ(form->findChild<NewRecordDialog*>(), nullptr);
}

TEST_F(Memory, ADamagedRecordsFileIsKeptAside)
{
    const QString folder = app::RecordsStore::StandardFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        QFile damaged(RecordsFile());
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("{\"version\": 1, \"records\": [");
    }
    PlayUntilTimeOut(200);
    NewRecordDialog* dialog = WaitForNewRecord();
    ASSERT_NE(dialog, nullptr);
    dialog->nameEdit()->setText(QStringLiteral("韩梅梅"));
    dialog->okButton()->click();
    ASSERT_NE(WaitForLeaderboard(), nullptr);
    const QStringList aside = QDir(folder).entryList({QStringLiteral("records.json.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(folder + QLatin1Char('/') + aside.front());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("{\"version\": 1, \"records\": ["));
    EXPECT_TRUE(feedback.messages.back().text.contains(aside.front())) << "the player is told where it went";
}

TEST_F(Memory, ARecordsFileOfANewerGameIsShownButNotWritten)
{
    const QString folder = app::RecordsStore::StandardFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray newer =
        R"({"version": 2, "records": [{"name": "未来", "score": 5000, "level": 3, "theme": 1,)"
        R"( "difficulty": 0, "ended": "2030-01-01T08:00:00+08:00", "result": "won", "mood": "happy"}]})";
    {
        QFile file(RecordsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(newer);
    }
    PlayUntilTimeOut(90);
    ASSERT_TRUE(WaitFor([this] { return feedback.messages.size() >= 2; }));
    EXPECT_EQ(feedback.messages.back().text, app::NotSavedText(app::RecordsState::Newer));
    EXPECT_EQ(form->findChild<NewRecordDialog*>(), nullptr) << "no name asked for a result that cannot be kept";

    Item("mnph")->trigger();
    LeaderboardWindow* window = WaitForLeaderboard();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->table(0)->rowCount(), 1);
    EXPECT_TRUE(window->notice()->isVisible());
    QFile file(RecordsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), newer);
}

TEST_F(Memory, AFolderThatCannotBeMadeGivesAMessageAndTheGameGoesOn)
{
    // A file stands where the data folder's parent should be.
    const QString blocker = QDir(folder()).filePath(QStringLiteral("blocked"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocker));
    Restart();
    PlayUntilTimeOut(80);
    NewRecordDialog* dialog = WaitForNewRecord();
    ASSERT_NE(dialog, nullptr);
    const std::size_t before = feedback.messages.size();
    dialog->okButton()->click();
    ASSERT_EQ(feedback.messages.size(), before + 1);
    EXPECT_EQ(feedback.messages.back().icon, Icon::Error);
    EXPECT_TRUE(feedback.messages.back().text.contains(QStringLiteral("没有保存")));
    EXPECT_EQ(form->findChild<LeaderboardWindow*>(), nullptr);

    Item("mneasy")->trigger();
    EXPECT_TRUE(GameRunning(game())) << "the next game starts as ever";
}

TEST_F(Memory, TheCountdownRunsOnWhileTheLeaderboardIsOpen)
{
    Item("mneasy")->trigger();
    Item("mnph")->trigger();
    LeaderboardWindow* window = WaitForLeaderboard();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isModal());
    const double before = game().counters.TimeBar;
    EXPECT_TRUE(WaitFor([&] { return game().counters.TimeBar < before; }));
}

TEST_F(Memory, SettingsSurviveARestart)
{
    Item("mnmusic")->trigger();
    Item("mnyx")->trigger();
    Item("mnuBackgrounds", 2)->trigger();
    ASSERT_EQ(form->CurrentBackground(), 2);

    Restart();
    EXPECT_FALSE(Item("mnmusic")->isChecked());
    EXPECT_FALSE(Item("mnyx")->isChecked());
    EXPECT_FALSE(game().switches.SoundEffects);
    EXPECT_EQ(form->CurrentBackground(), 2);
    EXPECT_TRUE(Item("mnuBackgrounds", 2)->isChecked()) << "ticked from the start";
    EXPECT_FALSE(Item("mnuBackgrounds", 1)->isChecked());

    Item("mnyx")->trigger();
    Restart();
    EXPECT_TRUE(Item("mnyx")->isChecked());
    EXPECT_FALSE(Item("mnmusic")->isChecked());
}

TEST_F(Memory, ARememberedBackgroundThatIsGoneFallsBackToTheBuiltInOne)
{
    app::Settings(app::Settings::StandardPath()).SetBackground(QStringLiteral("gone.jpg"));
    Restart();
    EXPECT_EQ(form->CurrentBackground(), 0);
    EXPECT_FALSE(Item("mnuBackgrounds", 1)->isChecked());
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(Memory, ARememberedBackgroundThatNoLongerLoadsFallsBackQuietly)
{
    Item("mnuBackgrounds", 1)->trigger();
    QFile broken(background().filePath(QStringLiteral("a.jpg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    Restart();
    EXPECT_EQ(form->CurrentBackground(), 0);
    EXPECT_TRUE(feedback.messages.empty());
}

TEST_F(Memory, WithoutASettingsFileTheGameStartsAsDesigned)
{
    EXPECT_FALSE(QFile::exists(app::Settings::StandardPath()));
    EXPECT_TRUE(Item("mnmusic")->isChecked());
    EXPECT_TRUE(Item("mnyx")->isChecked());
    EXPECT_EQ(form->CurrentBackground(), 0);
    EXPECT_FALSE(Item("mnuBackgrounds", 1)->isChecked());
}

TEST_F(Memory, ADamagedSettingsFileGivesTheDesignedStart)
{
    const QString path = app::Settings::StandardPath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[sound]\nmusic=false\neffects=false\n\x01\x02\xFF garbage\n");
    }
    Restart();
    EXPECT_TRUE(Item("mnmusic")->isChecked());
    EXPECT_TRUE(Item("mnyx")->isChecked());
    EXPECT_TRUE(game().switches.SoundEffects);
    EXPECT_EQ(form->CurrentBackground(), 0);
}

TEST_F(Memory, TheFirstScreenHintGoesWithTheFirstGameForGood)
{
    auto* hint = Control<QLabel>("FirstScreenHint");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), QStringLiteral("从「游戏」菜单选择主题与难度，开始游戏"));
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00));
    const QRect board = Control("ClientArea")->rect();
    EXPECT_LE(std::abs(hint->geometry().center().x() - board.center().x()), 1);
    EXPECT_GE(hint->width(), hint->sizeHint().width()) << "the whole line shows";

    PlayUntilTimeOut(0);
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("FirstScreenHint")), nullptr);
    ASSERT_TRUE(WaitFor([this] { return !GameRunning(game()); }));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("FirstScreenHint")), nullptr) << "not back after the game";
}

} // namespace
} // namespace llk::test
