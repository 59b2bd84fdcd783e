#include "ui/dialog_placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

QPoint placeOver(const QPoint &mainTopLeft, const QSize &mainClient, const QSize &dialogClient)
{
    // C++ integer division truncates towards zero, which a larger dialog relies on.
    const int left = mainTopLeft.x() + (mainClient.width() - dialogClient.width()) / 2;
    const int top = mainTopLeft.y() + (mainClient.height() - dialogClient.height()) / 2;
    return {left, top};
}

void centreOnScreen(QWidget &window)
{
    const QRect screenArea = window.screen()->availableGeometry();
    window.move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.frameGeometry().size(), screenArea)
            .topLeft());
}
