// The real Form1 on a temporary program folder, with messages and sounds routed to a recorder.
#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "app/client_area.h"
#include "app/main_window.h"
#include "board/board.h"
#include "rules/game_setup.h"
#include "rules/pair_search.h"

namespace llk::test {

struct RecordedMessage {
    QString title;
    QString text;
    Icon icon;
    QWidget* parent; // the window the box shows over
};

class RecordingFeedback final : public app::Feedback {
public:
    void ShowMessage(QWidget* parent, const QString& title, const QString& text, Icon icon) override
    {
        messages.push_back({title, text, icon, parent});
        // A copy runs, so the hook may replace itself.
        if (const std::function<void()> hook = onMessage)
            hook();
    }
    void LoadSounds() override { soundsLoaded = true; }
    void PrepareSounds() override { ++soundsPrepared; }
    void PlaySound(Sound sound) override { sounds.push_back(sound); }
    void SetMusicPlaying(bool on) override
    {
        music.push_back(on ? MusicEvent::Play : MusicEvent::Pause);
        musicPlaying = on;
    }
    void StopMusic() override
    {
        music.push_back(MusicEvent::Stop);
        musicPlaying = false;
    }

    std::vector<RecordedMessage> messages;
    std::vector<Sound> sounds;
    enum class MusicEvent { Play, Pause, Stop };
    std::vector<MusicEvent> music;
    bool musicPlaying = false;
    bool soundsLoaded = false;
    int soundsPrepared = 0;          // how often
    std::function<void()> onMessage; // runs while the "box" is open
};

// Points the standard configuration and data folders into `folder`, so what one test remembers
// (settings, results) no other test sees.
inline void UseOwnHome(const QString& folder)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder + QStringLiteral("/data")));
}

inline void WritePicture(const QString& path, QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(path, "JPG"));
}

// Lets the real timers run until `done` holds or `ms` have passed; the ceiling is generous, so a
// busy machine only makes a test slower.
inline bool WaitFor(const std::function<bool()>& done, int ms = 20000)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(10);
    return done();
}

class FormTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("Background")));
        UseOwnHome(m_folder.path());
        PrepareBackgrounds(background());
        form = std::make_unique<app::Form1>(RealOutput() ? nullptr : &feedback);
        ASSERT_TRUE(form->Load(folder()));
        form->ShowCentred();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        OpenGameMenu(); // builds the Themes' submenus, as a player's first look at it does
    }

    // Whether the window shows real message boxes and plays real sounds instead of recording them.
    virtual bool RealOutput() const { return false; }

    // What the Game menu does when it is about to show, short of showing.
    void OpenGameMenu() { QMetaObject::invokeMethod(Control<QMenu>("mngame"), "aboutToShow"); }

    virtual void PrepareBackgrounds(const QDir& dir)
    {
        WritePicture(dir.filePath(QStringLiteral("sky.jpg")), {1024, 768}, Qt::darkCyan);
    }

    QString folder() const { return m_folder.path() + QLatin1Char('/'); }
    QDir background() const { return QDir(m_folder.filePath(QStringLiteral("Background"))); }
    Game& game() { return form->game(); }

    template <typename T = QWidget> T* Control(const char* name) const
    {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QAction* Item(const char* name, int index = 0) const
    {
        for (QAction* action : form->findChildren<QAction*>(QString::fromLatin1(name)))
            if (action->property(app::IndexProperty).toInt() == index)
                return action;
        ADD_FAILURE() << "no menu item " << name << "(" << index << ")";
        return nullptr;
    }

    app::SpriteLayer* Sprites() const { return Control<app::SpriteLayer>("Image1"); }

    // The centre of a Cell's rectangle on the sprite layer.
    QPoint CellCentre(int row, int col)
    {
        const int left = (col - 1) * game().screen.CellWidth + game().screen.SpriteOriginX;
        const int top = (row - 1) * game().screen.CellHeight + game().screen.SpriteOriginY;
        return {app::ToPixels(left + game().screen.CellWidth / 2), app::ToPixels(top + game().screen.CellHeight / 2)};
    }

    void ClickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(Sprites(), button, {}, CellCentre(row, col));
    }

    // Replaces the running game's tiles, rows written as in board_builder ('.' empty, digits
    // kinds) from the top; the rows below those given are empty.
    void PlaceBoard(std::initializer_list<std::string_view> rows)
    {
        ASSERT_LE(static_cast<int>(rows.size()), game().board.RowCount);
        std::vector<int> cells{0};
        for (const std::string_view row : rows) {
            ASSERT_EQ(static_cast<int>(row.size()), game().board.ColCount) << row;
            for (const char c : row)
                cells.push_back(c == '.' ? EmptyCell : c - '0');
        }
        cells.resize(static_cast<std::size_t>(game().board.RowCount * game().board.ColCount) + 1, EmptyCell);
        LoadBoard(game(), cells);
    }

    RecordingFeedback feedback;
    std::unique_ptr<app::Form1> form;

private:
    QTemporaryDir m_folder;
};

} // namespace llk::test
