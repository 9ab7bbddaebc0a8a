#include "app/feedback.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace llk::app {

QString Shown(const QString& text) { return QCoreApplication::translate("Form1", text.toUtf8().constData()); }

void ShowGameMessage(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information, title, text,
                    QMessageBox::Ok, parent);
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ok->setText(Shown(OkButtonText));
    ok->setIcon(QIcon());
    box.exec();
}

void StandardFeedback::ShowMessage(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    ShowGameMessage(parent, title, text, icon);
}

} // namespace llk::app
