// The program's fonts: the Chinese font chosen from what is installed, and the set-up thread.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>

#include <gtest/gtest.h>

#include "app/look.h"

namespace llk::test {
namespace {

// The project's install script brings DejaVu Sans and Noto Sans CJK SC.
TEST(FirstInstalledFamily, SkipsFamiliesThatAreNotInstalled)
{
    EXPECT_EQ(app::FirstInstalledFamily({QStringLiteral("No Such Family 4711"), QStringLiteral("DejaVu Sans"),
                                         QStringLiteral("Noto Sans CJK SC")}),
              QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(app::FirstInstalledFamily({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")}),
              QStringLiteral("Noto Sans CJK SC"));
}

TEST(FirstInstalledFamily, IsEmptyWhenNoneIsInstalled)
{
    EXPECT_TRUE(app::FirstInstalledFamily({}).isEmpty());
    EXPECT_TRUE(app::FirstInstalledFamily({QStringLiteral("No Such Family 4711"), QString(),
                                           QStringLiteral("宋体 that is not"), QStringLiteral("a\tb")})
                    .isEmpty());
}

TEST(Look, MenusAndBoxesUseTheChineseFont)
{
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("Noto Sans CJK SC"));
    EXPECT_EQ(QApplication::font().pointSizeF(), 9.75);
    EXPECT_EQ(app::ProgramFont(), QApplication::font());
    QLabel label(QStringLiteral("游戏(&G)"));
    EXPECT_EQ(QFontInfo(label.font()).family(), QStringLiteral("Noto Sans CJK SC"));
}

TEST(FontSetUp, EndsWithoutAnApplicationSignal)
{
    app::FontSetUp fonts;
    fonts.Wait(); // must not wait for a signal that never comes
    fonts.Wait();
}

TEST(FontSetUp, FillsQtsFontDatabaseOnceTheApplicationIsReady)
{
    app::FontSetUp fonts;
    fonts.ApplicationReady();
    fonts.ApplicationReady(); // a second signal changes nothing
    fonts.Wait();
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
}

} // namespace
} // namespace llk::test
