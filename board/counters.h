// The counters of a game: level, score, hints, shuffles, the kind count and the time left.
#pragma once

namespace llk {

constexpr int FullTimeBar = 6235;   // twips; the time bar loses 20 a second
constexpr int DesignTimeBar = 6255; // the bar's width before the first game

struct Counters {
    int Score = 0;        // Label1
    int AutoShuffles = 0; // Label5
    int KindCount = 15;   // Text1
    int Level = 0;
    int HintsLeft = 0;
    int ShufflesLeft = 0;
    double TimeBar = DesignTimeBar; // Shape3's width in twips: the time left
    bool LevelClearedFlag = false;
};

} // namespace llk
