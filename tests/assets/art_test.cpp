// Checks of the window's artwork, the four sounds, the help text and the Background folder as the
// build made them.
#include "assets/artwork.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QStringDecoder>
#include <QtEndian>

#include <array>
#include <vector>

namespace {

using llk::assets::Art;
using llk::assets::Artwork;

// ---- Link pieces ---------------------------------------------------------------------------

// Where each piece's path runs from its centre, the middle of the picture's 12 x 12 centre box.
enum Side { Left, Right, Top, Bottom };
constexpr QPoint PathCentre{26, 25};

struct PieceCase {
    int member;
    std::array<Side, 2> sides;
};

const PieceCase Pieces[] = {
    {1, {Left, Right}}, {2, {Top, Bottom}},  {3, {Right, Bottom}},
    {4, {Top, Right}},  {5, {Left, Bottom}}, {6, {Top, Left}},
};

double Lightness(QRgb pixel) { return (0.2126 * qRed(pixel) + 0.7152 * qGreen(pixel) + 0.0722 * qBlue(pixel)) / 255.0; }

// The pixels across the path's arm towards `side`, at a third of the way from the centre to the edge.
std::vector<QRgb> AcrossArm(const QImage& image, Side side, int scale)
{
    std::vector<QRgb> pixels;
    const QPoint c = PathCentre * scale;
    const bool horizontal = side == Left || side == Right;
    const int along = side == Left    ? c.x() * 2 / 3
                      : side == Right ? (image.width() + 2 * c.x()) / 3
                      : side == Top   ? c.y() * 2 / 3
                                      : (image.height() + 2 * c.y()) / 3;
    for (int d = -12 * scale; d <= 12 * scale; ++d)
        pixels.push_back(horizontal ? image.pixel(along, c.y() + d) : image.pixel(c.x() + d, along));
    return pixels;
}

// True when no pixel of `image` beyond the centre's glow, towards `side`, is drawn.
bool BlankTowards(const QImage& image, Side side, int scale)
{
    const int reach = 14 * scale;
    const QPoint c = PathCentre * scale;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool beyond = side == Left    ? x < c.x() - reach
                                : side == Right ? x > c.x() + reach
                                : side == Top   ? y < c.y() - reach
                                                : y > c.y() + reach;
            if (beyond && qAlpha(image.pixel(x, y)) != 0)
                return false;
        }
    }
    return true;
}

TEST(LinkPiece, RunsABoldWarmPathFromTheCentreToItsTwoEdgesOnly)
{
    for (const PieceCase& piece : Pieces) {
        for (int scale : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "piece " << piece.member << " at " << scale << "x");
            const QImage image = llk::assets::LinkPiece(piece.member, scale).convertToFormat(QImage::Format_ARGB32);
            const QRgb centre = image.pixel(PathCentre * scale);
            EXPECT_GT(qAlpha(centre), 200);
            EXPECT_GT(qRed(centre), qBlue(centre) + 80) << "the path is warm";
            for (Side side : {Left, Right, Top, Bottom}) {
                if (side != piece.sides[0] && side != piece.sides[1]) {
                    EXPECT_TRUE(BlankTowards(image, side, scale)) << "side " << side;
                    continue;
                }
                // The arm reaches the picture's edge, so neighbouring pieces join up.
                const QPoint edge = side == Left    ? QPoint(0, PathCentre.y() * scale)
                                    : side == Right ? QPoint(image.width() - 1, PathCentre.y() * scale)
                                    : side == Top   ? QPoint(PathCentre.x() * scale, 0)
                                                    : QPoint(PathCentre.x() * scale, image.height() - 1);
                EXPECT_GT(qAlpha(image.pixel(edge)), 200) << "side " << side;
                int opaque = 0;
                double darkest = 1.0;
                double lightest = 0.0;
                for (QRgb pixel : AcrossArm(image, side, scale)) {
                    if (qAlpha(pixel) < 250)
                        continue;
                    ++opaque;
                    darkest = std::min(darkest, Lightness(pixel));
                    lightest = std::max(lightest, Lightness(pixel));
                }
                EXPECT_GE(opaque, 9 * scale) << "a bold line, side " << side;
                EXPECT_LT(darkest, 0.2) << "a dark rim, side " << side;
                EXPECT_GT(lightest, 0.6) << "a bright core, side " << side;
            }
        }
    }
}

// ---- Sounds --------------------------------------------------------------------------------

struct SoundCase {
    int id;
    int bytes;
    int channels;
    int rate;
    int bits;
};

const SoundCase Sounds[] = {
    {101, 1904, 2, 22050, 16},
    {102, 19628, 1, 22050, 16},
    {103, 124460, 2, 22050, 16},
    {104, 6156, 1, 11025, 8},
};

