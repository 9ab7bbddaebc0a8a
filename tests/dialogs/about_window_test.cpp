// The about window: its layout and texts, the rotating credits that ignore the player, the
// contact box that always shows its first entry, and the OK button.
#include "dialogs/about_texts.h"
#include "dialogs/about_window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class AboutWindow : public testing::Test {
protected:
    void SetUp() override
    {
        m_dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dlg));
        m_list = m_dlg.findChild<QListWidget*>(QStringLiteral("List1"));
        m_combo = m_dlg.findChild<QComboBox*>(QStringLiteral("Combo1"));
        m_ok = m_dlg.findChild<QPushButton*>(QStringLiteral("cmdOk"));
        ASSERT_TRUE(m_list && m_combo && m_ok);
    }

    void Rotate() { QMetaObject::invokeMethod(&m_dlg, "rotateCredits"); }

    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < m_list->count(); ++i)
            rows << m_list->item(i)->text();
        return rows;
    }

    void ExpectTopRowSelectedAndShown(const QString& top) const
    {
        EXPECT_EQ(m_list->item(0)->text(), top);
        EXPECT_EQ(m_list->currentRow(), 0);
        EXPECT_EQ(m_list->selectedItems().size(), 1);
        EXPECT_TRUE(m_list->item(0)->isSelected());
        EXPECT_EQ(m_list->verticalScrollBar()->value(), 0);
    }

    frmAboutScreen m_dlg;
    QListWidget* m_list = nullptr;
    QComboBox* m_combo = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace

