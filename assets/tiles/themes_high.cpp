// Tile faces and subjects of Themes 15-29: emoji from Noto Color Emoji on backdrops of each
// Theme's own, numerals, chess pieces and zodiac glyphs drawn by code.
#include "assets/tiles/drawn_subjects_high.h"
#include "assets/tiles/hero_figure.h"
#include "assets/tiles/subject_drawing.h"
#include "assets/tiles/theme_art.h"
#include "assets/tiles/tile_body.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>
#include <cmath>

namespace llk::assets {

namespace {

// Every subject list holds exactly the Theme's picture count.
constexpr std::array<const char*, 36> Devices{
    "💻", "🖥️", "⌨️", "🖱️", "🖲️", "💾", "📀", "🖨️", "📱", "☎️", "📟", "📠",
    "🔋", "🔌", "📷", "📹", "📺", "📻", "🎙️", "🎛️", "🕹️", "🎮", "📡", "💡",
    "🔦", "🎧", "🔊", "📼", "⏰", "⌚", "🗄️", "🔭", "🔬", "🛰️", "🔐", "🛜"};

constexpr std::array<const char*, 21> TownCast{
    "👮‍♂️", "👷‍♀️", "💂", "👨🏻‍🍳", "👩🏽‍🚒", "👨‍🔬", "👩🏼‍🎨", "👩🏾‍🏭", "👩‍🌾", "👨🏼‍🏫", "👩🏾‍⚕️",
    "👨‍✈️", "👩🏻‍🎤", "👨🏽‍🔧", "👩‍💻", "🕵️‍♂️", "👨🏻‍💼", "👰🏻‍♀️", "🤵🏾‍♂️", "👩🏽‍🎓", "👨🏻‍⚖️"};

// Balls and gear of the ball games and the prizes and cheers around them, one of each kind, each
// big enough to be told apart at a glance.
constexpr std::array<const char*, 21> BallGear{
    "⚽", "🏀", "🏐", "🏈", "🎽", "⚾", "📣", "🎾", "🏸", "🏓", "🏒",
    "⏱️", "🥍", "🏏", "⛳", "🎱", "🎳", "🥌", "🥅", "🏆", "🏅"};

constexpr std::array<const char*, 30> Beasts{
    "👹", "👺", "💀", "👾", "🗿", "🦍", "🕷️", "🐲", "🦛", "🦅", "🐍", "🦂", "🦈", "🐊", "🐦‍🔥",
    "🛡️", "🦏", "🥊", "😈", "🎃", "🦇", "🦠", "🐙", "🦀", "🦉", "🦾", "🪓", "🏹", "👊", "🐝"};

// Animals of farm, pond, shore and wild that the pets of Theme 0 and the zodiac of Theme 29 leave
// free, one of each kind, so that no two look like the same creature in another colour.
constexpr std::array<const char*, 28> CuteAnimals{
    "🐈", "🦮", "🐄", "🐩", "🐏", "🐥", "🦢", "🦤", "🦬", "🦧", "🐋", "🐻‍❄️", "🫎", "🐁",
    "🐦‍⬛", "🐃", "🫏", "🐫", "🦣", "🦎", "🦕", "🦞", "🦑", "🪲", "🦡", "🐚", "🐜", "🪱"};

constexpr std::array<const char*, 27> Sweets{
    "🍦", "🍧", "🍨", "🍩", "🍪", "🎂", "🍰", "🧁", "🥧", "🍫", "🍬", "🍭", "🍮", "🍯",
    "🥮", "🍡", "🥠", "🧇", "🥞", "🥐", "🥨", "🌰", "🍥", "🥯", "🍿", "🧋", "☕"};

constexpr std::array<const char*, 19> Fruit{
    "🍎", "🍐", "🍊", "🍋", "🍌", "🍉", "🍇", "🍓", "🫐", "🍈",
    "🍒", "🍑", "🥭", "🍍", "🥥", "🥝", "🍅", "🥑", "🫒"};

constexpr std::array<const char*, 12> ChineseZodiac{
    "🐀", "🐂", "🐅", "🐇", "🐉", "🐍", "🐎", "🐐", "🐒", "🐓", "🐕", "🐖"};

// The lists keep the fully qualified sequences, but the emoji font shapes every one of them
// without U+FE0F, while Qt hands a variation selector to a fallback font as a glyph of its own
// and so breaks a sequence that has one before a joiner. Text is not drawn at all with an empty
// pen, colour glyphs included.
void Emoji(QPainter& painter, const QRectF& box, const char* emoji)
{
    painter.setPen(Qt::black);
    DrawEmoji(painter, box, QString::fromUtf8(emoji).remove(QChar(0xfe0f)));
}

// An emoji cut out like a sticker: a white border follows its outline, with a soft drop shadow.
// The emoji is drawn once into a picture whose silhouette, stamped round it, makes the border.
void StickerEmoji(QPainter& painter, const QRectF& box, const char* emoji, int scale)
{
    const int border = 2 * scale;
    const QPoint origin(qFloor(box.left()) - 2 * border, qFloor(box.top()) - 2 * border);
    const QSize size(qCeil(box.width()) + 4 * border, qCeil(box.height()) + 4 * border);
    QImage glyph(size, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
        QPainter glyphPainter(&glyph);
        glyphPainter.setRenderHints(painter.renderHints());
        Emoji(glyphPainter, box.translated(-origin), emoji);
    }
    QImage silhouette = glyph;
    {
        QPainter silhouettePainter(&silhouette);
        silhouettePainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        silhouettePainter.fillRect(silhouette.rect(), Qt::white);
    }
    QImage shadow = silhouette;
    {
        QPainter shadowPainter(&shadow);
        shadowPainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        shadowPainter.fillRect(shadow.rect(), QColor(60, 30, 50, 70));
    }
    constexpr int Directions = 16;
    for (int i = 0; i < Directions; ++i) {
        const qreal angle = 2 * Pi * i / Directions;
        painter.drawImage(QPointF(origin) + QPointF(std::cos(angle), std::sin(angle)) * border +
                              QPointF(0.5 * scale, 1.0 * scale),
                          shadow);
    }
    for (int i = 0; i < Directions; ++i) {
        const qreal angle = 2 * Pi * i / Directions;
        painter.drawImage(QPointF(origin) + QPointF(std::cos(angle), std::sin(angle)) * border, silhouette);
    }
    painter.drawImage(origin, glyph);
}

// A round medallion: a radial gradient lit from the upper left and a rim.
void Disc(QPainter& painter, const QRectF& box, QColor light, QColor dark, QColor rim, qreal rimWidth)
{
    QRadialGradient gradient(box.center(), box.width() / 2,
                             box.center() - QPointF(box.width() * 0.2, box.height() * 0.25));
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    painter.setBrush(gradient);
    painter.setPen(rimWidth > 0 ? QPen(rim, rimWidth) : QPen(Qt::NoPen));
    const qreal inset = rimWidth / 2;
    painter.drawEllipse(box.adjusted(inset, inset, -inset, -inset));
}

// A text glyph as a filled outline, centred on `centre` and `height` pixels tall, narrowed to
// `maxWidth` if it is given and the glyph is wider.
QPainterPath GlyphPath(const QString& text, const QString& family, int weight, qreal height, QPointF centre,
                       qreal maxWidth = 0)
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(height)));
    font.setWeight(QFont::Weight(weight));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const qreal fit = bounds.height() > 0 ? height / bounds.height() : 1;
    const qreal fitX = maxWidth > 0 && bounds.width() * fit > maxWidth ? maxWidth / bounds.width() : fit;
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.scale(fitX, fit);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

