// Form1, the main window: its controls, menus, timers and the engine's host.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/feedback.h"
#include "app/menu_bar.h"
#include "app/records_store.h"
#include "app/settings.h"
#include "board/game.h"

class QLabel;

namespace llk::app {

class ClientArea;
class FocusFrame;
class ShapeControl;
class SpriteLayer;

// The texts as written; the window shows them through QCoreApplication::translate("Form1", …).
inline const QString ResolutionRefusal = QStringLiteral(QT_TRANSLATE_NOOP("Form1", "请使用 1024 * 768 以上分辨率！"));
inline const QString ResolutionRefusalTitle = QStringLiteral(QT_TRANSLATE_NOOP("Form1", "分辨率错误"));
inline const QString BackgroundRefusal =
    QStringLiteral(QT_TRANSLATE_NOOP("Form1", "程序背景图片文件损坏，请重新下载！"));
inline const QString BackgroundRefusalTitle = QStringLiteral(QT_TRANSLATE_NOOP("Form1", "图片错误"));

constexpr int ClientWidthPixels = 994;
constexpr int ClientHeightPixels = 656;
constexpr int RemovalTickMs = 100;
constexpr int CountdownTickMs = 1000;

class Form1 final : public QMainWindow, private Host {
    Q_OBJECT

public:
    // The Cell of the keyboard's focus frame, 0 while it is hidden.
    int FrameCell() const;

    // Messages and sounds go to `feedback` (the standard boxes and speakers when null).
    explicit Form1(Feedback* feedback = nullptr);
    ~Form1() override;

    // The window load: refuses a small screen or a Background folder without a picture (message,
    // then false: the caller ends the program), else loads the sounds, the background entries and
    // the themed submenus and rewrites the long captions. `appFolder` ends with a slash.
    bool Load(const QString& appFolder);
    // Shows the window centred on its screen.
    void ShowCentred();

    Game& game() { return m_game; }
    int CurrentBackground() const { return m_currentBackground; }

    // Fills a themed submenu: member 0 becomes Easy, members 1-4 are created after it.
    void LoadMenu(QMenu* entry);
    // Rewrites the three status texts of the header from the counters.
    void showtoolTipText();

private:
    void ShowMessage(std::string_view text, Icon icon) override;
    void PlaySound(Sound sound) override;
    void TimerSwitched(TimerId timer, bool on) override;
    void GameEnded(GamePhase outcome) override;
    void TileMoved(int from, int to) override;

    void SetProgramIcon();
    void BuildControls();
    void ConnectMenus();
    void ConnectDifficultyItem(QAction* item);
    void ConnectLanguageItems();
    void LoadThemeMenus(); // LoadMenu for each Theme that has an array of items
    void AddBackgroundEntries(const QStringList& files);
    void RewriteMenuCaptions(const QList<QAction*>& actions);
    void ChooseBackground(QAction* entry, bool reportFailure = true);
    // The remembered switches and background, the leaderboard and the first screen's hint
    // (main_window_records.cpp).
    void BuildFirstScreenHint();
    void ConnectRecords();
    void ApplySettings();
    void RememberSettings();
    // A finished game with a score: asks for a name when it enters its Difficulty's ten.
    void RecordResult(GamePhase outcome);
    void EnterResult(records::Record result, int rank);
    void SaveResult(const records::Record& result);
    // The leaderboard as the file holds it now, from the menu.
    void OpenLeaderboard();
    // The leaderboard as a save just wrote it, with the new result marked.
    void OpenLeaderboard(const std::vector<records::Record>& records, const QString& notice,
                         const std::optional<records::Record>& newest);
    // Runs one tick, click or command unless another is still running, then shows the new state.
    void RunHandler(const std::function<void()>& handler);
    void SyncControls();
    // The keyboard's focus frame (main_window_keys.cpp): an arrow moves it, Return presses its
    // tile; after every handler it follows its tile and hides while it cannot be used.
    void onBoardKey(int key);
    void UpdateFrame();
    void ShowFrameAt(int cell);
    // The music plays while a game runs unpaused and the 音乐开关 carries its check mark.
    void UpdateMusic();
    // Stops the music and takes it back to its start, for the next game.
    void StopMusic();

    Game m_game;
    std::unique_ptr<Feedback> m_ownFeedback;
    Feedback* m_feedback;
    QString m_appFolder;
    bool m_handlerRunning = false;
    bool m_musicPlaying = false;
    bool m_musicOn = true; // mnmusic: the music is the window's alone

    MenuBarItems m_menus;
    QList<QAction*> m_backgroundEntries; // member i at position i; member 0 the template
    int m_currentBackground = 0;

    QTimer m_timer1;
    QTimer m_timer2;

    ClientArea* m_board = nullptr;
    SpriteLayer* m_sprites = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label5 = nullptr;
    QLabel* m_label6 = nullptr;
    ShapeControl* m_shape1 = nullptr;
    ShapeControl* m_shape2 = nullptr;
    ShapeControl* m_shape3 = nullptr;
    QLabel* m_text1 = nullptr;
    QLabel* m_firstScreenHint = nullptr; // until the first game starts
    FocusFrame* m_frame = nullptr;       // made at the first arrow key

    int m_frameCell = 0;        // the Cell the frame is on, 0 before the first arrow key
    bool m_frameWanted = false; // shown by a key, not yet hidden by a mouse press or a game's end
    bool m_frameToHint = false; // the next arrow key goes to the first hinted tile
    int m_frameLevel = 0;       // the level the frame was placed on, to see a new deal

    Settings m_settings{Settings::StandardPath()};
    RecordsStore m_records{RecordsStore::StandardFolder()};
};

} // namespace llk::app
