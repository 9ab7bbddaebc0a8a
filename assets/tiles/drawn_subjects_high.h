// Parts of Themes 15-29 drawn by code in files of their own: pocket creatures, pixel mascots,
// biscuits and fruit.
#pragma once

#include <QPainter>
#include <QRectF>

namespace llk::assets {

void PocketCreatureSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale); // 25
void MascotSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);         // 26

// The drawn treats that follow the emoji of Themes 27 and 28, `kind` counting from 1 among them.
void BiscuitSubject(QPainter& painter, const QRectF& area, int kind, int scale);
void DrawnFruit(QPainter& painter, const QRectF& area, int kind, int scale);

} // namespace llk::assets