// --- 16 computers and devices: plain on a cool, clean face --------------------------------------

void DeviceSubject(QPainter& painter, const QRectF& area, int, int kind, int)
{
    Emoji(painter, Square(area, 1.02), KindEntry(Devices, kind));
}

// --- 17 cartoon-series characters: each on a rounded television screen of its own colour --------

void TownSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const QRectF screen = area.adjusted(-scale, -scale, scale, scale);
    QLinearGradient gradient(screen.topLeft(), screen.bottomLeft());
    gradient.setColorAt(0, KindHue(kind, 0.18, 1.0));
    gradient.setColorAt(1, KindHue(kind, 0.42, 0.95));
    painter.setBrush(gradient);
    painter.setPen(QPen(KindHue(kind, 0.6, 0.7), scale));
    const qreal radius = screen.width() * 0.22;
    painter.drawRoundedRect(screen, radius, radius);
    Emoji(painter, Square(screen, 0.9, {0, 0.02}), KindEntry(TownCast, kind));
}

// --- 18 fighters: busts with the weapon raised, on a burst of their team's colour ----------------

constexpr unsigned FairSkin = 0xf8d5b8, LightSkin = 0xecb98f, TannedSkin = 0xc98e62, DarkSkin = 0x8d5a3a;

const std::array<Hero, 21> Fighters{{
    {Headwear::SpikyHair, Weapon::EnergyBlade, Dress::Suit, 0x2a4fa8, 0xf0c020, 0xf2d040, FairSkin},
    {Headwear::Headband, Weapon::Katana, Dress::Jacket, 0x2a2a30, 0xd82a2a, 0x2a2024, LightSkin},
    {Headwear::NinjaHood, Weapon::Kunai, Dress::Suit, 0x283050, 0x323a64, 0x9aa4b8, LightSkin},
    {Headwear::LongHair, Weapon::Spear, Dress::Armour, 0x8aa0c0, 0x4a6aa8, 0xf0d068, FairSkin},
    {Headwear::Mohawk, Weapon::Axe, Dress::Vest, 0x3a3a3a, 0x6a4020, 0x38c048, TannedSkin},
    {Headwear::CrestedHelmet, Weapon::Glaive, Dress::Armour, 0xb02828, 0x3a2a2a, 0x3a3440, LightSkin},
    {Headwear::Ponytail, Weapon::Bow, Dress::Jacket, 0x2e8a4a, 0xe8d8a0, 0xc0481c, FairSkin},
    {Headwear::TwinBuns, Weapon::Fan, Dress::Suit, 0x2aa0b8, 0xf0d040, 0x2a2024, FairSkin},
    {Headwear::HornedHelmet, Weapon::Hammer, Dress::Armour, 0x8a5a3a, 0x6a6a74, 0x8a929c, LightSkin, true},
    {Headwear::Bald, Weapon::Chain, Dress::Vest, 0x7a2a9a, 0x2a2a2a, 0x3a2a20, DarkSkin, true},
    {Headwear::WrestlingMask, Weapon::Claws, Dress::Vest, 0xd02a6a, 0xf0d020, 0xd02a6a, TannedSkin},
    {Headwear::Hood, Weapon::Scythe, Dress::Robe, 0x3a2a52, 0x5a3a7a, 0xc8ccd8, FairSkin},
    {Headwear::Afro, Weapon::Nunchaku, Dress::Jacket, 0xf0c020, 0x1a1a1a, 0x2a1a14, DarkSkin},
    {Headwear::Topknot, Weapon::Sword, Dress::Robe, 0x2a4a8a, 0xe8e0d0, 0x1a1618, LightSkin},
    {Headwear::Visor, Weapon::Shield, Dress::Armour, 0x50607a, 0x2a7ad0, 0xc8d0dc, LightSkin},
    {Headwear::Bandana, Weapon::Broadsword, Dress::Vest, 0x2a5aa8, 0xd82a2a, 0x3a2418, TannedSkin, true},
    {Headwear::Crown, Weapon::Trident, Dress::Armour, 0x2a6a8a, 0xe8b430, 0xe8e4dc, FairSkin, true},
    {Headwear::Cap, Weapon::Ring, Dress::Jacket, 0xe04a2a, 0x2a6ad0, 0x3a2a20, LightSkin},
    {Headwear::FurHat, Weapon::Halberd, Dress::Jacket, 0x6a4a2a, 0xe8d8b8, 0x8a6a4a, LightSkin},
    {Headwear::PlumedHelmet, Weapon::Sword, Dress::Armour, 0xc8a040, 0xa02020, 0xb0b8c4, TannedSkin},
    {Headwear::HalfMask, Weapon::Mace, Dress::Suit, 0x1a1a24, 0xc02030, 0xe8e8f0, FairSkin},
}};

