// Themes 12 and 22: numerals set in a heavy CJK face. Theme 12 shows Chinese numerals in three
// families, each with an outline of its own: 一 to 十 cut white into red square seals, 壹 to 拾
// (the forms written on cheques) in dark ink standing free, and the number words 零, 百, 千…
// white on round jade discs. Theme 22 shows the numbers 1 to 36 in bright, outlined digits,
// each digit in a colour of its own wherever it stands.
#include "assets/tiles/drawn.h"

#include <QLinearGradient>

#include <array>

namespace llk::assets {

namespace {

const QString Sans = QStringLiteral("Noto Sans CJK SC");

const char* const Small[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
const char* const Capital[] = {"壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖", "拾"};
const char* const Words[][2] = {{"ling", "零"}, {"liang", "两"}, {"nian", "廿"}, {"sa", "卅"},   {"bai", "百"},
                                {"qian", "千"}, {"wan", "万"},   {"yi", "亿"},   {"zhao", "兆"}, {"ban", "半"}};

// Digit 0 to 9; neighbouring digits are far apart in hue, so that 31 to 36 differ at a glance.
constexpr std::array<QRgb, 10> DigitColours{0x25282e, 0xe0302f, 0x2f6fe0, 0x2e9e3a, 0xf08a10,
                                            0x8e44ad, 0x10a0a0, 0xd63f9a, 0x8a5a2a, 0x3a3fb0};

// The discs of the number words take turns through cool enamels.
constexpr std::array<QRgb, 5> DiscColours{0x168060, 0x1f5fa8, 0x6a3a9a, 0x0f7a8a, 0x8a2a4a};

// Numerals may fill a little more of the face than a picture: their strokes leave it airy.
QRectF NumeralBox(const QRectF& face)
{
    const QSizeF size = face.size() * 0.82;
    return {face.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

QRectF CentredSquare(const QRectF& box, qreal share)
{
    const qreal side = qMin(box.width(), box.height()) * share;
    return {box.center() - QPointF(side / 2, side / 2), QSizeF(side, side)};
}

// Seals take turns in red, vermilion and raspberry, so that 二 and 三 never share one.
constexpr std::array<QRgb, 3> SealColours{0xc42428, 0xe0601a, 0x9a1f50};

void DrawSeal(QPainter& painter, const QRectF& box, const QString& numeral, int index, int scale)
{
    const QRectF seal = CentredSquare(box, 1.0);
    const QColor red(SealColours[size_t(index) % SealColours.size()]);
    QLinearGradient fill(seal.topLeft(), seal.bottomRight());
    fill.setColorAt(0, red.lighter(115));
    fill.setColorAt(1, red.darker(115));
    painter.setPen(QPen(red.darker(160), 1.0 * scale));
    painter.setBrush(fill);
    painter.drawRoundedRect(seal, 3.0 * scale, 3.0 * scale);
    QPainterPath glyph = CentredGlyphs(numeral, Sans, QFont::Black, seal.height() * 0.84);
    glyph.translate(seal.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 246, 228));
    painter.drawPath(glyph);
}

void DrawInk(QPainter& painter, const QRectF& box, const QString& numeral, int scale)
{
    const QRectF square = CentredSquare(box, 1.0);
    QPainterPath glyph = CentredGlyphs(numeral, Sans, QFont::Black, square.height());
    glyph.translate(square.center());
    // A thin pen of the same ink thickens the hair strokes of 壹 and 贰 into lines that show at 1x.
    const QColor ink(28, 40, 96);
    painter.setPen(QPen(ink, 0.6 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    painter.drawPath(glyph);
}

void DrawDisc(QPainter& painter, const QRectF& box, const QString& word, int index, int scale)
{
    const QRectF disc = CentredSquare(box, 1.0);
    const QColor jade(DiscColours[size_t(index) % DiscColours.size()]);
    QLinearGradient fill(disc.topLeft(), disc.bottomLeft());
    fill.setColorAt(0, jade.lighter(125));
    fill.setColorAt(1, jade.darker(115));
    painter.setPen(QPen(jade.darker(160), 1.0 * scale));
    painter.setBrush(fill);
    painter.drawEllipse(disc.adjusted(0.5 * scale, 0.5 * scale, -0.5 * scale, -0.5 * scale));
    QPainterPath glyph = CentredGlyphs(word, Sans, QFont::Black, disc.height() * 0.7);
    glyph.translate(disc.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(glyph);
}

// A number of one or two digits, each digit filled with its colour, the whole outlined in white
// with a dark rim so that it stands on any face.
void DrawNumber(QPainter& painter, const QRectF& box, int number, int scale)
{
    const QString text = QString::number(number);
    const qreal rim = 1.6 * scale;
    QPainterPath whole = CentredGlyphs(text, Sans, QFont::Black, 100);
    // The outline grows the number by `rim` all round: fit what is inside it.
    const QRectF inner = box.adjusted(rim, rim, -rim, -rim);
    const QRectF bounds = whole.boundingRect();
    const qreal factor = qMin(inner.width() / bounds.width(), inner.height() / bounds.height());
    QTransform transform;
    transform.translate(inner.center().x(), inner.center().y());
    transform.scale(factor, factor);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    whole = transform.map(whole);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(40, 40, 60), 2 * rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(whole);
    painter.setPen(QPen(Qt::white, 2 * rim - 1.2 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(whole);
    painter.setPen(Qt::NoPen);
    // Each digit in its own colour: the glyph of one digit, placed where it sits in the whole.
    QFont font(Sans);
    font.setWeight(QFont::Black);
    font.setPixelSize(100);
    qreal x = 0;
    const QFontMetricsF metrics(font);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QPointF shift = -raw.boundingRect().center();
    for (QChar digit : text) {
        QPainterPath one;
        one.addText(x, 0, font, QString(digit));
        x += metrics.horizontalAdvance(digit);
        const QColor colour(DigitColours[digit.digitValue()]);
        const QPainterPath placed = transform.map(one.translated(shift));
        QLinearGradient fill(placed.boundingRect().topLeft(), placed.boundingRect().bottomLeft());
        fill.setColorAt(0, colour.lighter(135));
        fill.setColorAt(1, colour.darker(110));
        painter.setBrush(fill);
        painter.drawPath(placed);
    }
}

} // namespace

QStringList NumeralNames(int theme)
{
    QStringList names;
    if (theme == 12) {
        for (int n = 1; n <= 10; ++n)
            names << QStringLiteral("numeral-small-%1").arg(n);
        for (int n = 1; n <= 10; ++n)
            names << QStringLiteral("numeral-capital-%1").arg(n);
        for (const auto& word : Words)
            names << QStringLiteral("numeral-word-%1").arg(QLatin1String(word[0]));
    } else if (theme == 22) {
        for (int n = 1; n <= 36; ++n)
            names << QStringLiteral("number-%1").arg(n);
    }
    return names;
}

void DrawNumeral(QPainter& painter, const QRectF& face, int theme, const QString& picture, int scale)
{
    painter.setRenderHints(QPainter::Antialiasing);
    const int index = int(NumeralNames(theme).indexOf(picture));
    if (index < 0)
        return;
    const QRectF box = NumeralBox(face);
    if (theme == 22)
        // Two digits side by side may take almost the face's whole width.
        DrawNumber(painter, box.adjusted(-face.width() * 0.05, 0, face.width() * 0.05, 0), index + 1, scale);
    else if (index < 10)
        DrawSeal(painter, box, QString::fromUtf8(Small[index]), index, scale);
    else if (index < 20)
        DrawInk(painter, box, QString::fromUtf8(Capital[index - 10]), scale);
    else
        DrawDisc(painter, box, QString::fromUtf8(Words[index - 20][1]), index - 20, scale);
}

} // namespace llk::assets
