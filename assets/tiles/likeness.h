// Likeness of tile pictures: how alike two pictures of a Theme look to a player at real size.
#pragma once

#include <QImage>

#include <vector>

namespace llk::assets {

// What the eye takes in of a picture at a glance: the colours of the middle of the face on a coarse
// grid and its light and dark on a finer one. The tile's rim is left out: every picture of a Theme
// shares it.
//
// The print sees colour and light where they fall, not what a picture shows: a backdrop of another
// colour behind the same kind of subject counts as much as a different subject, and two subjects
// of one kind drawn in different poses (a shrimp and a lobster) are as far apart as any two. Such
// pairs are for whoever draws a Theme to keep apart; this measure holds the pictures that blur into
// each other at real size.
struct LikenessPrint {
    std::vector<float> colour; // lightness and two colour-opponent values per cell
    std::vector<float> shape;  // lightness per cell
};

LikenessPrint MakeLikenessPrint(const QImage& picture);

// How far apart two prints are, in the units of an 8-bit colour channel: 0 for equal pictures,
// a few units for pictures a player would take for twins, tens for clearly different subjects.
double LikenessDistance(const LikenessPrint& a, const LikenessPrint& b);

// Pictures of one Theme closer than this are too easily mistaken for each other.
constexpr double DistinctThreshold = 18.0;

// The two pictures of a Theme that look most alike; `first` and `second` count from 1 (TileKind).
struct ClosestPair {
    int first = 0;
    int second = 0;
    double distance = 0;
};

ClosestPair FindClosestPair(const std::vector<QImage>& pictures);

} // namespace llk::assets
