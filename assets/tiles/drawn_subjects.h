// Subjects of Themes 0-14 that are drawn by code rather than taken from an emoji font.
#pragma once

#include <QPainter>
#include <QRectF>

namespace llk::assets {

void GamePieceSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);    // 1
void CrystalSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);      // 5
void FolderSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);       // 6
void ButtonSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);       // 7
void MahjongSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);      // 9
void FestivalSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);     // 11
void NumberSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);       // 12
void ModernFolderSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale); // 13

} // namespace llk::assets
