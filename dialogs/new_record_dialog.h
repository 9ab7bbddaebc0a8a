// The "新纪录" dialog: a result has entered its Difficulty's ten best; the player names it.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace llk::dialogs {

class NewRecordDialog final : public QDialog {
    Q_OBJECT

public:
    // `rank` is the result's place (1-10) in `difficulty`'s table; `name` is offered first.
    NewRecordDialog(QWidget* parent, int rank, int difficulty, int score, const QString& name);

    // The entered name, cleaned: trimmed, control characters removed. Valid whenever 确定 is enabled.
    QString name() const;
    QLineEdit* nameEdit() const { return m_edit; }
    QPushButton* okButton() const { return m_ok; }

private:
    void onNameEdited();

    QLineEdit* m_edit = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace llk::dialogs
