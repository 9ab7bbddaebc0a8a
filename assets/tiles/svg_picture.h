// A vendored SVG picture, parsed once by librsvg and drawn at any size: librsvg draws the filters
// and gradients of the colour emoji sets that QtSvg's SVG Tiny leaves out.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

#include <memory>

namespace llk::assets {

class SvgPicture {
public:
    // Reads and parses `path`; one-colour pictures drawn in `currentColor` take `ink`. On failure
    // the picture is null and error() says why.
    SvgPicture(const QString& path, QColor ink);
    ~SvgPicture();
    SvgPicture(SvgPicture&&) noexcept;
    SvgPicture& operator=(SvgPicture&&) noexcept;

    bool isNull() const { return !m_handle; }
    QString error() const { return m_error; }
    // Whether the picture paints in `currentColor`, so that it is a silhouette that takes an ink.
    bool usesInk() const { return m_usesInk; }

    // Where the painted part lies, as fractions of a square the whole picture is fitted into.
    // Measured once from a trial rendering, so that pictures with wide or narrow margins of
    // their own fill a tile alike. Empty when nothing is painted.
    QRectF inkBounds() const { return m_inkBounds; }

    // The picture rendered into a transparent image of `size`, its painted part fitted into
    // `box` and centred on it.
    QImage render(QSize size, const QRectF& box) const;

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    QString m_error;
    bool m_usesInk = false;
    QRectF m_inkBounds;
};

// The box of `image`'s pixels that are clearly painted (alpha above a faint shadow's).
QRect PaintedBounds(const QImage& image);

} // namespace llk::assets