// The face less its outline, where a full-face subject may paint.
QPainterPath FaceClip(int theme, int scale)
{
    QPainterPath clip;
    clip.addRoundedRect(FaceRect(theme, scale).adjusted(scale, scale, -scale, -scale), 3.0 * scale, 3.0 * scale);
    return clip;
}

void FighterSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale)
{
    static const std::array<unsigned, 7> Teams{0xd8343f, 0x2f6fd6, 0xe0a21b, 0x2e9e5b, 0x8a45c8, 0xe06a1b, 0x1f9fb0};
    const QColor team = Rgb(Teams[(kind - 1) % Teams.size()]);
    painter.setClipPath(FaceClip(theme, scale));
    // An impact burst with uneven spikes behind the fighter, as on a character-select screen.
    const QRectF burst = Square(area, 1.2, {0, -0.04});
    const QPointF centre = burst.center();
    QPainterPath spikes;
    constexpr int Spikes = 13;
    for (int i = 0; i < Spikes * 2; ++i) {
        const qreal jitter = std::fmod((i + kind * 7) * 0.618034, 1.0);
        const qreal radius = burst.width() / 2 * (i % 2 ? 0.72 + 0.06 * jitter : 0.88 + 0.12 * jitter);
        const qreal angle = kind * 0.4 + i * Pi / Spikes;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        i ? spikes.lineTo(point) : spikes.moveTo(point);
    }
    spikes.closeSubpath();
    QRadialGradient fire(centre, burst.width() / 2);
    fire.setColorAt(0, team.lighter(185));
    fire.setColorAt(0.6, team.lighter(120));
    fire.setColorAt(1, team);
    painter.setBrush(fire);
    painter.setPen(Qt::NoPen);
    painter.drawPath(spikes);
    // Every other fighter holds the weapon up on the left, so neighbours on the board differ in outline.
    Hero fighter = KindEntry(Fighters, kind);
    fighter.leftHand = kind % 2 == 0;
    DrawHero(painter, FaceRect(theme, scale), fighter, {0x1e1820, 1.0}, scale);
}

// --- 15 animated-film characters: the cast of a cartoon studio, each on a star of its own colour ---

