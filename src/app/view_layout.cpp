#include "app/view_layout.h"

#include <algorithm>

bool ViewSwitches::isShown(ViewArea area) const
{
    switch (area) {
    case ViewArea::Input:
        return input;
    case ViewArea::Preview:
        return preview;
    case ViewArea::Actions:
        return actions;
    case ViewArea::Output:
        return output;
    }
    return true;
}

namespace {

int slotWidth(int buttonWidth)
{
    return std::max(buttonWidth, RestoreButtonWidth);
}

int slotX(int slot, int buttonWidth)
{
    return RestoreButtonLeft + slot * (RestoreButtonStep - RestoreButtonWidth + slotWidth(buttonWidth));
}

} // namespace

ViewLayout viewLayout(const ViewSwitches &switches, int buttonWidth)
{
    ViewLayout layout;
    layout.leftColumn = switches.input || switches.preview;
    layout.rightColumn = switches.actions || switches.output;
    layout.previewSplitter = switches.input && switches.preview;
    layout.columnSplitter = layout.leftColumn && layout.rightColumn;
    // Buttons of hidden areas take the free slots from the left, in the menu's order.
    int slot = 0;
    for (const ViewArea area : viewAreas) {
        if (switches.isShown(area))
            continue;
        layout.restoreButtonX[static_cast<int>(area)] = slotX(slot, buttonWidth);
        ++slot;
    }
    layout.dividerCount = slot;
    return layout;
}

int dividerX(int index, int buttonWidth)
{
    return slotX(index, buttonWidth) + DividerOffset - RestoreButtonWidth + slotWidth(buttonWidth);
}

std::array<int, 2> halfSplit(int total, int handleWidth)
{
    const int first = std::max(0, total / 2);
    return {first, std::max(0, total - handleWidth - first)};
}
