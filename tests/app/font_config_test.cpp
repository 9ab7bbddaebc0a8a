// Fontconfig's configuration without its family tables: which rule files are read, and the
// configurations that are loaded whole instead.
#include <QTemporaryDir>

#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/font_config.h"

namespace llk::test {
namespace {

TEST(MapsFamilyNamesOnly, TakesTheFamilyTablesByTheirNumber)
{
    for (const char* name : {"30-metric-aliases.conf", "40-nonlatin.conf", "45-latin.conf", "49-sansserif.conf",
                             "60-latin.conf", "65-fonts-persian.conf", "69-unifont.conf", "045-padded.conf"})
        EXPECT_TRUE(app::MapsFamilyNamesOnly(name)) << name;
    for (const char* name : {"10-hinting-slight.conf", "11-lcdfilter-default.conf", "29-last.conf", "50-user.conf",
                             "51-local.conf", "57-dejavu-sans.conf", "70-no-bitmaps.conf", "90-synthetic.conf",
                             "300-late.conf", "README", "", "-30-x.conf", "+45-x.conf",
                             "99999999999999999999-x.conf"})
        EXPECT_FALSE(app::MapsFamilyNamesOnly(name)) << name;
}

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;

// A configuration folder of its own: fonts.conf including rules/, whose files each add a family
// to a pattern, so the families of a substituted pattern tell which files were read and in what order.
class LeanFontConfig : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(std::filesystem::create_directory(Path("rules")));
    }

    std::filesystem::path Path(const std::string& name) const
    {
        return std::filesystem::path(dir.path().toStdString()) / name;
    }

    void Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(Path(name), std::ios::binary) << text;
    }

    void WriteMain(const std::string& include) const
    {
        Write("fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>" + Path("fonts").string() +
                                "</dir>\n<cachedir>" + Path("cache").string() + "</cachedir>\n" + include +
                                "\n</fontconfig>\n");
    }

    void WriteStandardMain() const
    {
        WriteMain("<include ignore_missing=\"yes\">" + Path("rules").string() + "</include>");
    }

    void WriteRule(const std::string& name) const
    {
        Write("rules/" + name, "<?xml version=\"1.0\"?>\n<fontconfig><match target=\"pattern\"><edit name=\"family\" "
                               "mode=\"append_last\"><string>" + name + "</string></edit></match></fontconfig>\n");
    }

    // The families the configuration's pattern rules add to a pattern without any.
    static std::string AddedFamilies(FcConfig* config)
    {
        FcPattern* pattern = FcPatternCreate();
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        std::string families;
        FcChar8* family = nullptr;
        for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
            if (!families.empty())
                families += ' ';
            families += reinterpret_cast<const char*>(family);
        }
        FcPatternDestroy(pattern);
        return families;
    }

    QTemporaryDir dir;
};

TEST_F(LeanFontConfig, ReadsTheRuleFilesOtherThanFamilyTablesInByteOrder)
{
    WriteStandardMain();
    for (const char* name : {"10-render.conf", "100-late.conf", "29-options.conf", "30-aliases.conf",
                             "45-generic.conf", "49-sans.conf", "50-user.conf", "65-preferred.conf", "70-select.conf",
                             "99-synthetic.conf"})
        WriteRule(name);
    // Not rule files to fontconfig either: no leading digit, another extension.
    WriteRule("local.conf");
    WriteRule("20-off.conf.bak");
    Write("rules/README", "Rules of this folder are read in the order of their names.\n");

    const ConfigPtr config(app::LoadLeanFontConfig(Path("fonts.conf")));
    ASSERT_TRUE(config);
    EXPECT_EQ(AddedFamilies(config.get()),
              "10-render.conf 100-late.conf 29-options.conf 50-user.conf 70-select.conf 99-synthetic.conf");
}

TEST_F(LeanFontConfig, AMissingRuleFolderLeavesTheMainFile)
{
    WriteMain("<include ignore_missing=\"yes\">" + Path("no-such-folder").string() + "</include>");
    const ConfigPtr config(app::LoadLeanFontConfig(Path("fonts.conf")));
    ASSERT_TRUE(config);
    EXPECT_EQ(AddedFamilies(config.get()), "");
    FcStrList* dirs = FcConfigGetFontDirs(config.get());
    FcChar8* first = FcStrListNext(dirs);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(first)), Path("fonts").string());
    FcStrListDone(dirs);
}

