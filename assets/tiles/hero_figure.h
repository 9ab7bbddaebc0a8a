// Hero busts drawn by code for the portrait Themes: a head with its own headwear and a weapon or a
// prop held up beside it, the shoulders running off the bottom of the face.
#pragma once

#include <QPainter>
#include <QRectF>

namespace llk::assets {

enum class Headwear {
    SpikyHair,
    Headband,
    NinjaHood,
    CrestedHelmet,
    HornedHelmet,
    LongHair,
    Ponytail,
    TwinBuns,
    Topknot,
    Mohawk,
    Afro,
    Bald,
    Hood,
    WrestlingMask,
    Visor,
    Bandana,
    Crown,
    StrawHat,
    ScholarHat,
    PlumedHelmet,
    VeilHat,
    HalfMask,
    FurHat,
    Cap,
    Tiara,
    Tricorn,
    SpaceHelmet,
    WizardHat,
    WitchHat,
    CowboyHat,
    ChefHat,
    Deerstalker,
    TopHat,
    PithHelmet,
    SailorCap,
    FireHelmet,
    Beret,
};

// What a hero holds up: a weapon, or for the film cast a prop (wand to book).
enum class Weapon {
    Sword,
    Katana,
    Broadsword,
    Spear,
    Staff,
    Fan,
    Bow,
    Axe,
    Hammer,
    Trident,
    Halberd,
    Scythe,
    Claws,
    Nunchaku,
    Shield,
    Kunai,
    Chain,
    Brush,
    Umbrella,
    Flute,
    Glaive,
    Mace,
    Ring,
    EnergyBlade,
    Wand,
    Spyglass,
    Flag,
    Lasso,
    Ladle,
    Magnifier,
    Microphone,
    Flower,
    Balloon,
    Lantern,
    Broom,
    Anchor,
    Flask,
    Wrench,
    Star,
    Book,
};

enum class Dress { Jacket, Robe, Armour, Vest, Suit, Gown };

struct Hero {
    Headwear headwear;
    Weapon weapon;
    Dress dress;
    unsigned cloth;  // the main colour of the dress
    unsigned trim;   // collar, belt and the cloth of hoods and bands
    unsigned hair;   // hair, or the colour of a helmet or hat
    unsigned skin;
    bool beard = false;
    bool leftHand = false; // the weapon held on the viewer's left instead of the right
};

// How a Theme draws its heroes: the line colour and weight of a comic or of an ink painting.
struct HeroStyle {
    unsigned line;
    qreal lineWidth; // in pixels at 1x
};

// Draws `hero` over `face`, the whole face of the tile in device pixels; the painter is clipped to
// the face so the shoulders run off its bottom edge. `scale` is 1 or 2.
void DrawHero(QPainter& painter, const QRectF& face, const Hero& hero, const HeroStyle& style, int scale);

} // namespace llk::assets
