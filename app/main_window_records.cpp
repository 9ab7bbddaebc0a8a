// Form1's memory between runs: the remembered Settings switches and background, the leaderboard
// with its new-record dialog, and the hint on the first screen.
#include "app/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>

#include "app/client_area.h"
#include "app/game_start.h"
#include "app/look.h"
#include "records/leaderboard.h"
#include "records/record.h"
#include "rules/commands.h"

#include "dialogs/leaderboard_window.h"
#include "dialogs/new_record_dialog.h"

namespace llk::app {
namespace {

const char* const FirstScreenHintText = QT_TRANSLATE_NOOP("Form1", "从「游戏」菜单选择主题与难度，开始游戏");
const QColor HintYellow(0xFF, 0xFF, 0x00);
const QColor HintBand(0, 0, 0, 150);
constexpr int HintBandHeight = 44;
constexpr int HintPixelSize = 18;
constexpr int HeaderHeight = 41; // Shape5, 615 twips

// A Theme's name as its menu entry shows it, without the access key and the picture count.
QString ThemeName(int theme)
{
    const QString caption = ThemeCaption(theme);
    return caption.left(caption.indexOf(u'('));
}

QStringList ThemeNames()
{
    QStringList names;
    for (int theme = 0; theme < ThemeCount; ++theme)
        names.append(ThemeName(theme));
    return names;
}

} // namespace

void Form1::BuildFirstScreenHint()
{
    m_firstScreenHint = new QLabel(QCoreApplication::translate("Form1", FirstScreenHintText), m_board);
    m_firstScreenHint->setObjectName(QStringLiteral("FirstScreenHint"));
    m_firstScreenHint->setTextFormat(Qt::PlainText);
    m_firstScreenHint->setAlignment(Qt::AlignCenter);
    m_firstScreenHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = ProgramFont();
    font.setPixelSize(HintPixelSize);
    m_firstScreenHint->setFont(font);
    QPalette palette = m_firstScreenHint->palette();
    palette.setColor(QPalette::WindowText, HintYellow);
    palette.setColor(QPalette::Window, HintBand);
    m_firstScreenHint->setPalette(palette);
    m_firstScreenHint->setAutoFillBackground(true);
    // Centred in the board area below the header, under the pause picture should that show first.
    const int top = HeaderHeight + (ClientHeightPixels - HeaderHeight - HintBandHeight) / 2;
    m_firstScreenHint->setGeometry(0, top, ClientWidthPixels, HintBandHeight);
    m_firstScreenHint->stackUnder(m_sprites);
}

void Form1::ConnectRecords()
{
    connect(m_menus.records, &QAction::triggered, this, [this] { OpenLeaderboard(); });
    // After the switches' own handlers, which were connected first.
    connect(m_menus.music, &QAction::triggered, this, &Form1::RememberSettings);
    connect(m_menus.soundEffects, &QAction::triggered, this, &Form1::RememberSettings);
    ConnectLanguageItems();
}

void Form1::ConnectLanguageItems()
{
    const LanguageChoice remembered = m_settings.Load().language;
    for (QAction* item : m_menus.languages) {
        const auto choice = static_cast<LanguageChoice>(item->property(IndexProperty).toInt());
        item->setChecked(choice == remembered);
        connect(item, &QAction::triggered, this, [this, choice] {
            if (m_settings.Load().language == choice)
                return;
            m_settings.SetLanguage(choice);
            // The menus, captions and status texts are built in one language at window load.
            m_feedback->ShowMessage(this, Shown(WindowCaption),
                                    QCoreApplication::translate("Form1", "下次启动游戏时改用所选的语言。"),
                                    Icon::Information);
        });
    }
}

void Form1::ApplySettings()
{
    const RememberedSettings remembered = m_settings.Load();
    m_musicOn = remembered.music;
    SetSoundEffects(m_game, remembered.soundEffects);
    for (QAction* entry : m_backgroundEntries) {
        if (entry == m_menus.backgroundTemplate)
            continue;
        if (!remembered.background.isEmpty() && entry->data().toString() == remembered.background)
            ChooseBackground(entry, false); // a picture that no longer loads leaves the built-in one
        connect(entry, &QAction::triggered, this, &Form1::RememberSettings);
    }
    SyncControls();
}

void Form1::RememberSettings()
{
    const RememberedSettings remembered = m_settings.Load();
    if (remembered.music != m_musicOn)
        m_settings.SetMusic(m_musicOn);
    if (remembered.soundEffects != m_game.switches.SoundEffects)
        m_settings.SetSoundEffects(m_game.switches.SoundEffects);
    const QString background = m_backgroundEntries.value(m_currentBackground)->data().toString();
    if (m_currentBackground > 0 && remembered.background != background)
        m_settings.SetBackground(background);
}

void Form1::RecordResult(GamePhase outcome)
{
    // To the second, as the file keeps it.
    QDateTime now = QDateTime::currentDateTime();
    now = now.addMSecs(-now.time().msec());
    std::optional<records::Record> result = records::ResultOfGame(m_game, outcome, EndedText(now), EndedMs(now));
    if (!result)
        return;
    const LoadedRecords loaded = m_records.Load();
    if (const QString reason = NotSavedText(loaded.state); !reason.isEmpty()) {
        m_feedback->ShowMessage(this, Shown(WindowCaption), reason, Icon::Error);
        return;
    }
    const int rank = records::Leaderboard(loaded.records).RankOf(*result);
    if (rank > 0)
        EnterResult(std::move(*result), rank);
}

void Form1::EnterResult(records::Record result, int rank)
{
    QString name = m_settings.Load().lastName;
    if (name.isEmpty())
        name = LoginName();
    auto* dialog = new dialogs::NewRecordDialog(this, rank, result.difficulty, result.score, name);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, result]() mutable {
        result.name = dialog->name().toStdString();
        SaveResult(result);
    });
    // Without a nested event loop: the engine's handler that ended the game returns at once.
    dialog->open();
}

void Form1::SaveResult(const records::Record& result)
{
    m_settings.SetLastName(QString::fromStdString(result.name));
    const SavedRecord saved = m_records.Add(result);
    if (!saved.error.isEmpty()) {
        m_feedback->ShowMessage(this, Shown(WindowCaption), saved.error, Icon::Error);
        return;
    }
    if (!saved.keptAside.isEmpty())
        m_feedback->ShowMessage(
            this, Shown(WindowCaption),
            QCoreApplication::translate("Form1", "排行榜文件已损坏，原文件已另存为“%1”。").arg(saved.keptAside),
            Icon::Information);
    if (saved.rank > 0)
        OpenLeaderboard(saved.records, QString(), result);
}

void Form1::OpenLeaderboard()
{
    const LoadedRecords loaded = m_records.Load();
    OpenLeaderboard(loaded.records, loaded.notice, std::nullopt);
}

void Form1::OpenLeaderboard(const std::vector<records::Record>& records, const QString& notice,
                            const std::optional<records::Record>& newest)
{
    auto* window = new dialogs::LeaderboardWindow(this, records, ThemeNames(), notice, m_game.board.DifficultyIndex, newest);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Window-modal without a nested event loop: the countdown goes on ticking.
    window->open();
}

} // namespace llk::app