quint32 U32(const QByteArray& data, int at) { return qFromLittleEndian<quint32>(data.constData() + at); }
quint16 U16(const QByteArray& data, int at) { return qFromLittleEndian<quint16>(data.constData() + at); }

// Samples as fractions of full scale, interleaved.
std::vector<double> Samples(const QByteArray& wave, int bits)
{
    std::vector<double> samples;
    if (bits == 8) {
        for (int i = 44; i < wave.size(); ++i)
            samples.push_back((static_cast<quint8>(wave[i]) - 128) / 128.0);
    } else {
        for (int i = 44; i + 1 < wave.size(); i += 2)
            samples.push_back(qFromLittleEndian<qint16>(wave.constData() + i) / 32768.0);
    }
    return samples;
}

TEST(Sound, HeaderFormatAndSizeAreExact)
{
    for (const SoundCase& sound : Sounds) {
        SCOPED_TRACE(sound.id);
        const QByteArray wave = llk::assets::SoundWave(sound.id);
        ASSERT_EQ(wave.size(), sound.bytes);
        EXPECT_EQ(wave.left(4), "RIFF");
        EXPECT_EQ(U32(wave, 4), quint32(sound.bytes - 8));
        EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(U32(wave, 16), 16u);
        EXPECT_EQ(U16(wave, 20), 1u) << "uncompressed PCM";
        EXPECT_EQ(U16(wave, 22), sound.channels);
        EXPECT_EQ(U32(wave, 24), quint32(sound.rate));
        EXPECT_EQ(U32(wave, 28), quint32(sound.rate * sound.channels * sound.bits / 8));
        EXPECT_EQ(U16(wave, 32), sound.channels * sound.bits / 8);
        EXPECT_EQ(U16(wave, 34), sound.bits);
        EXPECT_EQ(wave.mid(36, 4), "data");
        EXPECT_EQ(U32(wave, 40), quint32(sound.bytes - 44));
    }
}

TEST(Sound, IsAudibleWithoutClippingAndStartsAndEndsInSilence)
{
    for (const SoundCase& sound : Sounds) {
        SCOPED_TRACE(sound.id);
        const std::vector<double> samples = Samples(llk::assets::SoundWave(sound.id), sound.bits);
        ASSERT_FALSE(samples.empty());
        double peak = 0.0;
        for (double s : samples)
            peak = std::max(peak, std::abs(s));
        EXPECT_LT(peak, 0.9) << "headroom below full scale";
        EXPECT_GT(peak, 0.25) << "clearly audible";
        const double quantum = sound.bits == 8 ? 1.0 / 128 : 1.0 / 32768;
        for (int c = 0; c < sound.channels; ++c) {
            EXPECT_LE(std::abs(samples[c]), quantum) << "fades in from silence";
            EXPECT_LE(std::abs(samples[samples.size() - sound.channels + c]), quantum) << "fades out to silence";
        }
    }
}

TEST(Sound, OtherNumbersHaveNoSound)
{
    EXPECT_TRUE(llk::assets::SoundWave(100).isEmpty());
    EXPECT_TRUE(llk::assets::SoundWave(105).isEmpty());
    EXPECT_TRUE(llk::assets::SoundUrl(105).isEmpty());
    EXPECT_TRUE(QFile::exists(QLatin1Char(':') + llk::assets::SoundUrl(104).path()));
}

// ---- Help text -----------------------------------------------------------------------------

QByteArray HelpFile()
{
    QFile file(QDir(QStringLiteral(LLK_RUNTIME_DIR)).filePath(QStringLiteral("Help.txt")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HelpText, IsGbkWithCrLfLineEnds)
{
    const QByteArray bytes = HelpFile();
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_GT(bytes.size(), 1200);
    EXPECT_LT(bytes.size(), 1500);
    QStringDecoder decoder("GBK");
    ASSERT_TRUE(decoder.isValid());
    const QString text = decoder.decode(bytes);
    EXPECT_FALSE(decoder.hasError());
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
}

TEST(HelpText, HasTheSectionsAndHeadingsInOrder)
{
    QStringDecoder decoder("GBK");
    const QString text = decoder.decode(HelpFile());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    const QStringList headings = {
        QStringLiteral("一、"),       QStringLiteral("二．概述"),        QStringLiteral("三．基本规则"),
        QStringLiteral("◆操作"),      QStringLiteral("◆过关条件:"),      QStringLiteral("◆胜利条件:"),
        QStringLiteral("◆失败条件:"), QStringLiteral("四．操作说明"),    QStringLiteral("◆控制方法："),
        QStringLiteral("◆快捷键："),  QStringLiteral("◆普通游戏流程："),
    };
    int next = 0;
    for (int i = 0; i < lines.size() && next < headings.size(); ++i) {
        if (!lines[i].startsWith(headings[next]))
            continue;
        if (headings[next].contains(QStringLiteral("．"))) {
            EXPECT_TRUE(lines[i - 1].isEmpty()) << "an empty line before " << qPrintable(headings[next]);
        }
        ++next;
    }
    EXPECT_EQ(next, headings.size()) << "missing or out of order: " << qPrintable(headings.value(next));
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("一、")));
    for (const QString& line : lines) {
        const bool heading = line.startsWith(QStringLiteral("◆")) || line.contains(QStringLiteral("．")) ||
                             line.startsWith(QStringLiteral("一、"));
        if (!line.isEmpty() && !heading) {
            EXPECT_TRUE(line.startsWith(QStringLiteral("    "))) << "body lines are indented: " << qPrintable(line);
        }
    }
}

