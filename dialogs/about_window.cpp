// The about window. The credits list is a display only: the player's input never reaches it,
// and every change of its selection or scroll position is put back at once, so between the
// once-a-second rotations the window does no work at all.
#include "dialogs/about_window.h"

#include "dialogs/about_texts.h"
#include "dialogs/window_placement.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace {

constexpr QSize ClientSize(305, 171);
constexpr QRect CreditsRect(0, 0, 305, 140);
constexpr QRect ContactRect(8, 144, 217, 25);
constexpr QRect OkRect(232, 144, 73, 25);
constexpr int RotationMs = 1000;
constexpr int FontPoints = 9;
const QColor CreditsBackground(0x17, 0x76, 0xDF);
const QColor CreditsHighlight(0x00, 0x00, 0x80);

bool IsInputEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    default: return false;
    }
}

} // namespace

frmAboutScreen::frmAboutScreen(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_list1(new QListWidget(this)),
      m_combo1(new QComboBox(this)),
      m_cmdOk(new QPushButton(QCoreApplication::translate("frmAboutScreen", "确定(&O)"), this)),
      m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmAboutScreen"));
    setWindowTitle(QCoreApplication::translate("frmAboutScreen", "关于"));
    setFixedSize(ClientSize);

    // Verdana where it is installed; otherwise the font matcher picks a sans face of the same role.
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(FontPoints);
    setFont(font);

    buildControls();

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(RotationMs);
    connect(m_timer1, &QTimer::timeout, this, &frmAboutScreen::rotateCredits);
    m_timer1->start();
}

frmAboutScreen* frmAboutScreen::Open(QWidget* parent)
{
    auto* window = new frmAboutScreen(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
    return window;
}

void frmAboutScreen::buildControls()
{
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(CreditsRect);
    QPalette palette = m_list1->palette();
    palette.setColor(QPalette::Base, CreditsBackground);
    palette.setColor(QPalette::Text, Qt::white);
    // The moving top row stays marked in navy, visible against the blue in any window state.
    palette.setColor(QPalette::Highlight, CreditsHighlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    m_list1->setPalette(palette);
    // Focus, input and scrolling are all refused, so nothing but the rotation moves the list.
    m_list1->setFocusPolicy(Qt::NoFocus);
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The separator lines run past the right edge and are cut there, without an ellipsis.
    m_list1->setTextElideMode(Qt::ElideNone);
    // Thirty rows overflow the list, so it shows its vertical scroll bar; the bar only shows.
    m_list1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list1->viewport()->setAttribute(Qt::WA_Hover, false);
    m_list1->installEventFilter(this);
    m_list1->viewport()->installEventFilter(this);
    m_list1->verticalScrollBar()->installEventFilter(this);
    m_list1->addItems(llk::dialogs::CreditLines());
    m_list1->setCurrentRow(0);
    connect(m_list1, &QListWidget::currentRowChanged, this, &frmAboutScreen::pinCredits);
    connect(m_list1, &QListWidget::itemSelectionChanged, this, &frmAboutScreen::pinCredits);
    connect(m_list1->verticalScrollBar(), &QScrollBar::valueChanged, this, &frmAboutScreen::pinCredits);
    connect(m_list1->horizontalScrollBar(), &QScrollBar::valueChanged, this, &frmAboutScreen::pinCredits);

    // The player may open the contact box and read its entries, but it always shows item 0.
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(ContactRect);
    m_combo1->addItems(llk::dialogs::ContactEntries());
    m_combo1->setCurrentIndex(0);
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &frmAboutScreen::pinContact);

    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdOk->setGeometry(OkRect);
    m_cmdOk->setDefault(true);
    connect(m_cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    m_cmdOk->setFocus();
}

void frmAboutScreen::showEvent(QShowEvent* event)
{
    // The about window opens in the middle of the screen, not over the window that opened it.
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        llk::dialogs::CentreWindow(*this, screen->availableGeometry());
    QDialog::showEvent(event);
}

bool frmAboutScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list1 && watched != m_list1->viewport() && watched != m_list1->verticalScrollBar())
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        m_combo1->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (IsInputEvent(event->type())) {
        event->accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAboutScreen::rotateCredits()
{
    if (m_list1->count() == 0)
        return;
    m_list1->addItem(m_list1->takeItem(0));
    pinCredits();
}

void frmAboutScreen::pinCredits()
{
    // Pinning triggers the very signals it listens to; the checks end that echo after one round.
    if (m_list1->currentRow() != 0 || !m_list1->item(0)->isSelected())
        m_list1->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    if (m_list1->verticalScrollBar()->value() != 0)
        m_list1->verticalScrollBar()->setValue(0);
    if (m_list1->horizontalScrollBar()->value() != 0)
        m_list1->horizontalScrollBar()->setValue(0);
}

void frmAboutScreen::pinContact()
{
    if (m_combo1->currentIndex() != 0)
        m_combo1->setCurrentIndex(0);
}
