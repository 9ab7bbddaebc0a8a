#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "app/backgrounds.h"
#include "app/board_accessible.h"
#include "app/client_area.h"
#include "app/keyboard_frame.h"
#include "app/look.h"
#include "assets/artwork.h"
#include "assets/tiles/tile_images.h"
#include "rules/commands.h"

#include "dialogs/about_window.h"
#include "dialogs/difficulty_names.h"
#include "dialogs/engine_texts.h"
#include "dialogs/help_window.h"

namespace llk::app {
namespace {

constexpr int MinimumScreenWidth = 1024;
constexpr int MinimumScreenHeight = 768;
constexpr int MarkerOutlinePixels = 4;
const QColor StatusYellow(0xFF, 0xFF, 0x00);

QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(ToPixels(left), ToPixels(top), qRound(width / double(TwipsPerPixel)),
                 qRound(height / double(TwipsPerPixel)));
}

QLabel* MakeLabel(const char* name, const QColor& colour, const QFont& font, QPoint at, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setFont(font);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->move(at);
    return label;
}

// The window's own icon, in the sizes a title bar, a task bar and a window switcher show. The
// desktop entry's icon theme carries the larger ones; an X server is sent every size a window
// icon holds as it maps the window, and the 256-pixel one alone is a quarter of a megabyte.
constexpr int LargestWindowIcon = 128;

QIcon ProgramIcon(const QList<QImage>& images)
{
    QIcon icon;
    for (const QImage& image : images) {
        if (image.width() <= LargestWindowIcon)
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

void PlaceMarker(ShapeControl* shape, const Marker& marker)
{
    const QRect area = TwipsRect(marker.left, marker.top, marker.width, marker.height);
    if (shape->geometry() != area)
        shape->setGeometry(area);
    if (shape->isHidden() == marker.visible)
        shape->setVisible(marker.visible);
}

// Labels size themselves to their text, as the header's status texts do.
void SetLabelText(QLabel* label, const QString& text, bool sizeToText = true)
{
    if (label->text() == text)
        return;
    label->setText(text);
    if (sizeToText)
        label->adjustSize();
}

void SetChecked(QAction* item, bool checked)
{
    if (item->isChecked() != checked)
        item->setChecked(checked);
}

} // namespace

Form1::Form1(Feedback* feedback)
    : m_ownFeedback(feedback ? nullptr : std::make_unique<StandardFeedback>()),
      m_feedback(feedback ? feedback : m_ownFeedback.get())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Shown(WindowCaption));
    m_game.host = this;
    InstallBoardAccessibility();
    SetProgramIcon();

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(RemovalTickMs);
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer2.setInterval(CountdownTickMs);
    m_timer1.setParent(this);
    m_timer2.setParent(this);
    connect(&m_timer1, &QTimer::timeout, this, [this] {
        RunHandler([this] {
            if (m_game.switches.Timer1On)
                RemovalStep(m_game);
        });
    });
    connect(&m_timer2, &QTimer::timeout, this, [this] {
        RunHandler([this] {
            if (m_game.switches.Timer2On)
                Countdown(m_game);
        });
    });

    BuildControls();
    BuildFirstScreenHint();
    m_menus = BuildMenuBar(menuBar());
    BuildThemeMenus(m_menus);
    m_backgroundEntries.append(m_menus.backgroundTemplate);
    ConnectMenus();
    ConnectRecords();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    SyncControls();
    const int scale = assets::ScaleForRatio(devicePixelRatioF());
    m_board->SetBackground(assets::Artwork(assets::Art::Background, scale));
}

Form1::~Form1() { m_game.host = &Game::nullHost; }

