// The program's fonts: the Chinese font chosen from what is installed, and Latin text in sans-serif.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <QComboBox>
#include <QListWidget>

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include "app/look.h"
#include "dialogs/about_window.h"

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
                                QStringLiteral("提示 12"), QStringLiteral("第 10 关 (10 款)"),
                                QStringLiteral("1234567890"), QStringLiteral("0.第 0 组连连看游戏\t(10 款)")}) {
        const QImage plain = drawn(app::ProgramFont(), text);
        EXPECT_EQ(plain, drawn(shaped, text)) << text.toStdString();
        EXPECT_NE(plain, drawn(QFont(QStringLiteral("DejaVu Sans"), 10), text)) << "the comparison sees fonts";
    }
}

// Fontconfig's own choice for a generic family, under the system's configuration as the program loads it.
QString FontConfigMatch(const char* family)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* name = nullptr;
    QString matched;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
        matched = QString::fromUtf8(reinterpret_cast<const char*>(name));
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return matched;
}

// Latin letters and digits of the about window ("1.1.0", the web address, the number) and of the
// other windows are drawn in a sans-serif face, as the system's configuration names it.
TEST(Look, LatinTextsFollowTheSystemsSansSerif)
{
    const std::string sans = FontConfigMatch("sans-serif").toStdString();
    const std::string serif = FontConfigMatch("serif").toStdString();
    ASSERT_FALSE(sans.empty());
    ASSERT_NE(sans, serif) << "the system tells the two apart";

    frmAboutScreen about;
    const auto* list = about.findChild<QListWidget*>(QStringLiteral("List1"));
    const auto* contacts = about.findChild<QComboBox*>(QStringLiteral("Combo1"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(contacts, nullptr);
    EXPECT_EQ(QFontInfo(list->font()).family().toStdString(), sans);
    EXPECT_EQ(QFontInfo(contacts->font()).family().toStdString(), sans);

    const std::string program = QFontInfo(QApplication::font()).family().toStdString();
    EXPECT_NE(program, serif);
    EXPECT_EQ(program, FontConfigMatch(app::ProgramFont().family().toUtf8().constData()).toStdString())
        << "the program's font is an installed family, not a substitute";
}

} // namespace
} // namespace llk::test
