// The review sheet of the window artwork: every picture on one PNG, labelled.
#include "contact_sheet.h"

#include <QDir>
#include <QFont>
#include <QPainter>

#include <vector>

namespace llk::art {
namespace {

constexpr int SheetWidth = 1500;
constexpr int Margin = 20;
constexpr int LabelHeight = 18;

// Lays labelled pictures out left to right, wrapping into rows.
class SheetLayout {
public:
    explicit SheetLayout(QPainter& painter) : m_painter(painter) {}

    void Heading(const QString& text)
    {
        NewRow();
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(20);
        font.setBold(true);
        m_painter.setFont(font);
        m_painter.setPen(QColor(0xF0, 0xE6, 0xC8));
        m_painter.drawText(QPoint(Margin, m_y + 22), text);
        m_y += 34;
    }

    // `picture` at `size` (its own pixel size when empty, so a 2x picture shows twice as large),
    // on a checkerboard when it has transparency.
    void Add(const QImage& picture, const QString& label, QSize size = {}, bool pixelated = false)
    {
        if (size.isEmpty())
            size = picture.size();
        const int cellWidth = std::max(size.width(), 60);
        if (m_x + cellWidth > SheetWidth - Margin)
            NewRow();
        const QRect target(m_x, m_y, size.width(), size.height());
        if (picture.hasAlphaChannel())
            Checkerboard(target);
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, !pixelated);
        m_painter.drawImage(target, picture);
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(12);
        m_painter.setFont(font);
        m_painter.setPen(QColor(0xD8, 0xD8, 0xD8));
        m_painter.drawText(QRect(m_x, m_y + size.height() + 2, cellWidth + 40, LabelHeight), Qt::AlignLeft, label);
        m_x += cellWidth + 24;
        m_rowHeight = std::max(m_rowHeight, size.height() + LabelHeight + 10);
    }

    void NewRow()
    {
        if (m_x > Margin)
            m_y += m_rowHeight;
        m_x = Margin;
        m_rowHeight = 0;
    }

    int Bottom() const { return m_y + m_rowHeight; }

private:
    void Checkerboard(const QRect& area)
    {
        constexpr int Square = 8;
        for (int y = area.top(); y <= area.bottom(); y += Square)
            for (int x = area.left(); x <= area.right(); x += Square) {
                const bool dark = ((x - area.left()) / Square + (y - area.top()) / Square) % 2;
                m_painter.fillRect(QRect(x, y, Square, Square).intersected(area),
                                   dark ? QColor(0x9A, 0x9A, 0x9A) : QColor(0xBE, 0xBE, 0xBE));
            }
    }

    QPainter& m_painter;
    int m_x = Margin;
    int m_y = Margin;
    int m_rowHeight = 0;
};

void Lay(SheetLayout& layout, const QString& artFolder, const QString& backgroundFolder, QString& error)
{
    auto load = [&](const QString& path) {
        QImage image(path);
        if (image.isNull() && error.isEmpty())
            error = QStringLiteral("cannot read %1").arg(path);
        return image;
    };
    const QDir art(artFolder);
    layout.Heading(QStringLiteral("Built-in background (half size) and its 2x version (quarter size)"));
    layout.Add(load(art.filePath(QStringLiteral("background.jpg"))), QStringLiteral("background 1024x768"), {512, 384});
    layout.Add(load(art.filePath(QStringLiteral("background@2x.jpg"))), QStringLiteral("background@2x 2048x1536"),
               {512, 384});

    layout.Heading(QStringLiteral("Background folder (quarter size)"));
    const QDir backgrounds(backgroundFolder);
    for (const QString& name : backgrounds.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name)) {
        const QImage picture = load(backgrounds.filePath(name));
        layout.Add(picture, QStringLiteral("%1  %2x%3").arg(name).arg(picture.width()).arg(picture.height()), {256, 192});
    }

    layout.Heading(QStringLiteral("Pause picture, template, cursor (1x, 2x, and 1x enlarged 4x; hot spot in red)"));
    layout.Add(load(art.filePath(QStringLiteral("pause.png"))), QStringLiteral("pause 128"));
    layout.Add(load(art.filePath(QStringLiteral("pause@2x.png"))), QStringLiteral("pause@2x 256"));
    layout.Add(load(art.filePath(QStringLiteral("template.png"))), QStringLiteral("template 40"));
    layout.Add(load(art.filePath(QStringLiteral("template@2x.png"))), QStringLiteral("template@2x"));
    const QImage cursor = load(art.filePath(QStringLiteral("cursor.png")));
    layout.Add(cursor, QStringLiteral("cursor 32"));
    layout.Add(load(art.filePath(QStringLiteral("cursor@2x.png"))), QStringLiteral("cursor@2x"));
    QImage marked = cursor.convertToFormat(QImage::Format_ARGB32);
    if (!marked.isNull())
        marked.setPixel(6, 0, qRgb(255, 0, 0));
    layout.Add(marked, QStringLiteral("cursor x4"), {128, 128}, true);

    layout.Heading(QStringLiteral("Program icon"));
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        layout.Add(load(art.filePath(QStringLiteral("icon-%1.png").arg(size))), QStringLiteral("%1").arg(size));

    layout.Heading(QStringLiteral("Link pieces 1-6 (1x, then 2x, then 1x enlarged 3x)"));
    for (int member = 1; member <= 6; ++member)
        layout.Add(load(art.filePath(QStringLiteral("linkpiece-%1.png").arg(member))),
                   QStringLiteral("piece %1").arg(member));
    for (int member = 1; member <= 6; ++member)
        layout.Add(load(art.filePath(QStringLiteral("linkpiece-%1@2x.png").arg(member))),
                   QStringLiteral("piece %1 @2x").arg(member));
    layout.NewRow();
    for (int member = 1; member <= 6; ++member)
        layout.Add(load(art.filePath(QStringLiteral("linkpiece-%1.png").arg(member))),
                   QStringLiteral("piece %1 x3").arg(member), {156, 150}, true);
}

} // namespace

QImage PaintContactSheet(const QString& artFolder, const QString& backgroundFolder, QString& error)
{
    // Lay out once to measure, then again onto a sheet of the right height.
    QImage probe(SheetWidth, 10, QImage::Format_RGB32);
    int height = 0;
    {
        QPainter painter(&probe);
        SheetLayout layout(painter);
        Lay(layout, artFolder, backgroundFolder, error);
        height = layout.Bottom() + Margin;
    }
    if (!error.isEmpty())
        return {};
    QImage sheet(SheetWidth, height, QImage::Format_RGB32);
    sheet.fill(QColor(0x34, 0x36, 0x3A));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    SheetLayout layout(painter);
    Lay(layout, artFolder, backgroundFolder, error);
    return sheet;
}

} // namespace llk::art
