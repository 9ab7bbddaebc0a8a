// The window's behaviour around its other windows: the countdown under the help and about
// windows, a message box over them, the markers through a pause, and the sizes of the help text
// box and the credits list.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include "dialogs/about_window.h"
#include "dialogs/help_window.h"
#include "rules/game_state.h"
#include "tests/app/form_fixture.h"

namespace llk::test {
namespace {

constexpr int TwipsPerCountdownTick = 20;

class Behaviour : public FormTest {
protected:
    void TearDown() override
    {
        // A window left open by a failed test must not block the next one.
        for (int tries = 0; tries < 10 && QApplication::activeModalWidget(); ++tries) {
            QApplication::activeModalWidget()->close();
            QTest::qWait(1);
        }
    }

    // An Easy game whose board holds two pairs: the 1s, linked through the empty row above them,
    // and the 2s side by side.
    void StartWithTwoPairs()
    {
        Item("mneasy")->trigger();
        PlaceBoard({"..............", //
                    ".1..1.........", ".22..........."});
    }

    // Chooses a Help-menu item. Should the window it opens run inside the menu handler, the
    // trigger would not return until the window closed: a timer closes it after `ceilingMs`, so
    // the test then fails instead of waiting for ever.
    QWidget* OpenFromHelpMenu(const char* item, int ceilingMs = 5000)
    {
        QTimer ceiling;
        ceiling.setSingleShot(true);
        QObject::connect(&ceiling, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        ceiling.start(ceilingMs);
        Item(item)->trigger();
        return QApplication::activeModalWidget();
    }

    int CellOf(int row, int col) { return CellIndex(game(), row, col); }

    // A click delivered as the windowing system delivers it, so that a modal window can block it.
    void ClickCellOnTheScreen(int row, int col)
    {
        QWindow* window = form->windowHandle();
        QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(Sprites()->mapToGlobal(CellCentre(row, col))));
    }
};

TEST_F(Behaviour, TheCountdownRunsOnWhileTheHelpOrAboutWindowIsOpen)
{
    Item("mneasy")->trigger();
    for (const char* item : {"mnhelp", "mnabout"}) {
        QWidget* window = OpenFromHelpMenu(item);
        ASSERT_NE(window, nullptr) << item << ": the menu handler waited until its window was closed";
        EXPECT_EQ(QString::fromLatin1(window->metaObject()->className()),
                  QString::fromLatin1(std::string_view(item) == "mnhelp" ? "frmHelp" : "frmAboutScreen"));

        const double bar = game().counters.TimeBar;
        const int barPixels = Control("Shape3")->width();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 2000) // two seconds of the real timers
            QTest::qWait(50);
        const qint64 waitedSeconds = clock.elapsed() / 1000;
        const int ticks = qRound((bar - game().counters.TimeBar) / TwipsPerCountdownTick);

        EXPECT_GE(ticks, waitedSeconds - 1) << item << ": " << ticks << " ticks in " << clock.elapsed() << " ms";
        EXPECT_LT(Control("Shape3")->width(), barPixels) << item << ": the bar on the screen stood still";
        EXPECT_TRUE(Control<QTimer>("Timer2")->isActive());
        EXPECT_TRUE(window->isVisible()) << item;
        EXPECT_EQ(QApplication::activeModalWidget(), window);
        window->close();
    }
}

TEST_F(Behaviour, TheHelpWindowBlocksTheBoardAndTheMenus)
{
    StartWithTwoPairs();
    QWidget* help = OpenFromHelpMenu("mnhelp");
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    ClickCellOnTheScreen(2, 2);
    for (Qt::Key key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F11, Qt::Key_Space})
        QTest::keyClick(help, key);
    EXPECT_EQ(game().selection.SelectionState, SelectionState::None);
    EXPECT_TRUE(feedback.sounds.empty());
    EXPECT_EQ(game().counters.HintsLeft, 3);
    EXPECT_EQ(game().counters.ShufflesLeft, 3);
    EXPECT_FALSE(game().switches.Paused);
    help->close();

    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget() == nullptr, 5000);
    ClickCellOnTheScreen(2, 2);
    EXPECT_EQ(game().selection.SelectionState, SelectionState::FirstTile)
        << "the board answers again once the window is closed";
}