void Form1::BuildControls()
{
    m_board = new ClientArea(this);
    m_board->setObjectName(QStringLiteral("ClientArea"));
    m_board->setFixedSize(ClientWidthPixels, ClientHeightPixels);
    setCentralWidget(m_board);

    // Created back to front: the header, then the sprites, the markers and the pause picture.
    auto* header = new ShapeControl(QStringLiteral("Shape5"), {Qt::black, {}, 0, false}, m_board);
    header->setGeometry(TwipsRect(0, 0, 14895, 615));
    const QFont font = ProgramFont(); // the status line speaks in the menus' font
    m_label4 = MakeLabel("Label4", StatusYellow, font, TwipsRect(1815, 240, 0, 0).topLeft(), m_board);
    m_label3 = MakeLabel("Label3", StatusYellow, font, TwipsRect(3855, 240, 0, 0).topLeft(), m_board);
    m_label2 = MakeLabel("Label2", StatusYellow, font, TwipsRect(4935, 240, 0, 0).topLeft(), m_board);
    auto* barOutline = new ShapeControl(QStringLiteral("Shape4"), {{}, QColor(0xC0, 0xC0, 0xC0), 1, true}, m_board);
    barOutline->setGeometry(TwipsRect(6008, 240, DesignTimeBar, 255));
    m_shape3 = new ShapeControl(QStringLiteral("Shape3"), {QColor(0xFF, 0, 0), QColor(0xC0, 0, 0), 1, true}, m_board);
    m_shape3->setGeometry(TwipsRect(6008, 240, DesignTimeBar, 255));
    m_shape3->setAttribute(Qt::WA_StaticContents);
    m_label5 = MakeLabel("Label5", Qt::black, font, {}, m_board);
    m_label5->setGeometry(TwipsRect(6000, 240, 255, 255));
    m_label1 = MakeLabel("Label1", StatusYellow, font, TwipsRect(12495, 240, 0, 0).topLeft(), m_board);

    // A hidden label holds KindCount as text: a real line edit would cost start-up time for nothing.
    m_text1 = new QLabel(m_board);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->hide();

    m_sprites = new SpriteLayer(m_game, m_board);
    m_sprites->setGeometry(0, 0, ClientWidthPixels, ClientHeightPixels);
    connect(m_sprites, &SpriteLayer::spritePressed, this,
            [this](int cell) { RunHandler([this, cell] { ClickTile(m_game, cell); }); });
    connect(m_sprites, &SpriteLayer::pressed, this, [this] {
        m_frameWanted = false;
        UpdateFrame();
    });
    connect(m_sprites, &SpriteLayer::keyPressed, this, &Form1::onBoardKey);
    m_sprites->setFocus();

    const ShapeControl::Look markerLook{{}, QColor(0, 0, 0xFF), MarkerOutlinePixels, false};
    m_shape1 = new ShapeControl(QStringLiteral("Shape1"), markerLook, m_board);
    m_shape2 = new ShapeControl(QStringLiteral("Shape2"), markerLook, m_board);

    m_label6 = new QLabel(m_board);
    m_label6->setObjectName(QStringLiteral("Label6"));
    m_label6->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label6->hide();
}

void Form1::ConnectMenus()
{
    for (QMenu* entry : m_menus.themes)
        for (QAction* item : entry->actions())
            ConnectDifficultyItem(item);
    connect(m_menus.hint, &QAction::triggered, this, [this] {
        RunHandler([this] {
            const int hintsBefore = m_game.counters.HintsLeft;
            HintCommand(m_game);
            m_frameToHint = m_frameToHint || m_game.counters.HintsLeft < hintsBefore; // a hint was shown
        });
    });
    connect(m_menus.shuffle, &QAction::triggered, this, [this] { RunHandler([this] { ShuffleCommand(m_game); }); });
    connect(m_menus.pause, &QAction::triggered, this, [this] { RunHandler([this] { TogglePause(m_game); }); });
    connect(m_menus.music, &QAction::triggered, this, [this] { RunHandler([this] { m_musicOn = !m_musicOn; }); });
    connect(m_menus.soundEffects, &QAction::triggered, this,
            [this] { RunHandler([this] { SetSoundEffects(m_game, !m_game.switches.SoundEffects); }); });
    // Both windows block the board and the menus while open, but the handler returns at once:
    // the countdown goes on while the player reads.
    connect(m_menus.help, &QAction::triggered, this, [this] { RunHandler([this] { frmHelp::Open(this, m_appFolder); }); });
    connect(m_menus.about, &QAction::triggered, this, [this] { RunHandler([this] { frmAboutScreen::Open(this); }); });
}

void Form1::ConnectDifficultyItem(QAction* item)
{
    const int theme = item->property(ThemeProperty).toInt();
    const int difficulty = item->property(IndexProperty).toInt();
    connect(item, &QAction::triggered, this, [this, theme, difficulty] {
        RunHandler([this, theme, difficulty] {
            if (!StartGame(m_game, theme, difficulty))
                return;
            m_frameCell = 0; // a new game puts the frame on its first tile
            // Sounds are heard only in a game: the output connects to the sound server with
            // the first one, not while the window opens.
            m_feedback->PrepareSounds();
            StopMusic(); // every game hears the music from its start
        });
    });
}