// Each of these is left to fontconfig's whole load.
TEST_F(LeanFontConfig, RefusesFilesItCannotReadAsTheSystemLaysThemOut)
{
    EXPECT_EQ(app::LoadLeanFontConfig(Path("fonts.conf")), nullptr) << "missing";
    EXPECT_EQ(app::LoadLeanFontConfig(Path("rules")), nullptr) << "a folder";

    WriteMain("");
    EXPECT_EQ(app::LoadLeanFontConfig(Path("fonts.conf")), nullptr) << "no include";
    WriteMain("<include ignore_missing=\"yes\">" + Path("rules").string() + "</include><include>" +
              Path("more").string() + "</include>");
    EXPECT_EQ(app::LoadLeanFontConfig(Path("fonts.conf")), nullptr) << "two includes";
    WriteMain("<include>" + Path("rules").string() + "</include>");
    EXPECT_EQ(app::LoadLeanFontConfig(Path("fonts.conf")), nullptr) << "an include that may not be missing";
    WriteMain("<include ignore_missing=\"yes\"></include>");
    EXPECT_EQ(app::LoadLeanFontConfig(Path("fonts.conf")), nullptr) << "an empty include";
    WriteRule("10-render.conf");
    WriteMain("<include ignore_missing=\"yes\">" + Path("rules/10-render.conf").string() + "</include>");
    EXPECT_EQ(app::LoadLeanFontConfig(Path("fonts.conf")), nullptr) << "an included file";

    Write("fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>unclosed\n</fontconfig>\n");
    EXPECT_EQ(app::LoadLeanFontConfig(Path("fonts.conf")), nullptr) << "broken";

    WriteMain("<!-- " + std::string(2 << 20, 'x') + " -->\n<include ignore_missing=\"yes\">" +
              Path("rules").string() + "</include>");
    EXPECT_EQ(app::LoadLeanFontConfig(Path("fonts.conf")), nullptr) << "2 MiB";
}

TEST_F(LeanFontConfig, RefusesABrokenRuleFile)
{
    WriteStandardMain();
    WriteRule("10-render.conf");
    Write("rules/70-select.conf", "<?xml version=\"1.0\"?>\n<fontconfig><match>\n");
    EXPECT_EQ(app::LoadLeanFontConfig(Path("fonts.conf")), nullptr);
}

// The first font of `folder` (and below) whose name ends in `suffix`; empty when there is none.
std::filesystem::path FindFont(const std::filesystem::path& folder, const std::string& suffix)
{
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->path().filename().string().ends_with(suffix))
            return it->path();
    }
    return {};
}

TEST_F(LeanFontConfig, LeavesOutType1Fonts)
{
    const std::filesystem::path type1 = FindFont("/usr/share/fonts", ".t1");
    const std::filesystem::path trueType = FindFont("/usr/share/fonts", ".ttf");
    if (type1.empty() || trueType.empty())
        GTEST_SKIP() << "no Type 1 or no TrueType font installed here";
    ASSERT_TRUE(std::filesystem::create_directory(Path("fonts")));
    std::filesystem::copy_file(type1, Path("fonts") / type1.filename());
    std::filesystem::copy_file(trueType, Path("fonts") / trueType.filename());
    WriteStandardMain();

    const ConfigPtr config(app::LoadLeanFontConfig(Path("fonts.conf")));
    ASSERT_TRUE(config);
    const FcFontSet* fonts = FcConfigGetFonts(config.get(), FcSetSystem);
    ASSERT_NE(fonts, nullptr);
    std::string formats;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* format = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FONTFORMAT, 0, &format) == FcResultMatch)
            formats += std::string(formats.empty() ? "" : " ") + reinterpret_cast<const char*>(format);
    }
    EXPECT_EQ(formats, "TrueType");
}

// What the game draws with looks the same as under the whole configuration: the same face, size,
// hinting, anti-aliasing and sub-pixel settings.
TEST(SystemFontConfig, MatchesTheProgramFontAsTheWholeConfigurationDoes)
{
    const ConfigPtr scratch(FcConfigCreate());
    FcChar8* mainFile = FcConfigGetFilename(scratch.get(), nullptr);
    ASSERT_NE(mainFile, nullptr);
    const ConfigPtr lean(app::LoadLeanFontConfig(reinterpret_cast<const char*>(mainFile)));
    FcStrFree(mainFile);
    if (!lean)
        GTEST_SKIP() << "this system's fonts.conf does not include its rules in one folder";
    const ConfigPtr whole(FcConfigCreate());
    ASSERT_TRUE(FcConfigParseAndLoad(whole.get(), nullptr, FcTrue) && FcConfigBuildFonts(whole.get()));

    const auto match = [](FcConfig* config, const char* request) {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(request));
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* font = FcFontMatch(config, pattern, &result);
        FcPatternDestroy(pattern);
        if (!font)
            return std::string("no match");
        FcPatternDel(font, FC_CHARSET); // long, and the same file has the same one
        FcPatternDel(font, FC_LANG);
        FcChar8* text = FcNameUnparse(font);
        std::string unparsed(reinterpret_cast<const char*>(text));
        FcStrFree(text);
        FcPatternDestroy(font);
        return unparsed;
    };
    for (const char* request : {"Noto Sans CJK SC:pixelsize=13", "DejaVu Sans:pixelsize=13:weight=bold"})
        EXPECT_EQ(match(lean.get(), request), match(whole.get(), request)) << request;
}

} // namespace
} // namespace llk::test