TEST_F(Behaviour, AClosedHelpWindowIsGoneAndCanBeOpenedAgain)
{
    Item("mneasy")->trigger();
    QPointer<QWidget> first = OpenFromHelpMenu("mnhelp");
    ASSERT_FALSE(first.isNull());
    first->close();
    QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 5000);
    QWidget* second = OpenFromHelpMenu("mnhelp");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(form->findChildren<frmHelp*>().size(), 1);
    second->close();
}

TEST_F(Behaviour, ATimeOutUnderTheHelpWindowShowsItsBoxOverItAndRunsOnce)
{
    Item("mneasy")->trigger();
    QWidget* help = OpenFromHelpMenu("mnhelp");
    ASSERT_NE(help, nullptr);

    QWidget* boxParent = nullptr;
    bool boxWasModal = false;
    QString okText;
    feedback.onMessage = [&] {
        feedback.onMessage = nullptr;
        // The real box, held open long enough for two more countdown ticks to try to run.
        QTimer::singleShot(0, form.get(), [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxWasModal = true;
            boxParent = box->parentWidget();
            okText = box->button(QMessageBox::Ok)->text();
            QTimer::singleShot(2300, box, [box] { box->button(QMessageBox::Ok)->click(); });
        });
        const RecordedMessage& shown = feedback.messages.back();
        app::ShowGameMessage(shown.parent, shown.title, shown.text, shown.icon);
    };
    game().counters.TimeBar = 40; // below the last 50 twips: the next tick runs out of time
    ASSERT_TRUE(WaitFor([&] { return GameOver(game()); }, 8000));
    QTest::qWait(200);

    ASSERT_EQ(feedback.messages.size(), 1u) << "the countdown ran again while its box was open";
    EXPECT_EQ(feedback.messages[0].icon, Icon::Error);
    EXPECT_EQ(feedback.messages[0].parent, help);
    EXPECT_TRUE(boxWasModal);
    EXPECT_EQ(boxParent, help);
    EXPECT_EQ(okText, app::OkButtonText);
    EXPECT_TRUE(help->isVisible()) << "the help window stays open after the time-out";
    EXPECT_FALSE(Control<QTimer>("Timer2")->isActive());
    help->close();
}

TEST_F(Behaviour, PauseHidesBothMarkersAndResumeShowsThemAsTheyWere)
{
    StartWithTwoPairs();
    ClickCell(3, 2);
    Item("mnts")->trigger(); // both markers on the 1s; the 2 stays selected
    QWidget* shape1 = Control("Shape1");
    QWidget* shape2 = Control("Shape2");
    ASSERT_TRUE(shape1->isVisible());
    ASSERT_TRUE(shape2->isVisible());
    const QRect at1 = shape1->geometry();
    const QRect at2 = shape2->geometry();

    Item("mnpause")->trigger();
    EXPECT_FALSE(shape1->isVisible());
    EXPECT_FALSE(shape2->isVisible());
    Item("mnpause")->trigger();
    EXPECT_TRUE(shape1->isVisible());
    EXPECT_TRUE(shape2->isVisible());
    EXPECT_EQ(shape1->geometry(), at1);
    EXPECT_EQ(shape2->geometry(), at2);

    ClickCell(3, 3); // the selection made before the pause still counts
    EXPECT_TRUE(Control<QTimer>("Timer1")->isActive());
    EXPECT_EQ(game().selection.formFirstClick, CellOf(3, 2));
    EXPECT_EQ(game().selection.formLastClick, CellOf(3, 3));
}

TEST_F(Behaviour, TheHelpTextBoxAndTheCreditsListHaveTheirDesignSizes)
{
    QWidget* help = OpenFromHelpMenu("mnhelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->size(), QSize(305, 209));
    auto* text = help->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(), QRect(0, 0, 305, 209));
    help->close();

    QWidget* about = OpenFromHelpMenu("mnabout");
    ASSERT_NE(about, nullptr);
    auto* list = about->findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 30);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    about->close();
}

} // namespace
} // namespace llk::test