const std::array<Hero, 24> FilmCast{{
    {Headwear::Tiara, Weapon::Wand, Dress::Gown, 0xf08cb4, 0xffe0f0, 0xf0c850, FairSkin},
    {Headwear::Tricorn, Weapon::Spyglass, Dress::Jacket, 0xb02a2a, 0x2a2228, 0x2a1a14, TannedSkin, true},
    {Headwear::SpaceHelmet, Weapon::Flag, Dress::Suit, 0xc4cedc, 0xe04a2a, 0x6a4a2a, LightSkin},
    {Headwear::WizardHat, Weapon::Staff, Dress::Robe, 0x4a3aa8, 0x2a4aa8, 0xe8e8f0, FairSkin, true},
    {Headwear::CowboyHat, Weapon::Lasso, Dress::Vest, 0xc8783a, 0x8a4a20, 0x6a4020, TannedSkin},
    {Headwear::ChefHat, Weapon::Ladle, Dress::Jacket, 0xc8d2e0, 0xd03a3a, 0x3a2a20, LightSkin},
    {Headwear::Deerstalker, Weapon::Magnifier, Dress::Jacket, 0x8a6a48, 0x7a6a4a, 0x4a3020, FairSkin},
    {Headwear::TopHat, Weapon::Wand, Dress::Suit, 0x2a2a34, 0xc02030, 0x2a2024, LightSkin},
    {Headwear::LongHair, Weapon::Trident, Dress::Suit, 0x2aa8a0, 0xf08ca0, 0x2ab8a8, FairSkin},
    {Headwear::SpikyHair, Weapon::Microphone, Dress::Jacket, 0x2a2a30, 0xe0e0e0, 0xf050a0, LightSkin},
    {Headwear::TwinBuns, Weapon::Flower, Dress::Gown, 0x5ac05a, 0xf06090, 0x6a3a1a, FairSkin},
    {Headwear::Afro, Weapon::Balloon, Dress::Jacket, 0xf0c020, 0x2a6ad0, 0xe8402a, FairSkin},
    {Headwear::PithHelmet, Weapon::Lantern, Dress::Jacket, 0xc8b078, 0xd8c48a, 0x4a3020, TannedSkin},
    {Headwear::WitchHat, Weapon::Broom, Dress::Robe, 0x6a3a9a, 0x2a2230, 0x3a2a4a, FairSkin},
    {Headwear::Crown, Weapon::Mace, Dress::Robe, 0xc02a3a, 0xf0e8d8, 0x8a5a30, LightSkin, true},
    {Headwear::SailorCap, Weapon::Anchor, Dress::Jacket, 0x2a3a8a, 0xf4f6fa, 0xd8a040, FairSkin},
    {Headwear::FireHelmet, Weapon::Axe, Dress::Jacket, 0x3a3a40, 0xf0d040, 0x3a2a20, DarkSkin},
    {Headwear::Beret, Weapon::Brush, Dress::Jacket, 0x3a6ac0, 0xd02a3a, 0x2a2024, LightSkin},
    {Headwear::Bald, Weapon::Flask, Dress::Jacket, 0xb8cce0, 0x5aa0d0, 0xd8d8d8, FairSkin, true},
    {Headwear::Visor, Weapon::Wrench, Dress::Armour, 0x8a98a8, 0xf09a20, 0x5a6a80, LightSkin},
    {Headwear::HalfMask, Weapon::Star, Dress::Suit, 0x2a58c0, 0xe02a2a, 0x2a2024, TannedSkin},
    {Headwear::Hood, Weapon::Bow, Dress::Jacket, 0x3a8a3a, 0x2e6e2e, 0x8a5a2a, LightSkin},
    {Headwear::Ponytail, Weapon::Book, Dress::Jacket, 0xe89a3a, 0x3a7ac0, 0x5a3a22, FairSkin},
    {Headwear::Cap, Weapon::Umbrella, Dress::Jacket, 0x3ab0d0, 0xf0c020, 0x2a2024, DarkSkin},
}};

void FilmSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale)
{
    painter.setClipPath(FaceClip(theme, scale));
    // A star of the studio's walk of fame behind every character, in a colour of its own.
    const QColor colour = KindHue(kind, 0.5, 1.0);
    const QRectF box = Square(area, 1.25, {0, -0.04});
    const QPainterPath star = StarPath(box.center(), box.width() / 2, box.width() * 0.24, 5);
    QRadialGradient gradient(box.center(), box.width() / 2);
    gradient.setColorAt(0, colour.lighter(130));
    gradient.setColorAt(1, colour);
    painter.setBrush(gradient);
    painter.setPen(QPen(colour.darker(130), scale));
    painter.drawPath(star);
    Hero character = KindEntry(FilmCast, kind);
    character.leftHand = kind % 2 == 0;
    DrawHero(painter, FaceRect(theme, scale), character, {0x2a2230, 0.9}, scale);
}

