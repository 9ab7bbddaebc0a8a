// Where the tile pictures come from: sources.tsv complete and sound, the vendored SVGs exactly the
// listed ones, each rendering at both scales inside its tile's face; bad input stops the generator
// with the file and line at fault.
#include "assets/tiles/picture_sources.h"
#include "assets/tiles/svg_picture.h"
#include "assets/tiles/theme_art.h"
#include "assets/tiles/tile_body.h"
#include "assets/tiles/tile_images.h"
#include "board/theme.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

namespace {

using namespace llk;
using namespace llk::assets;

const QString SourcesPath = QStringLiteral(LLK_TILE_SOURCES);
const QString VendorPath = QStringLiteral(LLK_TILE_VENDOR);

const PictureSources& Sources()
{
    static const PictureSources sources = ReadPictureSources(SourcesPath);
    return sources;
}

TEST(TileSources, ListEveryPictureOfEveryThemeOnce)
{
    ASSERT_EQ(Sources().error, QString()) << Sources().error.toStdString();
    std::vector<int> perTheme(ThemeCount, 0);
    for (const PictureSource& row : Sources().rows)
        ++perTheme[row.theme];
    int total = 0;
    for (int theme = 0; theme < ThemeCount; ++theme) {
        EXPECT_EQ(perTheme[theme], PictureCount(theme)) << "theme " << theme;
        total += perTheme[theme];
    }
    EXPECT_EQ(total, 1106);
}

TEST(TileSources, NamesAreUniqueWithinATheme)
{
    QSet<QString> seen;
    for (const PictureSource& row : Sources().rows) {
        const QString key = QString::number(row.theme) + QLatin1Char('/') + row.nameZh;
        EXPECT_FALSE(seen.contains(key)) << key.toStdString();
        seen.insert(key);
    }
}

TEST(TileSources, LicencesAreOnlyThoseTheGameMayShip)
{
    for (const PictureSource& row : Sources().rows) {
        EXPECT_TRUE(IsAllowedLicence(row.licence)) << "line " << row.line << ": " << row.licence.toStdString();
        if (row.set == DrawnSet) {
            EXPECT_EQ(row.licence, QStringLiteral("MIT")) << "line " << row.line;
        }
    }
    EXPECT_FALSE(IsAllowedLicence(QStringLiteral("CC-BY-SA-4.0")));
    EXPECT_FALSE(IsAllowedLicence(QStringLiteral("CC-BY-NC-4.0")));
}

TEST(TileSources, OnlyThreeThemesAreDrawnByCode)
{
    for (const PictureSource& row : Sources().rows)
        EXPECT_EQ(row.set == DrawnSet, row.theme == 9 || row.theme == 12 || row.theme == 22) << "line " << row.line;
}

TEST(VendoredPictures, EveryListedFileIsThereAndNoOtherIs)
{
    QSet<QString> listed;
    for (const PictureSource& row : Sources().rows) {
        if (row.set == DrawnSet)
            continue;
        const QString path = QFileInfo(VendoredSvgPath(VendorPath, row)).absoluteFilePath();
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
        listed.insert(path);
    }
    QDirIterator it(VendorPath, {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QFileInfo(it.next()).absoluteFilePath();
        EXPECT_TRUE(listed.contains(path)) << "not listed in sources.tsv: " << path.toStdString();
    }
}

TEST(VendoredPictures, EverySetHasItsLicenceAndVersion)
{
    QSet<QString> sets;
    for (const PictureSource& row : Sources().rows)
        if (row.set != DrawnSet)
            sets.insert(row.set + QLatin1Char('\t') + row.version);
    for (const QString& entry : sets) {
        const QStringList parts = entry.split(QLatin1Char('\t'));
        const QDir folder(QDir(VendorPath).filePath(parts[0]));
        EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("LICENSE")))) << parts[0].toStdString();
        QFile version(folder.filePath(QStringLiteral("VERSION")));
        ASSERT_TRUE(version.open(QIODevice::ReadOnly)) << parts[0].toStdString();
        EXPECT_EQ(QString::fromUtf8(version.readAll()).trimmed(),
                  QStringLiteral("@iconify-json/%1 %2").arg(parts[0], parts[1]));
    }
}

