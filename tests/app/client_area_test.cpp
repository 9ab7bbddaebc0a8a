// The header's shapes: a rounded shape that narrows is drawn as a new one of its width would be.
#include <QImage>
#include <QPixmap>

#include <memory>

#include <gtest/gtest.h>

#include "app/client_area.h"
#include "app/keyboard_frame.h"

namespace llk::test {
namespace {

using Look = app::ShapeControl::Look;

std::unique_ptr<app::ShapeControl> MakeShape(const Look& look, QSize size)
{
    auto shape = std::make_unique<app::ShapeControl>(QStringLiteral("Shape3"), look, nullptr);
    shape->resize(size);
    return shape;
}

QImage Drawn(app::ShapeControl& shape) { return shape.grab().toImage(); }

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

// The keyboard's frame on a Cell of the smallest and the largest Theme, over faces from white to
// black and the game's own colours: always some of it far from the face, and never on the blue
// markers' 4-pixel outline. Runs at 1x and, in the dense tests, at 2x.
TEST(FocusFrame, ShowsOnEveryFaceInsideTheMarkers)
{
    for (const QSize cell : {QSize(31, 34), QSize(56, 58)}) {
        for (const QColor face : {QColor(Qt::white), QColor(Qt::black), QColor(0xFF, 0xF5, 0xDC), QColor(Qt::gray),
                                  QColor(0xFF, 0xFF, 0x00), QColor(0x20, 0x40, 0xA0), QColor(0xC0, 0x30, 0x30)}) {
            QWidget back;
            back.resize(cell);
            back.setAutoFillBackground(true);
            QPalette palette = back.palette();
            palette.setColor(QPalette::Window, face);
            back.setPalette(palette);
            app::FocusFrame frame(&back);
            frame.setGeometry(back.rect());
            const QImage drawn = back.grab().toImage();
            const qreal ratio = drawn.devicePixelRatio();
            int farFromFace = 0;
            int onMarker = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    const QColor c = drawn.pixelColor(x, y);
                    const int distance =
                        qAbs(c.red() - face.red()) + qAbs(c.green() - face.green()) + qAbs(c.blue() - face.blue());
                    const qreal lx = x / ratio, ly = y / ratio;
                    const bool markerRing = lx < 4 || ly < 4 || lx >= cell.width() - 4 || ly >= cell.height() - 4;
                    if (distance > 0 && markerRing)
                        ++onMarker;
                    if (distance > 300)
                        ++farFromFace;
                }
            }
            SCOPED_TRACE(face.name().toStdString() + " " + std::to_string(cell.width()));
            EXPECT_GT(farFromFace, 40 * ratio * ratio);
            EXPECT_EQ(onMarker, 0);
        }
    }
}

} // namespace
} // namespace llk::test
