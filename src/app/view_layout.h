#pragma once
// Which parts of the main window the four view switches leave on screen, and where the bottom
// bar's restore buttons stand. The window applies it; the rules live here so they hold without
// any widget.
#include <array>

// The four areas in the order of the menu "Ansicht" and of the restore buttons.
enum class ViewArea { Input, Preview, Actions, Output };
inline constexpr ViewArea viewAreas[] = {ViewArea::Input, ViewArea::Preview, ViewArea::Actions,
                                         ViewArea::Output};

struct ViewSwitches {
    bool input = true;
    bool preview = true;
    bool actions = true;
    bool output = true;
    bool isShown(ViewArea area) const;
};

inline constexpr int RestoreButtonLeft = 8;  // the first restore button's x in the bottom bar
inline constexpr int RestoreButtonStep = 62; // from one button to the next
// The least width of a restore button; wider captions widen every slot alike.
inline constexpr int RestoreButtonWidth = 52;
// Each divider stands in the gap after its button slot.
inline constexpr int DividerOffset = RestoreButtonWidth + 4;
inline constexpr int DividerWidth = 2;

struct ViewLayout {
    bool leftColumn = true;      // Panel2: input over preview
    bool rightColumn = true;     // Panel3: columns and design over saving
    bool columnSplitter = true;  // Splitter1, between the columns
    bool previewSplitter = true; // Splitter2, between input and preview
    // The x of each area's restore button, -1 while the area is shown (the button hidden).
    std::array<int, 4> restoreButtonX{-1, -1, -1, -1};
    // The first this many dividers show, one per hidden area.
    int dividerCount = 0;

    int restoreX(ViewArea area) const { return restoreButtonX[static_cast<int>(area)]; }
};

// With restore buttons `buttonWidth` wide (at least RestoreButtonWidth); the gaps between the
// slots stay as they are.
ViewLayout viewLayout(const ViewSwitches &switches, int buttonWidth = RestoreButtonWidth);

// The x of divider `index` (0 to 3) in the bottom bar.
int dividerX(int index, int buttonWidth = RestoreButtonWidth);

// The sizes of a two-sided splitter of `total` pixels (handle included) whose first side takes
// half of it: the first side gets the half, the second side what the handle leaves.
std::array<int, 2> halfSplit(int total, int handleWidth);
