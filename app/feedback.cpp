#include "app/feedback.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace llk::app {

void ShowGameMessage(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information, title, text,
                    QMessageBox::Ok, parent);
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ok->setText(OkButtonText);
    ok->setIcon(QIcon());
    box.exec();
}

void StandardFeedback::ShowMessage(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    ShowGameMessage(parent, title, text, icon);
}

} // namespace llk::app