// --- 19 ball games: the ball or the gear of each game, large on the face --------------------------

void BallGameSubject(QPainter& painter, const QRectF& area, int, int kind, int)
{
    Emoji(painter, Square(area, 1.1), KindEntry(BallGear, kind));
}

// --- 20 fighters of a second game: beasts, monsters and their gear on a burning hexagon ----------

void BeastSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const QRectF box = Square(area, 1.22);
    QPainterPath hexagon;
    for (int i = 0; i < 6; ++i) {
        const qreal angle = Pi / 6 + i * Pi / 3;
        const QPointF point = box.center() + QPointF(std::cos(angle), std::sin(angle)) * box.width() / 2;
        i ? hexagon.lineTo(point) : hexagon.moveTo(point);
    }
    hexagon.closeSubpath();
    const QColor flame = KindHue(kind, 0.85, 0.95);
    QRadialGradient gradient(box.center(), box.width() / 2);
    gradient.setColorAt(0, QColor(255, 250, 235));
    gradient.setColorAt(0.55, flame.lighter(130));
    gradient.setColorAt(1, flame.darker(140));
    painter.setBrush(gradient);
    painter.setPen(QPen(QColor(40, 30, 60), 1.2 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hexagon);
    // Small enough that horns and ears stay inside the hexagon's slanted sides.
    Emoji(painter, Square(area, 0.76), KindEntry(Beasts, kind));
}

// --- 21 cute animals: stickers on a pastel cushion ---------------------------------------------

void AnimalSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const QRectF cushion = Square(area, 1.08, {0, 0.04});
    Disc(painter, cushion, KindHue(kind, 0.08, 1.0), KindHue(kind, 0.3, 1.0), QColor(0, 0, 0, 0), 0);
    StickerEmoji(painter, Square(area, 0.92), KindEntry(CuteAnimals, kind), scale);
}

// --- 22 cheerful digits --------------------------------------------------------------------------

// Each numeral keeps its own colour wherever it appears.
constexpr std::array<unsigned, 10> DigitColours{0x8e44ad, 0xe8383d, 0xf07c1a, 0xf2b50f, 0x45b035,
                                                0x13a89e, 0x2d8ee0, 0x4457d6, 0xd6409f, 0x7a5230};

// Kinds 1-9 are the numerals 1-9, kind 10 is 0; the rest are two-digit numbers chosen so that
// no number is another written backwards.
constexpr std::array<int, 36> Numbers{1,  2,  3,  4,  5,  6,  7,  8,  9,  0,  10, 11, 12, 20, 22, 25, 37, 33,
                                      34, 38, 40, 44, 47, 50, 55, 56, 63, 68, 69, 70, 77, 78, 80, 88, 90, 99};

void DigitGlyph(QPainter& painter, QChar digit, QPointF centre, QSizeF size, qreal tilt, int scale)
{
    const QPainterPath glyph =
        GlyphPath(QString(digit), QStringLiteral("Noto Sans CJK SC"), QFont::Bold, size.height(), {0, 0}, size.width());
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(tilt);
    const QPainterPath path = transform.map(glyph);
    const QColor colour = Rgb(DigitColours[digit.digitValue()]);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 60), 4.0 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.translated(0.8 * scale, 1.2 * scale));
    painter.setPen(QPen(QColor(255, 255, 255), 3.2 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);

    const QRectF bounds = path.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0, colour.lighter(150));
    gradient.setColorAt(0.5, colour);
    gradient.setColorAt(1, colour.darker(125));
    painter.setBrush(gradient);
    painter.setPen(QPen(colour.darker(170), 0.8 * scale));
    painter.drawPath(path);

    painter.save();
    painter.setClipPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawEllipse(QRectF(bounds.left() - bounds.width() * 0.2, bounds.top() - bounds.height() * 0.35,
                               bounds.width() * 1.1, bounds.height() * 0.7));
    painter.restore();
}

void DigitSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const int number = KindEntry(Numbers, kind);
    const QString text = QString::number(number);
    const QPointF centre = area.center();
    if (text.size() == 1) {
        const qreal tilt = kind % 2 ? -6 : 6;
        DigitGlyph(painter, text[0], centre, {area.width() * 1.05, area.height() * 0.86}, tilt, scale);
        return;
    }
    const QSizeF size(area.width() * 0.54, area.height() * 0.6);
    const qreal step = area.width() * 0.26;
    DigitGlyph(painter, text[0], centre + QPointF(-step, -size.height() * 0.14), size, -7, scale);
    DigitGlyph(painter, text[1], centre + QPointF(step, size.height() * 0.14), size, 7, scale);
}

// --- 23 martial-arts heroes: busts in robes with the weapon of their school, in an ink circle ------

