#include "ui/dialog_placement.h"

QPoint placeOver(const QPoint &mainTopLeft, const QSize &mainClient, const QSize &dialogClient)
{
    // C++ integer division truncates towards zero, which a larger dialog relies on.
    const int left = mainTopLeft.x() + (mainClient.width() - dialogClient.width()) / 2;
    const int top = mainTopLeft.y() + (mainClient.height() - dialogClient.height()) / 2;
    return {left, top};
}
