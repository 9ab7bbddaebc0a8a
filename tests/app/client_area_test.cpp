// The header's shapes: a rounded shape that narrows is drawn as a new one of its width would be.
#include <QImage>
#include <QPixmap>

#include <memory>

#include <gtest/gtest.h>

#include "app/client_area.h"

namespace llk::test {
namespace {

using Look = app::ShapeControl::Look;

std::unique_ptr<app::ShapeControl> MakeShape(const Look& look, QSize size)
{
    auto shape = std::make_unique<app::ShapeControl>(QStringLiteral("Shape3"), look, nullptr);
    shape->resize(size);
    return shape;
}

QImage Drawn(app::ShapeControl& shape)
{
    return shape.grab().toImage();
}

// The time bar shrinks a few pixels a tick from its full width down to nothing.
TEST(ShapeControl, ANarrowedRoundedShapeLooksLikeANewOne)
{
    for (const Look& look : {Look{QColor(0xFF, 0, 0), QColor(0xC0, 0, 0), 1, true},
                             Look{{}, QColor(0xC0, 0xC0, 0xC0), 1, true}, Look{Qt::blue, {}, 0, true}}) {
        auto bar = MakeShape(look, {417, 17});
        const QImage full = Drawn(*bar);
        const int end = bar->RoundedEndPixels();
        for (const int width : {416, 400, 250, 40, 2 * end, 2 * end - 1, 3, 1}) {
            SCOPED_TRACE(width);
            bar->resize(width, 17);
            const QImage narrowed = Drawn(*bar);
            auto fresh = MakeShape(look, {width, 17});
            EXPECT_EQ(narrowed, Drawn(*fresh));
            if (width >= 2 * end) {
                EXPECT_NE(narrowed, full.copy(0, 0, narrowed.width(), narrowed.height()))
                    << "the right end is rounded, not cut off";
            }
        }
        bar->resize(417, 17); // a new level fills the bar again
        EXPECT_EQ(Drawn(*bar), full);
    }
}

TEST(ShapeControl, OnlySolidRectanglesHideWhatLiesUnder)
{
    EXPECT_TRUE(MakeShape({Qt::black, {}, 0, false}, {10, 10})->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(MakeShape({QColor(0, 0, 0, 128), {}, 0, false}, {10, 10})->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(MakeShape({Qt::black, {}, 0, true}, {10, 10})->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(MakeShape({{}, Qt::blue, 4, false}, {10, 10})->testAttribute(Qt::WA_OpaquePaintEvent));
}

} // namespace
} // namespace llk::test
