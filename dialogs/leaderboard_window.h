// The leaderboard window: one tab per Difficulty with its ten best results.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "records/record.h"

class QLabel;
class QTabWidget;
class QTableWidget;

namespace llk::dialogs {

// The date a result ended as the table shows it, in the player's local time.
QString ShownDate(const std::string& ended);

class LeaderboardWindow final : public QDialog {
    Q_OBJECT

public:
    // `records` as read, in any order; `themeNames` gives each ThemeIndex its name; `notice` is a
    // line about the file shown above the tabs (none when empty). `newest`, a result just entered,
    // is highlighted and its tab shown; otherwise the tab of `difficulty`.
    LeaderboardWindow(QWidget* parent, const std::vector<records::Record>& records, const QStringList& themeNames,
                      const QString& notice, int difficulty, const std::optional<records::Record>& newest = std::nullopt);

    QTabWidget* tabs() const { return m_tabs; }
    QTableWidget* table(int difficulty) const;
    QLabel* notice() const { return m_notice; }
    // The highlighted row of `difficulty`'s table, or -1.
    int highlightedRow(int difficulty) const;

private:
    QTableWidget* MakeTable(const std::vector<records::Record>& table, const QStringList& themeNames,
                            const std::optional<records::Record>& newest, int& highlighted);

    QTabWidget* m_tabs = nullptr;
    QLabel* m_notice = nullptr;
    std::vector<QTableWidget*> m_tables;
    std::vector<int> m_highlighted;
};

} // namespace llk::dialogs
