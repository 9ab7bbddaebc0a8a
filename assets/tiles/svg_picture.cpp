// librsvg renders into a cairo surface laid over a QImage's own pixels: both are premultiplied ARGB
// in native byte order.
#include "assets/tiles/svg_picture.h"

#include <QFile>

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>

namespace llk::assets {

namespace {

// Pictures are measured at this size; a pixel of it is well under a pixel of the largest tile.
constexpr int TrialSide = 160;
// Shadows and glows fainter than this do not count as part of a picture's outline.
constexpr int PaintedAlpha = 40;

QImage RenderDocument(RsvgHandle* handle, QSize size, const QRectF& viewport)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(image.bits(), CAIRO_FORMAT_ARGB32, image.width(),
                                                                   image.height(), int(image.bytesPerLine()));
    cairo_t* cairo = cairo_create(surface);
    const RsvgRectangle port{viewport.x(), viewport.y(), viewport.width(), viewport.height()};
    GError* error = nullptr;
    if (!rsvg_handle_render_document(handle, cairo, &port, &error)) {
        g_clear_error(&error);
        image = QImage();
    }
    cairo_destroy(cairo);
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);
    return image;
}

} // namespace

struct SvgPicture::Handle {
    RsvgHandle* handle = nullptr;
    ~Handle()
    {
        if (handle)
            g_object_unref(handle);
    }
};

SvgPicture::SvgPicture(const QString& path, QColor ink)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return;
    }
    QByteArray svg = file.readAll();
    m_usesInk = svg.contains("currentColor");
    svg.replace("currentColor", ink.name(QColor::HexRgb).toLatin1());
    GError* error = nullptr;
    RsvgHandle* handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.constData()), gsize(svg.size()), &error);
    if (!handle) {
        m_error = QStringLiteral("is not a readable SVG: %1").arg(QString::fromUtf8(error ? error->message : "unknown"));
        g_clear_error(&error);
        return;
    }
    m_handle = std::make_unique<Handle>();
    m_handle->handle = handle;
    const QImage trial = RenderDocument(handle, QSize(TrialSide, TrialSide), QRectF(0, 0, TrialSide, TrialSide));
    const QRect painted = trial.isNull() ? QRect() : PaintedBounds(trial);
    if (painted.isEmpty()) {
        m_error = trial.isNull() ? QStringLiteral("cannot be rendered") : QStringLiteral("paints nothing");
        m_handle.reset();
        return;
    }
    m_inkBounds = QRectF(painted.x() / double(TrialSide), painted.y() / double(TrialSide),
                         painted.width() / double(TrialSide), painted.height() / double(TrialSide));
}

SvgPicture::~SvgPicture() = default;
SvgPicture::SvgPicture(SvgPicture&&) noexcept = default;
SvgPicture& SvgPicture::operator=(SvgPicture&&) noexcept = default;

QImage SvgPicture::render(QSize size, const QRectF& box) const
{
    if (!m_handle)
        return {};
    // The square the whole picture fills, scaled so that its painted part just fits the box.
    const qreal side = std::min(box.width() / m_inkBounds.width(), box.height() / m_inkBounds.height());
    const QPointF inkCentre = m_inkBounds.center() * side;
    // Whole-pixel origins keep the edges of flat shapes as crisp as the artist drew them.
    const QPointF origin(std::round(box.center().x() - inkCentre.x()), std::round(box.center().y() - inkCentre.y()));
    return RenderDocument(m_handle->handle, size, QRectF(origin, QSizeF(side, side)));
}

QRect PaintedBounds(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int left = pixels.width(), top = pixels.height(), right = -1, bottom = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(line[x]) > PaintedAlpha) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace llk::assets