bool Form1::Load(const QString& appFolder)
{
    m_appFolder = appFolder;
    const QSize screenSize = QGuiApplication::primaryScreen()->size();
    if (screenSize.width() < MinimumScreenWidth || screenSize.height() < MinimumScreenHeight) {
        m_feedback->ShowMessage(nullptr, Shown(ResolutionRefusalTitle), Shown(ResolutionRefusal), Icon::Error);
        return false;
    }
    m_feedback->LoadSounds();
    showtoolTipText();
    const QStringList backgrounds = ListBackgrounds(appFolder + QStringLiteral("Background"));
    if (backgrounds.isEmpty()) {
        m_feedback->ShowMessage(nullptr, Shown(BackgroundRefusalTitle), Shown(BackgroundRefusal), Icon::Error);
        return false;
    }
    AddBackgroundEntries(backgrounds);
    ApplySettings();
    LoadThemeMenus();
    RewriteMenuCaptions(menuBar()->actions());
    return true;
}

void Form1::LoadThemeMenus()
{
    for (int theme = 4; theme < ThemeCount; ++theme)
        LoadMenu(m_menus.themes[static_cast<std::size_t>(theme)]);
}

void Form1::ShowCentred()
{
    adjustSize();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
    show();
}

void Form1::SetProgramIcon()
{
    const QIcon icon = ProgramIcon(assets::IconImages());
    setWindowIcon(icon);
    QGuiApplication::setWindowIcon(icon); // the message boxes carry it too
}

void Form1::LoadMenu(QMenu* entry)
{
    const QList<QAction*> members = entry->actions();
    if (members.isEmpty())
        return;
    QAction* first = members.front();
    first->setText(dialogs::DifficultyCaption(0));
    const int theme = first->property(ThemeProperty).toInt();
    for (int i = static_cast<int>(members.size()); i < DifficultyCount; ++i)
        ConnectDifficultyItem(AddDifficultyItem(entry, first->objectName(), theme, i));
}

void Form1::AddBackgroundEntries(const QStringList& files)
{
    for (const QString& file : files) {
        QAction* entry = m_menus.settings->addAction(BackgroundCaption(file));
        entry->setObjectName(QStringLiteral("mnuBackgrounds"));
        entry->setProperty(IndexProperty, static_cast<int>(m_backgroundEntries.size()));
        entry->setData(file); // the entry's tag
        entry->setCheckable(true);
        m_backgroundEntries.append(entry);
        connect(entry, &QAction::triggered, this,
                [this, entry] { RunHandler([this, entry] { ChooseBackground(entry); }); });
    }
}

void Form1::RewriteMenuCaptions(const QList<QAction*>& actions)
{
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        action->setText(RewriteCaption(action->text()));
        if (QMenu* submenu = action->menu())
            RewriteMenuCaptions(submenu->actions());
    }
}

void Form1::ChooseBackground(QAction* entry, bool reportFailure)
{
    const QString file = entry->data().toString();
    if (!file.isEmpty()) {
        QImageReader reader(m_appFolder + QStringLiteral("Background/") + file);
        // Only the top-left corner is ever seen: a large picture need not be kept whole.
        const QSize full = reader.size();
        if (full.isValid())
            reader.setClipRect(QRect(QPoint(0, 0), full.boundedTo(QSize(ClientWidthPixels, ClientHeightPixels))));
        const QImage picture = reader.read();
        if (picture.isNull()) {
            if (!reportFailure)
                return;
            // The picture went missing or was damaged since start: keep what the player sees.
            m_feedback->ShowMessage(
                this, Shown(WindowCaption),
                QCoreApplication::translate("Form1", "背景图片“%1”无法打开，仍使用原来的背景。").arg(file), Icon::Error);
            return;
        }
        m_board->SetBackground(picture);
    }
    m_currentBackground = entry->property(IndexProperty).toInt();
}