TEST_F(AboutWindow, HasTheCaptionSizeAndPlacesOfItsDesign)
{
    EXPECT_EQ(m_dlg.windowTitle(), QStringLiteral("关于"));
    EXPECT_EQ(m_dlg.size(), QSize(305, 171));
    EXPECT_EQ(m_dlg.minimumSize(), m_dlg.maximumSize());
    EXPECT_EQ(m_list->geometry(), QRect(0, 0, 305, 140));
    // Thirty rows do not fit in 140 pixels: the list shows its vertical scroll bar.
    EXPECT_TRUE(m_list->verticalScrollBar()->isVisible());
    EXPECT_GT(m_list->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(m_combo->geometry().topLeft(), QPoint(8, 144));
    EXPECT_EQ(m_combo->width(), 217);
    EXPECT_EQ(m_ok->geometry(), QRect(232, 144, 73, 25));
    EXPECT_EQ(m_ok->text(), QStringLiteral("确定(&O)"));
    const QRect screen = m_dlg.screen()->availableGeometry();
    EXPECT_LE((m_dlg.frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(AboutWindow, WritesWhiteOnBlueInANinePointSansFont)
{
    EXPECT_EQ(m_list->palette().color(QPalette::Base), QColor(0x17, 0x76, 0xDF));
    EXPECT_EQ(m_list->palette().color(QPalette::Text), QColor(Qt::white));
    const QFontInfo font(m_list->font());
    EXPECT_EQ(font.pointSize(), 9);
    EXPECT_FALSE(font.family().isEmpty());
    EXPECT_FALSE(font.fixedPitch());
    EXPECT_EQ(m_combo->font().pointSize(), 9);

    // Drawn, not just configured: the top row in navy, the rows below it on the blue.
    const QImage drawn = m_list->viewport()->grab().toImage();
    const auto rowColour = [&](int row) {
        const QRect rect = m_list->visualItemRect(m_list->item(row));
        return QColor(drawn.pixel(rect.right() - 3, rect.center().y()));
    };
    EXPECT_EQ(rowColour(0), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(rowColour(2), QColor(0x17, 0x76, 0xDF));
}

TEST_F(AboutWindow, ListsTheThirtyCreditLinesInOrderWithTheFirstSelected)
{
    const QStringList rows = Rows();
    ASSERT_EQ(rows.size(), 30);
    EXPECT_EQ(rows[0], QStringLiteral("名称：岚川连连看"));
    EXPECT_EQ(rows[2], QStringLiteral("版本：1.1.0"));
    const QString separator(300, u'=');
    for (int i : {1, 10, 13, 29})
        EXPECT_EQ(rows[i], separator) << "row " << i;
    const QStringList roles = {"策划：", "代码：", "代码：", "界面：", "图片：", "图片：", "道具："};
    for (int i = 0; i < roles.size(); ++i) {
        EXPECT_TRUE(rows[3 + i].startsWith(roles[i])) << rows[3 + i].toStdString();
        EXPECT_GT(rows[3 + i].size(), roles[i].size());
    }
    EXPECT_TRUE(rows[11].startsWith(QStringLiteral("建议：")));
    EXPECT_TRUE(rows[12].startsWith(QStringLiteral("意见：")));
    for (int i = 14; i < 29; ++i)
        EXPECT_TRUE(rows[i].startsWith(QStringLiteral("感谢："))) << "row " << i;
    ExpectTopRowSelectedAndShown(rows[0]);
}

TEST_F(AboutWindow, OffersTheFiveContactEntriesShowingTheFirst)
{
    ASSERT_EQ(m_combo->count(), 5);
    EXPECT_EQ(m_combo->itemText(0), QStringLiteral("联系作者的方式　　　　　　　　→"));
    EXPECT_EQ(m_combo->itemText(2).left(2), QStringLiteral("　　"));
    EXPECT_EQ(m_combo->itemText(4).left(2), QStringLiteral("　　"));
    EXPECT_NE(m_combo->itemText(1).left(1), QStringLiteral("　"));
    EXPECT_NE(m_combo->itemText(3).left(1), QStringLiteral("　"));
    EXPECT_EQ(m_combo->currentIndex(), 0);
}

TEST_F(AboutWindow, RotatesUpOneLinePerSecondOnItsOwnTimer)
{
    const QStringList start = Rows();
    QTRY_COMPARE_WITH_TIMEOUT(m_list->item(0)->text(), start[1], 2500);
    QStringList expected = start.mid(1);
    expected << start[0];
    EXPECT_EQ(Rows(), expected);
    ExpectTopRowSelectedAndShown(start[1]);
}

TEST_F(AboutWindow, ComesBackToTheFirstLineAfterThirtyRotations)
{
    const QStringList start = Rows();
    for (int i = 1; i < 30; ++i) {
        Rotate();
        ExpectTopRowSelectedAndShown(start[i]);
    }
    Rotate();
    EXPECT_EQ(Rows(), start);
    ExpectTopRowSelectedAndShown(start[0]);
}

TEST_F(AboutWindow, KeysClicksAndTheWheelOnTheListChangeNothing)
{
    const QStringList start = Rows();
    QWidget* viewport = m_list->viewport();
    const QPoint row3 = m_list->visualItemRect(m_list->item(3)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, row3);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, row3);
    QTest::mousePress(viewport, Qt::LeftButton, {}, row3);
    QTest::mouseMove(viewport, row3 + QPoint(0, 60));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, row3 + QPoint(0, 60));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_PageDown, Qt::Key_A})
        QTest::keyClick(m_list, key);
    QWheelEvent wheel(QPointF(row3), QPointF(viewport->mapToGlobal(row3)), QPoint(), QPoint(0, -360), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_EQ(Rows(), start);
    ExpectTopRowSelectedAndShown(start[0]);
}

TEST_F(AboutWindow, ClicksAndTheWheelOnTheScrollBarChangeNothing)
{
    const QStringList start = Rows();
    QScrollBar* bar = m_list->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    const QPoint nearBottom(bar->width() / 2, bar->height() - 3);      // the arrow down
    const QPoint belowHandle(bar->width() / 2, bar->height() * 2 / 3); // a page down
    QSignalSpy moved(bar, &QScrollBar::valueChanged);
    for (const QPoint& at : {nearBottom, belowHandle}) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, at);
        QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
    }
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 20));
    QTest::mouseMove(bar, QPoint(bar->width() / 2, bar->height() - 10));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 10));
    QWheelEvent wheel(QPointF(belowHandle), QPointF(bar->mapToGlobal(belowHandle)), QPoint(), QPoint(0, -360),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
    EXPECT_EQ(moved.count(), 0) << "the scroll bar moved";
    EXPECT_EQ(Rows(), start);
    ExpectTopRowSelectedAndShown(start[0]);
}

TEST_F(AboutWindow, ProgramChangesOfSelectionOrScrollSnapBack)
{
    const QString top = m_list->item(0)->text();
    m_list->setCurrentRow(5);
    ExpectTopRowSelectedAndShown(top);
    m_list->scrollToBottom();
    ExpectTopRowSelectedAndShown(top);
    m_list->clearSelection();
    ExpectTopRowSelectedAndShown(top);
}

