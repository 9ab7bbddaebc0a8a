// Themes 0-14: each Theme's tile colours and the subject of every TileKind.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/theme_art.h"

#include <QRadialGradient>

#include <array>
#include <span>

namespace llk::assets {

namespace {

// Subjects taken from Noto Color Emoji, one per TileKind in order.
const char* const Pets[] = {
    "🐶", "🐱", "🐰", "🐼", "🦊", "🐸", "🐧", "🐢", "🐟", "🦉", "🐹", "🐭", "🐻", "🐨",
    "🐯", "🦁", "🐮", "🐷", "🐵", "🐔", "🐤", "🦆", "🦅", "🦇", "🐺", "🐗", "🐴", "🦄",
    "🐝", "🐛", "🦋", "🐌", "🐞", "🐍", "🐦", "🐙", "🪼", "🦐", "🦀", "🐠", "🐡", "🐬",
    "🐳", "🦈", "🐊", "🐆", "🦓", "🦍", "🐘", "🦛", "🦏", "🐪", "🦒", "🦘", "🐑", "🐐",
    "🦌", "🦃", "🦚", "🦜", "🦫", "🦩", "🦝", "🦨", "🦦", "🦥", "🐿️", "🦔", "🦭", "🦙",
};

const char* const Kitchen[] = {
    "🍳", "🫑", "🥤", "🔪", "🥢", "🍱", "🫖", "🥡", "🫘", "🧃", "🥜", "🧊", "🫛", "🫙", "🥫",
    "🧈", "🍞", "🥟", "🥖", "🧀", "🍛", "🥓", "🫚", "🥣", "🥗", "🍲", "🍤", "🥩", "🍝", "🍜",
    "🍙", "🥕", "🥦", "🍣", "🧅", "🥒", "🌽", "🍆", "🥔", "🌶️", "🍄", "🍗", "🧽",
};

const char* const ChildrenAndToys[] = {
    "👶", "🍼", "👦", "👧", "🧸", "🪁", "🪃", "⚽", "🏀", "🎈", "🎨", "🎠", "🎡", "🎢",
    "🚂", "🛴", "🚲", "🛹", "🎮", "🧩", "🪆", "🎲", "🎯", "🎳", "🏓", "🎏", "🍭", "🎁",
    "🎺", "🥁", "🎹", "🎸", "🪅", "🛝", "🧮", "🖍️", "📚", "🎒", "🚀", "🚁", "✈️", "🚗",
    "🚜", "⛵", "🦖", "🤖", "🏰", "⛄", "🎪", "🤹", "🥏", "🤸", "🏊", "🛷",
};

const char* const Signs[] = {
    "⚠️", "🚸", "⛔", "🚫", "🧯", "🚭", "⚡", "♨️", "🚰", "🛗", "🔞", "♻️", "☢️",
    "☣️", "🔰", "⚜️", "🏁", "✅", "❌", "❓", "❗", "♿", "🚻", "🅿️", "🉐", "🆘",
    "🈵", "🏧", "🚮", "🛂", "⚕️", "🔱", "📶", "♾️", "🚥", "🛑", "🚧", "⚓",
};

const char* const Clothes[] = {
    "👕", "👖", "👗", "👔", "🧥", "🥼", "🦺", "👘", "🥻", "🩱", "🩲", "🩳", "👙", "🥋",
    "🧣", "🧤", "🧦", "👒", "🎩", "🧢", "👑", "⛑️", "🪖", "🎓", "👓", "🕶️", "🥽", "👞",
    "👟", "🥾", "🥿", "👠", "👡", "🩰", "👢", "👛", "👜", "💍", "🎒", "🩴",
};

const char* const Magic[] = {
    "🔮", "🪄", "🎩", "✨", "⏳", "🧪", "📜", "🕯️", "🗝️", "🌠",
    "🪶", "🪔", "🃏", "🌙", "🏺", "🌀", "🧿", "🧹", "🪞", "🐈‍⬛",
};

const char* const CartoonCharacters[] = {
    "🤡", "🤠", "👻", "👽", "🥸", "🎅", "🧙", "🧚", "🧛", "🧜‍♀️", "🧝",
    "🧞", "🧟", "🦸", "🦹", "🥷", "👸", "🕺", "🧌", "👼", "🧑‍🚀",
};

std::span<const char* const> EmojiList(int theme)
{
    switch (theme) {
    case 0: return Pets;
    case 2: return Kitchen;
    case 3: return ChildrenAndToys;
    case 4: return Signs;
    case 8: return Clothes;
    case 10: return Magic;
    case 14: return CartoonCharacters;
    default: return {};
    }
}

void EmojiSubject(QPainter& painter, const QRectF& area, int theme, int kind, int)
{
    const std::span<const char* const> list = EmojiList(theme);
    if (kind >= 1 && kind <= int(list.size()))
        DrawEmoji(painter, area, QString::fromUtf8(list[kind - 1]));
}

// Kitchen things stand on a pale china plate, which also lifts the white and steel ones off the face.
void KitchenSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.16;
    const QRectF plate(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    QRadialGradient china(plate.center(), side / 2);
    china.setColorAt(0, QColor(214, 231, 240));
    china.setColorAt(0.78, QColor(186, 210, 226));
    china.setColorAt(1, QColor(120, 158, 186));
    painter.setPen(Qt::NoPen);
    painter.setBrush(china);
    painter.drawEllipse(plate);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 0.8 * scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(plate.adjusted(side * 0.12, side * 0.12, -side * 0.12, -side * 0.12));
    EmojiSubject(painter, plate.adjusted(side * 0.09, side * 0.09, -side * 0.09, -side * 0.09), theme, kind, scale);
}

// Magic things glow.
void MagicSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.15;
    QRadialGradient glow(area.center(), side / 2);
    glow.setColorAt(0, QColor(190, 150, 255, 150));
    glow.setColorAt(0.6, QColor(160, 120, 240, 70));
    glow.setColorAt(1, QColor(160, 120, 240, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(area.center(), side / 2, side / 2);
    EmojiSubject(painter, area, theme, kind, scale);
}

// Face top, face bottom, side, outline: ivory-like faces, each Theme with its own edge colour.
constexpr std::array<std::array<QRgb, 4>, 15> FaceColours{{
    {0xfffcf3, 0xf1e8d6, 0xc9a77a, 0x7a5a36}, // 0 pets: warm ivory, caramel edge
    {0xfdfbff, 0xe9e4f4, 0x8a78c8, 0x433878}, // 1 glossy pieces: violet edge
    {0xfffdf6, 0xeef0e4, 0x7fae8c, 0x3f6650}, // 2 kitchen: sage edge
    {0xfffbf0, 0xfbe9d0, 0xef9a6a, 0x9a4f2a}, // 3 children and toys: peach edge
    {0xfdfdfb, 0xe8ebee, 0x8d9aab, 0x465364}, // 4 signs: slate edge
    {0xf9fbff, 0xe3e9f4, 0x6d8fc7, 0x2f4a7a}, // 5 crystals: steel blue edge
    {0xfffdf5, 0xf1ebd9, 0xd4ad5c, 0x7d6125}, // 6 folders: gold edge
    {0xfbfbfb, 0xe6e6e6, 0x8f8f97, 0x4a4a52}, // 7 round buttons: silver edge
    {0xfffaf7, 0xf4e6e2, 0xc98a9a, 0x7a4552}, // 8 clothes: rose edge
    {0xfdfdf8, 0xeeeee4, 0x4f9a7c, 0x2c5e4a}, // 9 mahjong: jade edge
    {0xfbf8ff, 0xe8e0f6, 0x7b5aa6, 0x3c2a5e}, // 10 magic: deep purple edge
    {0xfffaf0, 0xf6e6c8, 0xc4463a, 0x7a2218}, // 11 dragon and festival: lacquer red edge
    {0xfdfeff, 0xe4eef6, 0x4fa3c9, 0x235b75}, // 12 numbers: sky edge
    {0xfbfcf8, 0xe7ecdf, 0x8aa35a, 0x4b5e28}, // 13 folders, second style: olive edge
    {0xfffbf6, 0xf8e8ee, 0xd65d9e, 0x7e2a58}, // 14 cartoon characters: magenta edge
}};

SubjectPainter SubjectFor(int theme)
{
    switch (theme) {
    case 1: return GamePieceSubject;
    case 2: return KitchenSubject;
    case 10: return MagicSubject;
    case 5: return CrystalSubject;
    case 6: return FolderSubject;
    case 7: return ButtonSubject;
    case 9: return MahjongSubject;
    case 11: return FestivalSubject;
    case 12: return NumberSubject;
    case 13: return ModernFolderSubject;
    default: return EmojiSubject;
    }
}

} // namespace

ThemeArt ThemeArtLow(int theme)
{
    if (theme < 0 || theme >= int(FaceColours.size()))
        return {};
    const auto& colours = FaceColours[theme];
    return {{QColor(colours[0]), QColor(colours[1]), QColor(colours[2]), QColor(colours[3])}, SubjectFor(theme)};
}

} // namespace llk::assets
