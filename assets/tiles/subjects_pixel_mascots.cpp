// Theme 26: game mascots as crisp pixel sprites, whole cells at either scale.
#include "assets/tiles/drawn_subjects_high.h"
#include "assets/tiles/subject_drawing.h"

#include <QRect>
#include <QtMath>

#include <algorithm>
#include <array>

namespace llk::assets {

namespace {

// Pixel sprites of twelve by twelve cells, one letter a colour (see PixelColour), '.' clear.
using PixelSprite = std::array<const char*, 12>;
constexpr std::array<PixelSprite, 22> Mascots{{
    {{// slime
      "............",
      ".....kk.....",
      "....kggk....",
      "...kgggwk...",
      "..kgggggwk..",
      ".kggkggkggk.",
      ".kggkggkggk.",
      "kggggggggggk",
      "kggggkkggggk",
      "kGggggggggGk",
      ".kGGGGGGGGk.",
      "..kkkkkkkk.."}},
    {{// ghost
      "....kkkk....",
      "..kkwwwwkk..",
      ".kwwwwwwwwk.",
      ".kwwwwwwwwk.",
      "kwwBBwwBBwwk",
      "kwwBBwwBBwwk",
      "kwwwwwwwwwwk",
      "kwnwwwwwwnwk",
      "kwwwwwwwwwwk",
      "kwwwwwwwwwwk",
      "kwwkwwwwkwwk",
      ".kk.kkkk.kk."}},
    {{// apple
      "......k.....",
      ".....k.kgg..",
      "...kkkkkgk..",
      "..krrrkrrrk.",
      ".krwrrrrrrrk",
      ".krwrrrrrrrk",
      ".krrkrrrkrrk",
      ".krrkrrrkrrk",
      ".krrrrkrrrrk",
      "..krrrrrrrk.",
      "...kkk.kkk..",
      "............"}},
    {{// alien
      "....kkkk....",
      "..kkggggkk..",
      ".kggggggggk.",
      "kggggggggggk",
      "kgkkggggkkgk",
      "kgkkkggkkkgk",
      "kggkkggkkggk",
      ".kggggggggk.",
      "..kggkkggk..",
      "...kggggk...",
      "....kkkk....",
      "............"}},
    {{// robot
      ".....rr.....",
      ".....kk.....",
      ".....kk.....",
      ".kkkkkkkkkk.",
      ".kllllllllk.",
      ".klcclllcck.",
      ".klcclllcck.",
      ".kllllllllk.",
      ".klkakakklk.",
      ".kllllllllk.",
      ".kkkkkkkkkk.",
      "..kAk..kAk.."}},
    {{// skull
      "...kkkkkk...",
      "..kwwwwwwk..",
      ".kwwwwwwwwk.",
      ".kwwwwwwwwk.",
      ".kwkkwwkkwk.",
      ".kwkkwwkkwk.",
      ".kwwwwwwwwk.",
      "..kwwkkwwk..",
      "...kwwwwk...",
      "...kwkwkwk..",
      "...kkkkkk...",
      "............"}},
    {{// bat
      "............",
      ".k..k..k..k.",
      "kpk.kkkk.kpk",
      "kppkppppkppk",
      "kppkpwpwkppk",
      "kpppppppppk.",
      "kpkppnnppkpk",
      "kk.kppppk.kk",
      "....kppk....",
      ".....kk.....",
      "............",
      "............"}},
    {{// cat
      ".k........k.",
      ".kk......kk.",
      ".kok....kok.",
      ".kookkkkook.",
      ".kooooooook.",
      "kooooooooook",
      "kookkookkook",
      "kooooooooook",
      "koooonnooook",
      "kwoooooooowk",
      ".kooooooook.",
      "..kkkkkkkk.."}},
    {{// frog
      "..kkk..kkk..",
      ".kwwwkkwwwk.",
      ".kwkwkkwkwk.",
      "kgwwwggwwwgk",
      "kggggggggggk",
      "kggggggggggk",
      "kgkggggggkgk",
      "kggkkkkkkggk",
      ".kggggggggk.",
      "kgkkggggkkgk",
      "kk.kkkkkk.kk",
      "............"}},
    {{// chick
      "....kkkk....",
      "...kyyyyk...",
      "..kyyyyyyk..",
      "..kykyykyk..",
      "..kyyooyyk..",
      ".kyyyooyyyk.",
      "kyyyyyyyyyyk",
      "kyYyyyyyyYyk",
      "kyYYyyyyYYyk",
      ".kyyyyyyyyk.",
      "..kkokkokk..",
      "...kk..kk..."}},
    {{// pig
      "..kk....kk..",
      ".knnk..knnk.",
      ".knnnkkknnk.",
      ".knnnnnnnnk.",
      "knnknnnnknnk",
      "knnknnnnknnk",
      "knnnNNNNnnnk",
      "knnnNkNknnnk",
      "knnnNNNNnnnk",
      ".knnnnnnnnk.",
      "..kkkkkkkk..",
      "............"}},
    {{// bunny
      "..kk....kk..",
      ".kwwk..kwwk.",
      ".kwnk..kwnk.",
      ".kwnk..kwnk.",
      ".kwwkkkkwwk.",
      ".kwwwwwwwwk.",
      "kwwkwwwwkwwk",
      "kwwkwwwwkwwk",
      "kwnwwnnwwnwk",
      ".kwwwwwwwwk.",
      "..kkkkkkkk..",
      "............"}},
    {{// penguin
      "....kkkk....",
      "...kBBBBk...",
      "..kBBBBBBk..",
      "..kBwkwwkBk.",
      ".kBBwwoowBk.",
      ".kBwwwwwwBk.",
      "kBBwwwwwwBBk",
      "kBBwwwwwwBBk",
      ".kBwwwwwwBk.",
      "..kBwwwwBk..",
      "..kookkook..",
      "...kk..kk..."}},
    {{// octopus
      "....kkkk....",
      "..kkppppkk..",
      ".kppppppppk.",
      ".kpwwppwwpk.",
      ".kpkwppkwpk.",
      ".kppppppppk.",
      ".kpppnnpppk.",
      "kpkpkppkpkpk",
      "kpkpkppkpkpk",
      "kpkpk..kpkpk",
      ".k.k....k.k.",
      "............"}},
    {{// fish
      "............",
      "...kkk......",
      "..kbbbk..kk.",
      ".kbbbbbkkbk.",
      "kbwkbbbbbbk.",
      "kbkkbbbbbk..",
      "kbbbbbbbbk..",
      ".kbbbbbbbbk.",
      "..kbbbbkkbk.",
      "...kkkk..kk.",
      "............",
      "............"}},
    {{// knight
      ".....rrr....",
      "....rrk.....",
      "...kkkkkk...",
      "..klaaaaak..",
      ".klaaaaaaak.",
      ".kaaaaaaaak.",
      ".kkkkkkkkkk.",
      ".kakakakaak.",
      ".kaaaaaaaak.",
      ".kaakkkkaak.",
      "..kaaaaaak..",
      "...kkkkkk..."}},
    {{// heart
      "............",
      ".kkk....kkk.",
      "knnnk..knnnk",
      "knwnnkknnnnk",
      "knnnnnnnnnnk",
      "knnknnnnknnk",
      "knnknnnnknnk",
      ".knnnNNnnnk.",
      "..knnnnnnk..",
      "...knnnnk...",
      "....knnk....",
      ".....kk....."}},
    {{// star
      ".....kk.....",
      "....kyyk....",
      "....kyyk....",
      "kkkkyyyykkkk",
      "kyyyyyyyyyyk",
      ".kyykyykyyk.",
      "..kykyykyk..",
      "..kyyyyyyk..",
      ".kyyyooyyyk.",
      ".kyykkkkyyk.",
      "kyyk....kyyk",
      "kkk......kkk"}},
    {{// bomb
      "........k.o.",
      ".......k.oyo",
      "......k...o.",
      "....kkkk....",
      "..kkAAAAkk..",
      ".kAAAwAAAAk.",
      ".kAAwAAAAAk.",
      "kAAAAAAAAAAk",
      "kAAkAAAAkAAk",
      "kAAAAAAAAAAk",
      ".kAAAAAAAAk.",
      "..kkkkkkkk.."}},
    {{// cactus
      ".....kk.....",
      "....kggk....",
      "....kggk.k..",
      ".k..kggkkgk.",
      "kgk.kggkkgk.",
      "kgkkkgkgkgk.",
      "kggggggggk..",
      ".kkkkggkkk..",
      "....kggk....",
      "..kkeeeekk..",
      "..keeeeeek..",
      "...kkkkkk..."}},
    {{// dino
      "....kkkkk...",
      "...kgggggk..",
      "...kgwkgggk.",
      "...kggggggk.",
      "...kgggkkkk.",
      "k..kgggk....",
      "kk.kggggkk..",
      "kgkkggggk...",
      "kggggggggk..",
      ".kggggggk...",
      "..kgk.kgk...",
      "..kk..kk...."}},
    {{// bee
      "............",
      ".kk......kk.",
      "kwwk....kwwk",
      "kwwwk..kwwwk",
      ".kwwkkkkwwk.",
      "..kyyyyyyk..",
      ".kykyyyykyk.",
      ".kyyyoyyyyk.",
      ".kkkkkkkkkk.",
      ".kyyyyyyyyk.",
      "..kkkkkkkk..",
      ".....kk....."}},
}};

QColor PixelColour(char cell)
{
    switch (cell) {
    case 'k': return Rgb(0x1f1d2b);
    case 'w': return Rgb(0xffffff);
    case 'l': return Rgb(0xdfe4ec);
    case 'a': return Rgb(0x9aa1b0);
    case 'A': return Rgb(0x4e5468);
    case 'r': return Rgb(0xe8403c);
    case 'o': return Rgb(0xf7932a);
    case 'y': return Rgb(0xffd83a);
    case 'Y': return Rgb(0xd99a1a);
    case 'g': return Rgb(0x5acd48);
    case 'G': return Rgb(0x2b8a3c);
    case 'b': return Rgb(0x3b8df2);
    case 'B': return Rgb(0x274fae);
    case 'c': return Rgb(0x5fe3ec);
    case 'p': return Rgb(0x9b5df0);
    case 'n': return Rgb(0xff8fbb);
    case 'N': return Rgb(0xe0528c);
    case 'e': return Rgb(0xa05c2c);
    case 's': return Rgb(0xffd2a6);
    default: return Qt::transparent;
    }
}

} // namespace

void MascotSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const PixelSprite& sprite = KindEntry(Mascots, kind);
    const int cell = qMax(1, qRound(std::min(area.width(), area.height()) / 12 / scale)) * scale;
    const QPoint origin(qRound(area.center().x() - 6 * cell), qRound(area.center().y() - 6 * cell));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < 12; ++row) {
            for (int col = 0; col < 12; ++col) {
                const QColor colour = PixelColour(sprite[row][col]);
                if (colour.alpha() == 0)
                    continue;
                const QRect box(origin.x() + col * cell, origin.y() + row * cell, cell, cell);
                if (pass == 0)
                    painter.fillRect(box.translated(scale, scale), QColor(0, 0, 0, 60));
                else
                    painter.fillRect(box, colour);
            }
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
}

} // namespace llk::assets