TEST_F(AboutWindow, TheListPassesTheFocusOnToTheContactBox)
{
    m_list->setFocus();
    EXPECT_FALSE(m_list->hasFocus());
    EXPECT_TRUE(m_combo->hasFocus());
    EXPECT_EQ(m_list->focusPolicy(), Qt::NoFocus);
}

TEST_F(AboutWindow, TheContactBoxAlwaysShowsItsFirstEntry)
{
    m_combo->setFocus();
    QTest::keyClick(m_combo, Qt::Key_Down);
    EXPECT_EQ(m_combo->currentIndex(), 0);
    m_combo->setCurrentIndex(2);
    EXPECT_EQ(m_combo->currentIndex(), 0);
    EXPECT_EQ(m_combo->currentText(), m_combo->itemText(0));

    // The player picks item 2 in the open drop-down list.
    m_combo->showPopup();
    QAbstractItemView* popup = m_combo->view();
    ASSERT_TRUE(popup->isVisible());
    const QPoint item2 = popup->visualRect(popup->model()->index(2, 0)).center();
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item2);
    QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), 20000);
    EXPECT_EQ(m_combo->currentIndex(), 0);
}

TEST_F(AboutWindow, UsesNoTimerBetweenTheRotations)
{
    // A 1 ms pinning timer would deliver about 2500 timer events here; only rotations may.
    struct TimerCounter : QObject {
        QWidget* dialog = nullptr;
        int ticks = 0;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Timer &&
                (watched == dialog || dialog->isAncestorOf(qobject_cast<QWidget*>(watched)) || watched->parent() == dialog))
                ++ticks;
            return false;
        }
    } counter;
    counter.dialog = &m_dlg;
    QElapsedTimer waited;
    waited.start();
    qApp->installEventFilter(&counter);
    QTest::qWait(2500);
    qApp->removeEventFilter(&counter);
    // One rotation a second, and a few more for the widgets' own single shots.
    EXPECT_LE(counter.ticks, waited.elapsed() / 1000 + 3) << "in " << waited.elapsed() << " ms";
}

TEST_F(AboutWindow, OkClosesTheWindow)
{
    QSignalSpy accepted(&m_dlg, &QDialog::accepted);
    QTest::mouseClick(m_ok, Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_FALSE(m_dlg.isVisible());
}

TEST_F(AboutWindow, EnterAndEscapeCloseTheWindowFromAnyFocus)
{
    for (QWidget* focus : {static_cast<QWidget*>(m_combo), static_cast<QWidget*>(m_ok)}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            m_dlg.show();
            m_dlg.activateWindow();
            focus->setFocus();
            QTest::keyClick(focus, key);
            EXPECT_FALSE(m_dlg.isVisible()) << "key " << key << " on " << focus->objectName().toStdString();
        }
    }
}

TEST(AboutWindowOpening, EveryOpeningStartsTheCreditsAtTheTop)
{
    QStringList firstRows;
    for (int opening = 0; opening < 2; ++opening) {
        frmAboutScreen dlg;
        auto* list = dlg.findChild<QListWidget*>(QStringLiteral("List1"));
        firstRows << list->item(0)->text();
        QMetaObject::invokeMethod(&dlg, "rotateCredits");
    }
    EXPECT_EQ(firstRows, QStringList({QStringLiteral("名称：岚川连连看"), QStringLiteral("名称：岚川连连看")}));
}

TEST(AboutWindowOpening, OpensModallyAndOkEndsExec)
{
    QWidget owner;
    owner.show();
    frmAboutScreen dlg(&owner);
    bool wasModal = false;
    QTimer::singleShot(0, &dlg, [&] {
        wasModal = QApplication::activeModalWidget() == &dlg;
        dlg.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_TRUE(wasModal);
}

TEST(AboutWindowOpening, OpenReturnsAtOnceModalToItsOwnerAndOkRemovesTheWindow)
{
    QWidget owner;
    owner.show();
    QPointer<frmAboutScreen> dlg = frmAboutScreen::Open(&owner);
    ASSERT_FALSE(dlg.isNull());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->windowModality(), Qt::WindowModal);
    EXPECT_EQ(QApplication::activeModalWidget(), dlg.data());
    dlg->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(dlg.isNull(), 5000);
}
