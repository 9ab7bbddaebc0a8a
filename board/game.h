// The whole state of one running game: the Board, the sprites the window draws, counters and timers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "board/cell_list.h"
#include "board/host.h"

namespace llk {

constexpr int TwipsPerPixel = 15;       // at 96 dpi
constexpr int FullTimeBar = 6235;       // twips; the time bar loses 20 a second
constexpr int DesignTimeBar = 6255;     // the bar's width before the first game
constexpr int ClientWidthTwips = 14910; // 994 pixels
constexpr int ClientHeightTwips = 9840; // 656 pixels
constexpr int MarkerParkedTop = 20000;  // markers wait below the window until first placed
constexpr int MarkerDesignSize = 615;
constexpr int PausePictureTwips = 1920; // 128 pixels
constexpr int SpriteOrigin = -15;       // row 1 and column 1 start one pixel outside the client area

// What a TileSprite shows: the design-time template, a tile bitmap, or a LinkPiece.
enum class SpritePicture : std::uint8_t { Template, Tile, LinkPiece };

// One member of the Image1 picture array; member n shows Cell n.
struct TileSprite {
    bool visible = false;
    SpritePicture picture = SpritePicture::Template;
    int pictureNumber = 0; // bitmap number for Tile, Image2 member 1-6 for LinkPiece
    int left = 0;          // twips, relative to the client area
    int top = 0;
};

// Shape1 / Shape2: the blue outline of the selection and of a hint.
struct Marker {
    int left = 0;
    int top = MarkerParkedTop;
    int width = MarkerDesignSize;
    int height = MarkerDesignSize;
    bool visible = false;
    bool hiddenByPause = false; // shown again when the pause ends
};

// The time of day in seconds since midnight, as the random generator re-seeds from it.
using TimeOfDay = std::function<double()>;
double SystemTimeOfDay();

// The generator that every draw re-seeds from the time of day; re-seeding mixes the time into
// the state, so draws within one clock value still differ.
struct RandomState {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
};

struct Game {
    Host* host = &nullHost;
    TimeOfDay clock = SystemTimeOfDay;
    int TwipsPerPixelX = TwipsPerPixel;
    int TwipsPerPixelY = TwipsPerPixel;

    // Board: rows and columns count the one-cell border. Index 0 of Cells is unused.
    int RowCount = 0;
    int ColCount = 0;
    std::vector<int> Cells;       // 0 empty, 1-70 a TileKind
    std::vector<int> CellGrid;    // (RowCount + 1) x (ColCount + 1), a snapshot for the click handler
    std::vector<int> InnerSlots;  // KindCodes while dealing, plain kinds while shuffling
    int ThemeIndex = 0;
    int DifficultyIndex = 0; // of the Game-menu start, 0-4

    // Sampler
    RandomState random;
    std::vector<int> DrawList;    // the last draw, from entry 1; entry 0 unused

    // Window-side state the engine decides
    std::vector<TileSprite> Sprites; // Image1; member 0 is the template
    int CellWidth = 0;
    int CellHeight = 0;
    int SpriteOriginX = SpriteOrigin;
    int SpriteOriginY = SpriteOrigin;
    Marker Shape1;
    Marker Shape2;
    double TimeBar = DesignTimeBar; // Shape3's width in twips: the time left
    bool PausePictureVisible = false;
    int PausePictureLeft = 6960;
    int PausePictureTop = 4200;

    // Counters
    int Score = 0;          // Label1
    int AutoShuffles = 0;   // Label5
    int KindCount = 15;     // Text1
    int Level = 0;
    int HintsLeft = 0;
    int ShufflesLeft = 0;
    bool LevelClearedFlag = false;

    // Switches and timers
    bool SoundEffects = true; // mnyx
    bool Music = true;        // mnmusic: the window plays music while a game runs and this is on
    bool Paused = false;      // mnpause
    bool Timer1On = false;
    bool Timer2On = false;
    bool GameRunning = false;
    GameOutcome Outcome = GameOutcome::None;

    // Selection
    int SelectionState = 0;
    int SelectedKind = 0;
    int SelectedCell = 0;
    int formFirstClick = 0;
    int formLastClick = 0;

    // Pair search
    int SearchCursor = 0;
    int SearchKind = 0;
    CellList CandidateList;
    CellList VisitedList;
    CellList ExcludedList;
    int FoundFirst = 0;  // the pair the last test reported, kept until the state is cleared,
    int FoundSecond = 0; // so a player robot need not search the same Board twice

    static inline NullHost nullHost;
};

// Cell numbering: (row - 1) * ColCount + col, rows and columns from 1.
inline int CellIndex(const Game& g, int row, int col) { return (row - 1) * g.ColCount + col; }

// Empties the pair search's state: the next search starts afresh at the first inner Cell.
void ResetPairSearch(Game& g);

// Switches a timer and tells the host, which runs the real one.
void SetTimer(Game& g, TimerId timer, bool on);
// Plays a sound through the host while the sound-effects switch is on.
void PlaySound(Game& g, Sound sound);

} // namespace llk
