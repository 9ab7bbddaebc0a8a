// The program's fonts: the Chinese font chosen from what is installed, and the set-up thread.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>

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

TEST(Look, DrawsTheWindowsTextsWithoutTheShaperAsTheShaperWould)
{
    const auto drawn = [](const QFont& font, const QString& text) {
        QImage image(QSize(QFontMetrics(font).horizontalAdvance(text) + 8, QFontMetrics(font).height() + 4),
                     QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(QColor(0xFF, 0xFF, 0x00));
        painter.drawText(QPoint(4, QFontMetrics(font).ascent() + 2), text);
        return image;
    };
    QFont shaped = app::ProgramFont();
    shaped.setStyleStrategy(QFont::PreferDefault);
    ASSERT_NE(app::ProgramFont().styleStrategy(), shaped.styleStrategy());
    // Menu captions (the access key drawn underlined), the status line and a board-size caption.
    for (const QString& text : {QStringLiteral("游戏(G)"), QStringLiteral("重新洗牌(R)"), QStringLiteral("洗牌 3"),
                                QStringLiteral("提示 12"), QStringLiteral("第 10 关 (10 款)"), QStringLiteral("1234567890"),
                                QStringLiteral("0.第 0 组连连看游戏\t(10 款)")}) {
        const QImage plain = drawn(app::ProgramFont(), text);
        EXPECT_EQ(plain, drawn(shaped, text)) << text.toStdString();
        EXPECT_NE(plain, drawn(QFont(QStringLiteral("DejaVu Sans"), 10), text)) << "the comparison sees fonts";
    }
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