TEST(HelpText, BuiltInTextIsTheSameAsTheFile) { EXPECT_EQ(llk::assets::BuiltInHelpText(), HelpFile()); }

// ---- Background folder ---------------------------------------------------------------------

TEST(BackgroundFolder, HoldsAtLeastSixJpegsOfTheWindowSizeWithChineseNames)
{
    const QDir folder(QDir(QStringLiteral(LLK_RUNTIME_DIR)).filePath(QStringLiteral("Background")));
    const QStringList names = folder.entryList({QStringLiteral("*.jpg")}, QDir::Files);
    EXPECT_GE(names.size(), 6);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(name.front().script() == QChar::Script_Han);
        QImageReader reader(folder.filePath(name));
        EXPECT_EQ(reader.format(), "jpeg");
        const QImage picture = reader.read();
        ASSERT_FALSE(picture.isNull()) << qPrintable(reader.errorString());
        EXPECT_EQ(picture.size(), QSize(1024, 768));
    }
}

// Mean absolute difference of two pictures of one size, per channel, 0-255.
double MeanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0.0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * x.width() * x.height());
}

TEST(BackgroundFolder, PicturesAreNotBlankAndClearlyDifferentFromEachOther)
{
    const QDir folder(QDir(QStringLiteral(LLK_RUNTIME_DIR)).filePath(QStringLiteral("Background")));
    std::vector<QImage> pictures;
    for (const QString& name : folder.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        pictures.push_back(QImage(folder.filePath(name)).scaled(128, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    ASSERT_GE(pictures.size(), 6u);
    for (size_t i = 0; i < pictures.size(); ++i) {
        QImage single = pictures[i].copy();
        single.fill(pictures[i].pixel(64, 48));
        EXPECT_GT(MeanDifference(pictures[i], single), 1.5) << "picture " << i << " is one flat colour";
        for (size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_GT(MeanDifference(pictures[i], pictures[j]), 12.0) << "pictures " << i << " and " << j;
    }
}

// ---- Window artwork ------------------------------------------------------------------------

TEST(Artwork, TwoXPicturesShowTheSameAsTheirOneXVersions)
{
    auto halved = [](const QImage& image) {
        return image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    for (Art art : {Art::Background, Art::Pause, Art::Template, Art::Cursor}) {
        EXPECT_LT(MeanDifference(halved(Artwork(art, 2)), Artwork(art, 1)), 12.0) << int(art);
    }
    for (int member = 1; member <= 6; ++member) {
        EXPECT_LT(MeanDifference(halved(llk::assets::LinkPiece(member, 2)), llk::assets::LinkPiece(member, 1)), 12.0)
            << member;
    }
}

// The scale-1 background comes as plain pixels, decoded when the program was built.
TEST(Artwork, BuiltInBackgroundShowsTheJpegsPixels)
{
    const QImage shown = Artwork(Art::Background, 1);
    ASSERT_EQ(shown.format(), QImage::Format_RGB32);
    const QImage decoded = QImage(QStringLiteral(":/llk/art/background.jpg")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), QSize(1024, 768));
    EXPECT_TRUE(shown == decoded);
    QImage painted = Artwork(Art::Background, 1);
    painted.setPixel(0, 0, qRgb(1, 2, 3)); // a copy of its own: the built-in pixels stay
    EXPECT_EQ(Artwork(Art::Background, 1).pixel(0, 0), decoded.pixel(0, 0));
}

TEST(Artwork, PausePictureIsARoundBadgeOnATransparentSquare)
{
    const QImage pause = Artwork(Art::Pause).convertToFormat(QImage::Format_ARGB32);
    for (QPoint corner : {QPoint(0, 0), QPoint(127, 0), QPoint(0, 127), QPoint(127, 127)})
        EXPECT_EQ(qAlpha(pause.pixel(corner)), 0);
    EXPECT_EQ(qAlpha(pause.pixel(64, 64)), 255);
    EXPECT_EQ(qAlpha(Artwork(Art::Template).pixel(20, 20)), 255) << "the template is a solid tile";
}

TEST(Artwork, HasItsSizeAtBothScales)
{
    const struct {
        Art art;
        QSize size;
    } cases[] = {
        {Art::Background, {1024, 768}},
        {Art::Pause, {128, 128}},
        {Art::Template, {40, 40}},
        {Art::Cursor, {32, 32}},
    };
    for (const auto& c : cases) {
        for (int scale : {1, 2}) {
            const QImage image = Artwork(c.art, scale);
            EXPECT_EQ(image.size(), c.size * scale) << int(c.art) << " at " << scale;
            EXPECT_EQ(image.devicePixelRatio(), scale);
        }
        EXPECT_TRUE(Artwork(c.art, 3).isNull());
    }
    EXPECT_EQ(Artwork(Art::Icon).size(), QSize(256, 256));
}

TEST(Artwork, IconComesInEverySizeFrom16To256)
{
    const QList<QImage> icons = llk::assets::IconImages();
    ASSERT_FALSE(icons.isEmpty());
    EXPECT_EQ(icons.front().size(), QSize(16, 16));
    EXPECT_EQ(icons.back().size(), QSize(256, 256));
    for (const QImage& icon : icons) {
        EXPECT_EQ(icon.width(), icon.height());
        EXPECT_GT(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 0) << icon.width();
    }
}

// The distinct colours of a picture, transparent pixels counted as one.
int ColourCount(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(qAlpha(image.pixel(x, y)) == 0 ? 0 : image.pixel(x, y));
    return int(colours.size());
}

TEST(Artwork, SmallIconsAreDrawnOnThePixelGrid)
{
    // Drawn in whole pixels from a few flat colours, not a big icon shrunk into a blur; only the
    // square's rounded corners blend.
    const QList<QImage> icons = llk::assets::IconImages();
    for (const QImage& icon : icons) {
        if (icon.width() > 24)
            continue;
        EXPECT_LE(ColourCount(icon), 16) << icon.width();
        const QImage flat = icon.convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(flat.pixel(icon.width() / 2, 1)), 255) << "the square reaches the edge";
    }
    EXPECT_GT(ColourCount(icons.back()), 64) << "the large icon keeps its shading";
}

TEST(Artwork, CursorIsDrawnSmoothlyAtEachScale)
{
    const QImage one = Artwork(Art::Cursor, 1).convertToFormat(QImage::Format_ARGB32);
    const QImage two = Artwork(Art::Cursor, 2).convertToFormat(QImage::Format_ARGB32);
    for (const QImage& cursor : {one, two}) {
        int drawn = 0, blended = 0;
        for (int y = 0; y < cursor.height(); ++y) {
            for (int x = 0; x < cursor.width(); ++x) {
                const int alpha = qAlpha(cursor.pixel(x, y));
                drawn += alpha > 0;
                blended += alpha > 0 && alpha < 255;
            }
        }
        EXPECT_GT(blended, drawn / 10) << "an antialiased edge at " << cursor.width();
    }
    // The 2x hand is drawn afresh: more than the 1x one with every pixel doubled.
    const QImage doubled = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_GT(MeanDifference(doubled, two), 2.0);
    EXPECT_LT(MeanDifference(doubled, two), 20.0);
}

TEST(Artwork, CursorFingerTipIsTheHotSpot)
{
    for (int scale : {1, 2}) {
        const QImage cursor = Artwork(Art::Cursor, scale).convertToFormat(QImage::Format_ARGB32);
        const QPoint tip = llk::assets::CursorHotSpot * scale;
        int topRow = cursor.height();
        for (int y = 0; y < cursor.height() && topRow == cursor.height(); ++y)
            for (int x = 0; x < cursor.width(); ++x)
                if (qAlpha(cursor.pixel(x, y)) > 0)
                    topRow = y;
        EXPECT_EQ(topRow, 0) << "the tip touches the top edge at " << scale << "x";
        EXPECT_GT(qAlpha(cursor.pixel(tip)), 128) << "the hot spot is on the finger at " << scale << "x";
        for (int x = 0; x < cursor.width(); ++x) {
            if (qAlpha(cursor.pixel(x, 0)) > 64) {
                EXPECT_LE(std::abs(x - tip.x()), scale + 1) << "only the finger tip reaches the top row";
            }
        }
    }
}

} // namespace
