#include "ui/app_icon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor sheetBlue(0x1f, 0x5f, 0xb4);
const QColor headerBlue(0x3a, 0x7b, 0xd5);
const QColor gridBlue(0x9d, 0xbc, 0xe6);
const QColor rowTint(0xe8, 0xf0, 0xfb);

// Drawn on a 48 × 48 grid and scaled, so every size shows the same picture.
void drawIcon(QPainter &painter)
{
    constexpr qreal left = 7, top = 3, right = 41, bottom = 45, fold = 9;

    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    painter.setPen(QPen(sheetBlue, 1.5));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);

    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    painter.setBrush(gridBlue);
    painter.drawPath(corner);

    // The table: a header row and four rows in three columns.
    constexpr qreal tableLeft = 11, tableTop = 16, tableRight = 37, rowHeight = 5.5;
    constexpr int rows = 5;
    const QRectF table(tableLeft, tableTop, tableRight - tableLeft, rows * rowHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rowTint);
    painter.drawRect(table);
    painter.setBrush(headerBlue);
    painter.drawRect(QRectF(tableLeft, tableTop, table.width(), rowHeight));

    painter.setPen(QPen(gridBlue, 1.0));
    for (int row = 2; row < rows; ++row) {
        const qreal y = tableTop + row * rowHeight;
        painter.drawLine(QPointF(tableLeft, y), QPointF(tableRight, y));
    }
    for (const qreal x : {tableLeft + 9.0, tableLeft + 18.0}) {
        painter.drawLine(QPointF(x, tableTop + rowHeight), QPointF(x, table.bottom()));
    }
    painter.setPen(QPen(sheetBlue, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(table);
}

} // namespace

QPixmap applicationPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);
    drawIcon(painter);
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(applicationPixmap(size));
    return icon;
}