const std::array<Hero, 21> Swordsmen{{
    {Headwear::Topknot, Weapon::Sword, Dress::Robe, 0xc0d4ec, 0x3a5a9a, 0x1a1618, FairSkin},
    {Headwear::StrawHat, Weapon::Broadsword, Dress::Robe, 0x7a6a58, 0x3a3028, 0x1a1618, LightSkin},
    {Headwear::ScholarHat, Weapon::Fan, Dress::Robe, 0x3a6aa8, 0xe8e0cc, 0x1a1618, FairSkin},
    {Headwear::PlumedHelmet, Weapon::Spear, Dress::Armour, 0xb03028, 0x8a6a2a, 0xb8a060, LightSkin},
    {Headwear::LongHair, Weapon::Flute, Dress::Robe, 0xe07a98, 0xf8f0f0, 0x1a1618, FairSkin},
    {Headwear::TwinBuns, Weapon::Ring, Dress::Robe, 0x3a9a6a, 0xf0d060, 0x1a1618, FairSkin},
    {Headwear::Bald, Weapon::Staff, Dress::Robe, 0x5a6a7a, 0xe8e0d0, 0xf0f0f0, LightSkin, true},
    {Headwear::VeilHat, Weapon::Sword, Dress::Robe, 0xb8a8d8, 0x6a5a9a, 0x1a1618, FairSkin},
    {Headwear::Headband, Weapon::Halberd, Dress::Vest, 0x5a3a2a, 0xc02a2a, 0x2a2020, TannedSkin},
    {Headwear::Crown, Weapon::Glaive, Dress::Armour, 0x2a6a4a, 0xc8a040, 0x1a1618, TannedSkin, true},
    {Headwear::Ponytail, Weapon::Bow, Dress::Jacket, 0xc03a2a, 0xf0e0c0, 0x1a1618, FairSkin},
    {Headwear::Hood, Weapon::Kunai, Dress::Suit, 0x2a2a30, 0x3a3a44, 0x1a1618, LightSkin},
    {Headwear::LongHair, Weapon::Umbrella, Dress::Robe, 0xa8d8c0, 0xc8302a, 0x1a1618, FairSkin},
    {Headwear::Topknot, Weapon::Brush, Dress::Robe, 0x2a2a2e, 0xf0ece0, 0xe8e8e8, FairSkin, true},
    {Headwear::Bandana, Weapon::Mace, Dress::Vest, 0x6a4a30, 0x2a5a8a, 0x2a2020, TannedSkin, true},
    {Headwear::SpikyHair, Weapon::Axe, Dress::Vest, 0x2a2a2a, 0x8a2a2a, 0x2a2020, DarkSkin, true},
    {Headwear::FurHat, Weapon::Hammer, Dress::Armour, 0x6a5a4a, 0x8a7a5a, 0x7a5a3a, LightSkin},
    {Headwear::HalfMask, Weapon::Chain, Dress::Robe, 0x5a2a6a, 0xc8c0d8, 0x1a1618, FairSkin},
    {Headwear::StrawHat, Weapon::Staff, Dress::Robe, 0x3a5a4a, 0xd8c8a0, 0x1a1618, TannedSkin},
    {Headwear::NinjaHood, Weapon::Sword, Dress::Suit, 0x4a1a1a, 0x2a1a1a, 0xc03030, LightSkin},
    {Headwear::ScholarHat, Weapon::Sword, Dress::Robe, 0x8a2a2a, 0xe8d8b0, 0x1a1618, LightSkin, true},
}};

void InkCircle(QPainter& painter, const QRectF& box, QColor ink, int kind, int scale)
{
    const qreal radius = box.width() / 2 - 1.5 * scale;
    const qreal thickest = std::max(2.0 * scale, box.width() * 0.09);
    const qreal start = Pi * (0.55 + 0.37 * kind);
    const qreal sweep = Pi * 1.72;
    constexpr int Steps = 48;
    QPainterPath brush;
    QList<QPointF> inner;
    for (int i = 0; i <= Steps; ++i) {
        const qreal t = qreal(i) / Steps;
        const qreal width = thickest * (0.15 + 0.85 * std::pow(std::sin(Pi * std::min(1.0, t * 1.15)), 0.7));
        const qreal angle = start + sweep * t;
        const QPointF direction(std::cos(angle), -std::sin(angle));
        const QPointF outer = box.center() + direction * (radius + width / 2);
        i ? brush.lineTo(outer) : brush.moveTo(outer);
        inner.prepend(box.center() + direction * (radius - width / 2));
    }
    for (const QPointF& point : inner)
        brush.lineTo(point);
    brush.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(brush);
}

void HeroSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale)
{
    // Each school paints with its own ink: soot, cinnabar, indigo, jade, ochre, purple and teal.
    static const std::array<unsigned, 7> Inks{0x2a2624, 0xb8322a, 0x2c3f86, 0x2f7d4f, 0xa8741e, 0x6a3282, 0x1f7480};
    painter.setClipPath(FaceClip(theme, scale));
    InkCircle(painter, Square(area, 1.16, {0, -0.04}), Alpha(Rgb(Inks[(kind - 1) % Inks.size()]), 200), kind, scale);
    Hero hero = KindEntry(Swordsmen, kind);
    hero.leftHand = kind % 2 == 0;
    DrawHero(painter, FaceRect(theme, scale), hero, {0x2a2020, 0.8}, scale);
}

// --- 24 board-game players and pieces ------------------------------------------------------------

// The chess pieces are one set: every piece the same solid ebony with a light rim. The font draws
// the king's and queen's crowns as white openings inside their outlines; the body is filled as the
// union of the outlines, and those openings come back only as fine grey lines.
void ChessPiece(QPainter& painter, const QRectF& area, const QString& glyph, int scale)
{
    const QPainterPath path = GlyphPath(glyph, QStringLiteral("DejaVu Sans"), QFont::Normal,
                                        std::min(area.height(), area.width()) * 1.0, area.center());
    QPainterPath body;
    for (const QPolygonF& outline : path.toSubpathPolygons()) {
        QPainterPath part;
        part.addPolygon(outline);
        part.closeSubpath();
        body = body.united(part);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 55));
    painter.drawPath(body.translated(scale, 1.4 * scale));
    const QRectF bounds = body.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomRight());
    gradient.setColorAt(0, QColor(96, 88, 100));
    gradient.setColorAt(1, QColor(18, 14, 22));
    painter.setBrush(gradient);
    painter.setPen(QPen(QColor(250, 240, 220), 0.7 * scale));
    painter.drawPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(122, 114, 130));
    painter.drawPath(body.subtracted(path));
}

// A xiangqi piece: a disc with a ring and one large character in its side's colour. Each rank has
// a wood of its own, the same on both sides, so a glance tells the ranks apart.
void XiangqiPiece(QPainter& painter, const QRectF& area, const QString& name, int rank, bool red, int scale)
{
    static const std::array<std::array<unsigned, 2>, 7> Woods{{{0xffe27a, 0xd8a020},
                                                               {0xf4f0e6, 0xc8c0b0},
                                                               {0xc8ecc4, 0x78b070},
                                                               {0xcfe4fa, 0x7aa0d0},
                                                               {0xf6d6b0, 0xc08850},
                                                               {0xcaf2ee, 0x6cbcb4},
                                                               {0xe4d8f4, 0xa890cc}}};
    const QRectF disc = Square(area, 1.12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawEllipse(disc.translated(scale, 1.5 * scale));
    Disc(painter, disc, Rgb(Woods[rank][0]), Rgb(Woods[rank][1]), QColor(120, 76, 34), scale);
    const QColor ink = red ? QColor(200, 28, 24) : QColor(24, 24, 30);
    painter.setPen(QPen(ink, 1.0 * scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(Square(disc, 0.84));
    const QPainterPath glyph = GlyphPath(name, QStringLiteral("Noto Serif CJK SC"), QFont::Black,
                                         disc.height() * 0.58, disc.center(), disc.width() * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(glyph);
}

void GoStones(QPainter& painter, const QRectF& area, int scale)
{
    const QRectF black = Square(area, 0.7, {-0.16, -0.12});
    const QRectF white = Square(area, 0.7, {0.16, 0.14});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 55));
    painter.drawEllipse(black.translated(scale, 1.5 * scale));
    painter.drawEllipse(white.translated(scale, 1.5 * scale));
    Disc(painter, black, QColor(110, 110, 118), QColor(8, 8, 12), QColor(0, 0, 0), 0.6 * scale);
    Disc(painter, white, QColor(255, 255, 255), QColor(200, 198, 192), QColor(120, 118, 110), 0.6 * scale);
}

// Kinds 1-6 the chess pieces, 7-13 the red xiangqi side, 14-20 the black side, 21 a pair of go stones.
void BoardGameSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    static const std::array<const char*, 6> Chess{"♚", "♛", "♜", "♝", "♞", "♟"};
    static const std::array<const char*, 7> RedSide{"帥", "仕", "相", "俥", "傌", "炮", "兵"};
    static const std::array<const char*, 7> BlackSide{"將", "士", "象", "車", "馬", "砲", "卒"};
    if (kind <= 6)
        ChessPiece(painter, area, QString::fromUtf8(KindEntry(Chess, kind)), scale);
    else if (kind <= 13)
        XiangqiPiece(painter, area, QString::fromUtf8(KindEntry(RedSide, kind, 7)), kind - 7, true, scale);
    else if (kind <= 20)
        XiangqiPiece(painter, area, QString::fromUtf8(KindEntry(BlackSide, kind, 14)), kind - 14, false, scale);
    else
        GoStones(painter, area, scale);
}

// --- 27 desserts and biscuits --------------------------------------------------------------------

void SweetSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    if (kind <= int(Sweets.size()))
        Emoji(painter, Square(area, 1.04), KindEntry(Sweets, kind));
    else
        BiscuitSubject(painter, area, kind - int(Sweets.size()), scale);
}

