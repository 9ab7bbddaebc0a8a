#include "dialogs/leaderboard_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "dialogs/difficulty_names.h"
#include "dialogs/engine_texts.h"
#include "records/leaderboard.h"
#include "rules/commands.h"

namespace llk::dialogs {
namespace {

const std::array<const char*, 6> ColumnTitles{
    QT_TRANSLATE_NOOP("LeaderboardWindow", "名次"), QT_TRANSLATE_NOOP("LeaderboardWindow", "名字"),
    QT_TRANSLATE_NOOP("LeaderboardWindow", "分数"), QT_TRANSLATE_NOOP("LeaderboardWindow", "关卡"),
    QT_TRANSLATE_NOOP("LeaderboardWindow", "主题"), QT_TRANSLATE_NOOP("LeaderboardWindow", "日期")};
enum Column { RankColumn, NameColumn, ScoreColumn, LevelColumn, ThemeColumn, DateColumn };

const QColor NewestBackground(0xFF, 0xF0, 0xA0);

bool SameResult(const records::Record& a, const records::Record& b)
{
    return a.difficulty == b.difficulty && a.score == b.score && a.ended == b.ended && a.name == b.name;
}

QString LongestOf(const QStringList& texts)
{
    QString longest;
    for (const QString& text : texts)
        if (text.size() > longest.size())
            longest = text;
    return longest;
}

QTableWidgetItem* Item(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    // Table items show their text as it is: a name is never read as markup.
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

QString ShownDate(const std::string& ended)
{
    const QDateTime when = QDateTime::fromString(QString::fromStdString(ended), Qt::ISODate);
    return when.isValid() ? when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

LeaderboardWindow::LeaderboardWindow(QWidget* parent, const std::vector<records::Record>& records,
                                     const QStringList& themeNames, const QString& notice, int difficulty,
                                     const std::optional<records::Record>& newest)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("LeaderboardWindow"));
    setWindowTitle(QCoreApplication::translate("LeaderboardWindow", "排行榜"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_notice = new QLabel(notice, this);
    m_notice->setObjectName(QStringLiteral("Notice"));
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setVisible(!notice.isEmpty());
    QPalette palette = m_notice->palette();
    palette.setColor(QPalette::WindowText, QColor(0xA0, 0x20, 0x20));
    m_notice->setPalette(palette);
    layout->addWidget(m_notice);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("Tabs"));
    const records::Leaderboard board(records);
    for (int d = 0; d < records::DifficultyCount; ++d) {
        int highlighted = -1;
        QTableWidget* table = MakeTable(board.Table(d), themeNames, newest, highlighted);
        m_tables.push_back(table);
        m_highlighted.push_back(highlighted);
        m_tabs->addTab(table, DifficultyName(d));
    }
    // All tabs alike: the widest and tallest table sets the size, its last column takes the rest.
    QSize largest;
    for (QTableWidget* table : m_tables)
        largest = largest.expandedTo(table->minimumSize());
    for (QTableWidget* table : m_tables)
        table->setFixedSize(largest);
    layout->addWidget(m_tabs);
    const int shown = newest ? newest->difficulty : difficulty;
    if (shown >= 0 && shown < records::DifficultyCount)
        m_tabs->setCurrentIndex(shown);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close =
        buttons->addButton(QCoreApplication::translate("LeaderboardWindow", "关闭"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("Close"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QTableWidget* LeaderboardWindow::table(int difficulty) const
{
    return m_tables.at(static_cast<std::size_t>(difficulty));
}

int LeaderboardWindow::highlightedRow(int difficulty) const
{
    return m_highlighted.at(static_cast<std::size_t>(difficulty));
}

QTableWidget* LeaderboardWindow::MakeTable(const std::vector<records::Record>& table, const QStringList& themeNames,
                                           const std::optional<records::Record>& newest, int& highlighted)
{
    auto* widget = new QTableWidget(static_cast<int>(table.size()), static_cast<int>(ColumnTitles.size()), this);
    QStringList titles;
    for (const char* title : ColumnTitles)
        titles.append(QCoreApplication::translate("LeaderboardWindow", title));
    widget->setHorizontalHeaderLabels(titles);
    widget->verticalHeader()->hide();
    widget->setSelectionMode(QAbstractItemView::NoSelection);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setWordWrap(false);
    widget->setTextElideMode(Qt::ElideNone);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < static_cast<int>(table.size()); ++row) {
        const records::Record& record = table[static_cast<std::size_t>(row)];
        widget->setItem(row, RankColumn, Item(QString::number(row + 1), right));
        widget->setItem(row, NameColumn, Item(QString::fromStdString(record.name)));
        widget->setItem(row, ScoreColumn, Item(QString::number(record.score), right));
        widget->setItem(row, LevelColumn, Item(ShownText(Levelstr(record.level))));
        widget->setItem(row, ThemeColumn, Item(themeNames.value(record.theme)));
        widget->setItem(row, DateColumn, Item(ShownDate(record.ended)));
        if (newest && SameResult(record, *newest) && highlighted < 0) {
            highlighted = row;
            for (int column = 0; column < widget->columnCount(); ++column) {
                QTableWidgetItem* item = widget->item(row, column);
                item->setBackground(NewestBackground);
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
        }
    }
    // Every text shows in full: the columns fit their contents, or a typical full table's, and
    // the table fits ten rows.
    widget->resizeColumnsToContents();
    const QFontMetrics metrics = widget->fontMetrics();
    const int padding = metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
    const std::array<QString, 6> typical{QStringLiteral("10"),      QStringLiteral("一二三四五六七八"),
                                         QStringLiteral("9999999"), ShownText(Levelstr(11)),
                                         LongestOf(themeNames),     ShownDate("2026-12-08T19:30:00+08:00")};
    for (int column = 0; column < widget->columnCount(); ++column) {
        const int least = metrics.horizontalAdvance(typical[static_cast<std::size_t>(column)]);
        widget->setColumnWidth(column, std::max(widget->columnWidth(column), least) + padding);
    }
    widget->resizeRowsToContents();
    widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget->horizontalHeader()->setStretchLastSection(true);
    const int rowHeight = widget->verticalHeader()->defaultSectionSize();
    int width = 2 * widget->frameWidth();
    for (int column = 0; column < widget->columnCount(); ++column)
        width += widget->columnWidth(column);
    int height = 2 * widget->frameWidth() + widget->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < widget->rowCount(); ++row)
        height += widget->rowHeight(row);
    height += (records::PlacesPerDifficulty - widget->rowCount()) * rowHeight;
    widget->setMinimumSize(width, height);
    return widget;
}

} // namespace llk::dialogs
