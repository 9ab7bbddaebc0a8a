// The about window: name, version and credits rotating once a second, and the contact box.
#pragma once

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;
class QTimer;

// Opened modally from the Help menu; every new window starts the credits at the top.
class frmAboutScreen : public QDialog {
    Q_OBJECT

public:
    explicit frmAboutScreen(QWidget* parent = nullptr);

    // Opens a new about window modal to `parent` and returns at once, so the caller's handler
    // ends and the parent's timers tick on; the window deletes itself when closed.
    static frmAboutScreen* Open(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void rotateCredits();
    void pinCredits();
    void pinContact();

private:
    void buildControls();

    QListWidget* m_list1;
    QComboBox* m_combo1;
    QPushButton* m_cmdOk;
    QTimer* m_timer1;
};