// --- 28 fresh fruit ------------------------------------------------------------------------------

void FruitSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    if (kind <= int(Fruit.size()))
        Emoji(painter, Square(area, 1.04), KindEntry(Fruit, kind));
    else
        DrawnFruit(painter, area, kind - int(Fruit.size()), scale);
}

// --- 29 the zodiac: Western signs and Chinese animals on gold-rimmed medallions -----------------

void ZodiacSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    // Each sign has a medallion of its own colour round the hue circle, the Western signs bright,
    // the Chinese animals deep, so no two share one.
    const int sign = (kind - 1) % 12;
    const qreal hue = std::fmod(sign * 5.0 / 12.0 + (kind > 12 ? 1.0 / 24 : 0.0), 1.0);
    const QColor light = QColor::fromHsvF(float(hue), kind > 12 ? 0.55f : 0.42f, kind > 12 ? 0.9f : 1.0f);
    const QColor dark = QColor::fromHsvF(float(hue), 0.85f, kind > 12 ? 0.5f : 0.72f);
    const QRectF medallion = Square(area, 1.12);
    Disc(painter, medallion, light, dark, QColor(236, 186, 60), 1.6 * scale);
    if (kind > 12) {
        Emoji(painter, Square(area, 0.8), KindEntry(ChineseZodiac, kind, 13));
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 190));
    for (int i = 0; i < 5; ++i) {
        const qreal angle = -Pi * 0.9 + i * Pi * 0.47;
        const QPointF at = medallion.center() + QPointF(std::cos(angle), std::sin(angle)) * medallion.width() * 0.36;
        painter.drawPath(StarPath(at, 1.6 * scale, 0.6 * scale, 4));
    }
    const QPainterPath glyph = GlyphPath(QString(QChar(char16_t(0x2648 + sign))), QStringLiteral("DejaVu Sans"), QFont::Bold, medallion.height() * 0.52,
                                         medallion.center(), medallion.width() * 0.56);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(glyph.translated(0.6 * scale, 0.9 * scale));
    painter.setBrush(QColor(255, 255, 255));
    painter.setPen(QPen(QColor(255, 255, 255), 0.5 * scale));
    painter.drawPath(glyph);
}

// --- faces ---------------------------------------------------------------------------------------

TileFace Face(unsigned top, unsigned bottom, unsigned side, unsigned outline)
{
    return {Rgb(top), Rgb(bottom), Rgb(side), Rgb(outline)};
}

} // namespace

ThemeArt ThemeArtHigh(int theme)
{
    switch (theme) {
    case 15: return {Face(0xfff8f0, 0xf2e2d2, 0xb8456e, 0x6e2140), FilmSubject};
    case 16: return {Face(0xf6f9fc, 0xd9e2ec, 0x5a7896, 0x2c3e52), DeviceSubject};
    case 17: return {Face(0xfffbea, 0xf4e7c0, 0xdc8f2e, 0x7e4d0e), TownSubject};
    case 18: return {Face(0xf6f6f4, 0xdcdad6, 0xa8262e, 0x4e1014), FighterSubject};
    case 19: return {Face(0xf7fff4, 0xdcefd8, 0x3f8f42, 0x1d5320), BallGameSubject};
    case 20: return {Face(0xf6f3ff, 0xdcd4f0, 0x5b40a0, 0x281a58), BeastSubject};
    case 21: return {Face(0xfff7f9, 0xf6dde4, 0xe07c9a, 0x8c3656), AnimalSubject};
    case 22: return {Face(0xffffff, 0xeaf0f8, 0x49a0e2, 0x1d5a8e), DigitSubject};
    case 23: return {Face(0xf8f0dc, 0xe4d2ac, 0x6e4a2a, 0x36220f), HeroSubject};
    case 24: return {Face(0xfaf0da, 0xe8d0a4, 0x8a5a2a, 0x482c10), BoardGameSubject};
    case 25: return {Face(0xfbfff0, 0xe4efc4, 0x86a23a, 0x465a12), PocketCreatureSubject};
    case 26: return {Face(0xf2faff, 0xd3e8f6, 0x2f6ed0, 0x15346e), MascotSubject};
    case 27: return {Face(0xfff9ef, 0xf3e0c8, 0x7c4a2c, 0x40231a), SweetSubject};
    case 28: return {Face(0xfffdf4, 0xf0ead6, 0x5b9e4d, 0x2c5a22), FruitSubject};
    case 29: return {Face(0xf2f3ff, 0xd2d6f2, 0x3d418e, 0x1b1d50), ZodiacSubject};
    default: return {};
    }
}

} // namespace llk::assets
