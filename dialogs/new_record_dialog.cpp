#include "dialogs/new_record_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/difficulty_names.h"
#include "records/name.h"

namespace llk::dialogs {
namespace {

// Room for sixteen characters outside the Basic Multilingual Plane; the dialog counts characters.
constexpr int EditMaxLength = 4 * records::MaxNameLength;

} // namespace

NewRecordDialog::NewRecordDialog(QWidget* parent, int rank, int difficulty, int score, const QString& name)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("NewRecordDialog"));
    setWindowTitle(QCoreApplication::translate("NewRecordDialog", "新纪录"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* message =
        new QLabel(QCoreApplication::translate("NewRecordDialog", "恭喜！本局 %1 分，名列%2排行榜第 %3 名。")
                       .arg(score)
                       .arg(DifficultyName(difficulty))
                       .arg(rank),
                   this);
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    layout->addWidget(message);
    auto* prompt = new QLabel(
        QCoreApplication::translate("NewRecordDialog", "请输入你的名字（1 到 %1 个字）：").arg(records::MaxNameLength), this);
    prompt->setTextFormat(Qt::PlainText);
    layout->addWidget(prompt);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Name"));
    m_edit->setMaxLength(EditMaxLength);
    m_edit->setText(name);
    m_edit->selectAll();
    layout->addWidget(m_edit);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QCoreApplication::translate("NewRecordDialog", "确定"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("Ok"));
    m_ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QCoreApplication::translate("NewRecordDialog", "取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_ok->isEnabled())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_edit, &QLineEdit::textChanged, this, &NewRecordDialog::onNameEdited);
    onNameEdited();
}

QString NewRecordDialog::name() const
{
    return QString::fromStdString(records::CleanName(m_edit->text().toStdString()));
}

void NewRecordDialog::onNameEdited() { m_ok->setEnabled(records::IsValidName(name().toStdString())); }

} // namespace llk::dialogs
