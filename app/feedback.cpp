#include "app/feedback.h"

#include <QMessageBox>

namespace llk::app {

void StandardFeedback::ShowMessage(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information, title, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace llk::app