// How many pixels of `image` are clearly painted.
int Painted(const QImage& image)
{
    int count = 0;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            count += qAlpha(pixels.pixel(x, y)) > 128;
    return count;
}

TEST(VendoredPictures, EachRendersAtBothScalesFillingItsBox)
{
    for (const PictureSource& row : Sources().rows) {
        if (row.set == DrawnSet)
            continue;
        const SvgPicture svg(VendoredSvgPath(VendorPath, row), SilhouetteInk(row.kind));
        ASSERT_FALSE(svg.isNull()) << row.picture.toStdString() << ": " << svg.error().toStdString();
        for (int scale : {1, 2}) {
            const QRectF box = PictureBox(row.theme, scale);
            const QImage image = svg.render(DrawTileBody(row.theme, scale).size(), box);
            EXPECT_GT(Painted(image), box.width() * box.height() * 0.1) << "line " << row.line << " scale " << scale;
            // About three quarters of the face: the painted part reaches the box along one side.
            const QRect bounds = PaintedBounds(image);
            EXPECT_GE(qMax(bounds.width() / box.width(), bounds.height() / box.height()), 0.9)
                << "line " << row.line << " scale " << scale;
        }
    }
}

// The pixels of `picture` outside the face's outline that differ from the bare tile's.
int PixelsOutsideTheFace(const QImage& picture, int theme, int scale)
{
    const QImage bare = DrawTileBody(theme, scale).convertToFormat(QImage::Format_ARGB32);
    const QImage shown = picture.convertToFormat(QImage::Format_ARGB32);
    const QRect inside = PictureArea(theme, scale).toAlignedRect();
    int count = 0;
    for (int y = 0; y < bare.height(); ++y)
        for (int x = 0; x < bare.width(); ++x)
            if (!inside.contains(x, y) && bare.pixel(x, y) != shown.pixel(x, y))
                ++count;
    return count;
}

TEST(TilePictures, NoPictureOfAnyThemeDrawsOutsideItsFace)
{
    for (int theme = 0; theme < ThemeCount; ++theme)
        for (int kind = 1; kind <= PictureCount(theme); ++kind)
            for (int scale : {1, 2})
                EXPECT_EQ(PixelsOutsideTheFace(TileImage(theme, FirstBitmapId(theme) + kind - 1, scale), theme, scale), 0)
                    << "theme " << theme << " kind " << kind << " scale " << scale;
}

TEST(TilePictures, APictureOverTheFrameIsCaught)
{
    QImage picture = TileImage(22, FirstBitmapId(22) + 15, 1);
    picture.setPixel(0, picture.height() / 2, qRgb(255, 0, 0));
    EXPECT_EQ(PixelsOutsideTheFace(picture, 22, 1), 1);
}

// --- bad input -----------------------------------------------------------------------------------

QByteArray Header() { return "theme\tkind\tset\tversion\tpicture\tname_zh\tlicence\n"; }

TEST(ReadingSources, AShortLineIsNamedWithItsFileAndLine)
{
    const PictureSources sources = ParsePictureSources(Header() + "0\t1\tnoto\t1.2.9\tcat\t猫\n", "s.tsv");
    EXPECT_TRUE(sources.rows.empty());
    EXPECT_TRUE(sources.error.startsWith(QStringLiteral("s.tsv:2: expected 7"))) << sources.error.toStdString();
}

TEST(ReadingSources, AWrongHeaderKindOrLicenceIsRefused)
{
    EXPECT_TRUE(ParsePictureSources("theme\tkind\n", "s.tsv").error.startsWith(QStringLiteral("s.tsv:1:")));
    EXPECT_TRUE(ParsePictureSources(Header() + "0\t71\tnoto\t1.2.9\tcat\t猫\tApache-2.0\n", "s.tsv")
                    .error.contains(QStringLiteral("s.tsv:2: kind '71'")));
    EXPECT_TRUE(ParsePictureSources(Header() + "0\t1\topenmoji\t1\tcat\t猫\tCC-BY-SA-4.0\n", "s.tsv")
                    .error.contains(QStringLiteral("s.tsv:2: licence")));
    EXPECT_TRUE(
        ParsePictureSources(Header() + "0\t1\tnoto\t1\t../cat\t猫\tMIT\n", "s.tsv").error.contains(QStringLiteral("s.tsv:2:")));
}

