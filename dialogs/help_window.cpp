// The help window: a fixed dialog exactly the size of its text box.
#include "dialogs/help_window.h"

#include "dialogs/help_text.h"
#include "dialogs/window_placement.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

constexpr QSize ClientSize(305, 209);

} // namespace

frmHelp::frmHelp(QWidget* parent, const QString& folder)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_text1(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QCoreApplication::translate("frmHelp", "游戏帮助"));
    setFixedSize(ClientSize);

    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(QRect(QPoint(0, 0), ClientSize));
    m_text1->setReadOnly(true);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    m_text = llk::dialogs::HelpText(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder);
    m_text1->setPlainText(llk::dialogs::TextForDisplay(m_text));
    m_text1->installEventFilter(this); // Return closes the window, as Esc does
}

bool frmHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

frmHelp* frmHelp::Open(QWidget* parent, const QString& folder)
{
    auto* window = new frmHelp(parent, folder);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
    return window;
}

void frmHelp::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget())
        llk::dialogs::CentreWindow(*this, owner->window()->frameGeometry());
    else if (const QScreen* screen = this->screen())
        llk::dialogs::CentreWindow(*this, screen->availableGeometry());
    QDialog::showEvent(event);
}
