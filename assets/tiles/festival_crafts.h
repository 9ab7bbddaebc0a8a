// Festival crafts of Theme 11 that no font has, drawn by code.
#pragma once

#include <QPainter>
#include <QRectF>

namespace llk::assets {

enum class Craft {
    DragonBoat, Tanghulu, Knot, PalaceLantern, Zongzi, Tangyuan, Ding, JadeDisc, PaperCut,
    FirecrackerString, SilkFan, SkyLantern, Couplets, Shuttlecock, LongevityLock,
};

void DrawCraft(QPainter& painter, const QRectF& area, Craft craft, int scale);

} // namespace llk::assets
