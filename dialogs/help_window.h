// The help window: Help.txt (or the built-in help) in a read-only, scrolling text box.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

// Opened modally from the Help menu; every new window reads Help.txt afresh.
class frmHelp : public QDialog {
    Q_OBJECT

public:
    // `folder` is where Help.txt is looked for; empty means the program's own folder.
    explicit frmHelp(QWidget* parent = nullptr, const QString& folder = QString());

    // Opens a new help window modal to `parent` and returns at once, so the caller's handler
    // ends and the parent's timers tick on; the window deletes itself when closed.
    static frmHelp* Open(QWidget* parent, const QString& folder = QString());

    // The shown text with its CR LF line ends.
    const QString& text() const { return m_text; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* m_text1;
    QString m_text;
};