TEST(ReadingSources, ARepeatedNameOrKindAndAMissingKindAreRefused)
{
    const QByteArray twoCats = Header() + "0\t1\tnoto\t1\tcat\t猫\tMIT\n0\t2\tnoto\t1\tcat2\t猫\tMIT\n";
    EXPECT_TRUE(ParsePictureSources(twoCats, "s.tsv").error.contains(QStringLiteral("s.tsv:3: name_zh")));
    const QByteArray twice = Header() + "0\t1\tnoto\t1\tcat\t猫\tMIT\n0\t1\tnoto\t1\tdog\t狗\tMIT\n";
    EXPECT_TRUE(ParsePictureSources(twice, "s.tsv").error.contains(QStringLiteral("listed twice")));
    const QByteArray one = Header() + "0\t1\tnoto\t1\tcat\t猫\tMIT\n";
    EXPECT_TRUE(ParsePictureSources(one, "s.tsv").error.contains(QStringLiteral("Theme 0 kind 2 has no line")));
}

class BadGeneratorInput : public testing::Test {
protected:
    // A copy of the real sources with line `line` replaced, and a vendor folder of the real sets
    // (linked) plus a set "broken" holding `svg` as broken/bad.svg.
    QString Run(int line, const QByteArray& replacement, const QByteArray& svg)
    {
        QFile real(SourcesPath);
        EXPECT_TRUE(real.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = real.readAll().split('\n');
        lines[line - 1] = replacement;
        const QString sources = m_dir.filePath(QStringLiteral("sources.tsv"));
        QFile out(sources);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(lines.join('\n'));
        out.close();
        const QDir vendor(m_dir.filePath(QStringLiteral("vendor")));
        QDir().mkpath(vendor.filePath(QStringLiteral("broken")));
        for (const QString& set : QDir(VendorPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QFile::link(QDir(VendorPath).filePath(set), vendor.filePath(set));
        if (!svg.isNull()) {
            QFile bad(vendor.filePath(QStringLiteral("broken/bad.svg")));
            EXPECT_TRUE(bad.open(QIODevice::WriteOnly));
            bad.write(svg);
        }
        QProcess generator;
        generator.start(QStringLiteral(LLK_TILE_GENERATOR),
                        {sources, vendor.path(), m_dir.filePath(QStringLiteral("atlas"))});
        EXPECT_TRUE(generator.waitForFinished(120000));
        EXPECT_NE(generator.exitCode(), 0);
        EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("atlas/theme-00.png"))));
        return QString::fromUtf8(generator.readAllStandardError());
    }
    QTemporaryDir m_dir;
};

TEST_F(BadGeneratorInput, ADamagedSvgIsNamedWithItsLine)
{
    const QString errors = Run(5, "0\t4\tbroken\t1\tbad\t坏\tMIT", "<svg xmlns=\"http://www.w3.org/2000/svg\"><path d=");
    EXPECT_TRUE(errors.contains(QStringLiteral("broken/bad.svg"))) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("sources.tsv:5"))) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("not a readable SVG"))) << errors.toStdString();
}

TEST_F(BadGeneratorInput, AMissingSvgIsNamedWithItsLine)
{
    const QString errors = Run(7, "0\t6\tbroken\t1\tgone\t无\tMIT", QByteArray());
    EXPECT_TRUE(errors.contains(QStringLiteral("broken/gone.svg (listed at"))) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("sources.tsv:7"))) << errors.toStdString();
}

TEST_F(BadGeneratorInput, AMalformedLineIsNamedWithItsLine)
{
    const QString errors = Run(9, "0\t8\tnoto", QByteArray());
    EXPECT_TRUE(errors.contains(QStringLiteral("sources.tsv:9: expected 7 TAB-separated fields, found 3")))
        << errors.toStdString();
}

} // namespace