void Form1::showtoolTipText()
{
    SetLabelText(m_label2, QCoreApplication::translate("Form1", "洗牌 %1").arg(m_game.counters.ShufflesLeft));
    SetLabelText(m_label3, QCoreApplication::translate("Form1", "提示 %1").arg(m_game.counters.HintsLeft));
    SetLabelText(m_label4, dialogs::ShownText(Levelstr(m_game.counters.Level)));
}

// Touches only what changed: a countdown tick then costs the repaint of a few pixels of the bar.
void Form1::SyncControls()
{
    showtoolTipText();
    SetLabelText(m_label1, QString::number(m_game.counters.Score));
    SetLabelText(m_label5, QString::number(m_game.counters.AutoShuffles), false);
    SetLabelText(m_text1, QString::number(m_game.counters.KindCount), false);
    const int barWidth = qMax(0, qRound(m_game.counters.TimeBar / TwipsPerPixel));
    if (m_shape3->width() != barWidth) {
        m_shape3->resize(barWidth, m_shape3->height());
        // The bar keeps its drawn pixels (static contents); only its rounded end is redrawn.
        const int end = m_shape3->RoundedEndPixels();
        m_shape3->update(QRect(barWidth - end, 0, end, m_shape3->height()));
    }
    PlaceMarker(m_shape1, m_game.screen.Shape1);
    PlaceMarker(m_shape2, m_game.screen.Shape2);
    if (m_game.screen.PausePictureVisible == m_label6->isHidden()) {
        if (m_game.screen.PausePictureVisible && m_label6->pixmap().isNull()) {
            // Decoded on the first pause, not at start-up.
            const int scale = assets::ScaleForRatio(devicePixelRatioF());
            QPixmap pause = QPixmap::fromImage(assets::Artwork(assets::Art::Pause, scale));
            pause.setDevicePixelRatio(scale);
            m_label6->setPixmap(pause);
        }
        m_label6->setGeometry(ToPixels(m_game.screen.PausePictureLeft), ToPixels(m_game.screen.PausePictureTop),
                              ToPixels(PausePictureTwips), ToPixels(PausePictureTwips));
        m_label6->setVisible(m_game.screen.PausePictureVisible);
    }
    SetChecked(m_menus.pause, m_game.switches.Paused);
    SetChecked(m_menus.music, m_musicOn);
    SetChecked(m_menus.soundEffects, m_game.switches.SoundEffects);
    for (int i = 0; i < m_backgroundEntries.size(); ++i)
        SetChecked(m_backgroundEntries[i], i == m_currentBackground);
    m_sprites->Refresh();
    UpdateFrame();
    NotifyBoardChanges(*this, m_sprites, m_shape3);
    if (m_firstScreenHint && GameRunning(m_game)) {
        delete m_firstScreenHint;
        m_firstScreenHint = nullptr;
    }
    UpdateMusic();
}

void Form1::UpdateMusic()
{
    const bool on = m_musicOn && GameRunning(m_game) && !m_game.switches.Paused;
    if (on != m_musicPlaying) {
        m_musicPlaying = on;
        m_feedback->SetMusicPlaying(on);
    }
}

void Form1::StopMusic()
{
    m_musicPlaying = false;
    m_feedback->StopMusic();
}

void Form1::RunHandler(const std::function<void()>& handler)
{
    // A message box opened by a handler runs a nested event loop that goes on delivering ticks,
    // clicks and commands; none may run into the handler waiting on the box, so they are dropped.
    if (!m_handlerRunning) {
        m_handlerRunning = true;
        handler();
        m_handlerRunning = false;
    }
    SyncControls();
}

void Form1::ShowMessage(std::string_view text, Icon icon)
{
    SyncControls();
    QString message = dialogs::ShownText(text);
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A box from a tick while the help or about window is open shows over that window.
    QWidget* modal = QApplication::activeModalWidget();
    m_feedback->ShowMessage(modal ? modal : this, Shown(WindowCaption), message, icon);
}

void Form1::PlaySound(Sound sound) { m_feedback->PlaySound(sound); }

void Form1::GameEnded(GamePhase outcome)
{
    StopMusic();
    RecordResult(outcome);
}

void Form1::TimerSwitched(TimerId timer, bool on)
{
    QTimer& qtimer = timer == TimerId::Removal ? m_timer1 : m_timer2;
    if (on && !qtimer.isActive())
        qtimer.start();
    else if (!on)
        qtimer.stop();
}

} // namespace llk::app
