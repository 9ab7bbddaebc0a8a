// The name given to a result: trimmed, no control characters, 1 to 16 characters of any script.
#include <gtest/gtest.h>

#include "records/name.h"

namespace llk::records {
namespace {

TEST(CleanName, TrimsSpacesOfAnyScriptAtBothEndsOnly)
{
    EXPECT_EQ(CleanName("  小 明  "), "小 明");
    EXPECT_EQ(CleanName("\xE3\x80\x80"
                        "玩家\xE3\x80\x80"),
              "玩家")
        << "ideographic spaces";
    EXPECT_EQ(CleanName("\xC2\xA0"
                        "Ann\xC2\xA0"),
              "Ann")
        << "no-break spaces";
}

TEST(CleanName, RemovesControlAndInvisibleCharacters)
{
    EXPECT_EQ(CleanName("a\tb\nc\rd\x7F"
                        "e"),
              "abcde");
    EXPECT_EQ(CleanName("\xC2\x85"
                        "x"),
              "x")
        << "C1 control";
    EXPECT_EQ(CleanName("ab\xE2\x80\xAE"
                        "cd"),
              "abcd")
        << "right-to-left override";
    EXPECT_EQ(CleanName("a\xE2\x80\x8B"
                        "b"),
              "ab")
        << "zero-width space";
    EXPECT_EQ(CleanName("\xEF\xBB\xBF"
                        "名"),
              "名")
        << "byte order mark";
    EXPECT_EQ(CleanName(std::string("a\0b", 3)), "ab");
}

TEST(CleanName, DropsBytesThatAreNotUtf8)
{
    EXPECT_EQ(CleanName("a\xFF"
                        "b"),
              "ab");
    EXPECT_EQ(CleanName("a\xE4\xB8"), "a") << "a character cut short";
    EXPECT_EQ(CleanName("\xC0\xAF"
                        "x"),
              "x")
        << "an overlong slash";
    EXPECT_EQ(CleanName("\xED\xA0\x80"
                        "y"),
              "y")
        << "a lone surrogate";
}

TEST(CleanName, KeepsEveryScriptAndMarkupAsWritten)
{
    EXPECT_EQ(CleanName("Ωμέγα"), "Ωμέγα");
    EXPECT_EQ(CleanName("<b>李</b>&amp;"), "<b>李</b>&amp;");
    EXPECT_EQ(CleanName("🐼熊猫"), "🐼熊猫");
}

TEST(IsValidName, CountsCharactersNotBytes)
{
    EXPECT_FALSE(IsValidName(""));
    EXPECT_TRUE(IsValidName("李"));
    EXPECT_TRUE(IsValidName("一二三四五六七八九十一二三四五六")) << "16 Chinese characters, 48 bytes";
    EXPECT_FALSE(IsValidName("一二三四五六七八九十一二三四五六七"));
    EXPECT_TRUE(IsValidName("🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼🐼"));
    EXPECT_FALSE(IsValidName("abcdefghijklmnopq"));
    EXPECT_EQ(CharacterCount("a李🐼"), 3);
}

TEST(IsValidName, ANameOfOnlySpacesOrControlsCleansToNothing)
{
    EXPECT_FALSE(IsValidName(CleanName("   ")));
    EXPECT_FALSE(IsValidName(CleanName("\t\n")));
}

} // namespace
} // namespace llk::records
