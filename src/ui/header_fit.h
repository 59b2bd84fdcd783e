#pragma once
// Column widths that hold their captions: a stated width is the least a column gets.
class QHeaderView;

// Widens every section that is narrower than its caption needs with a sort mark beside it,
// as any column shows once it is clicked; wider sections keep their width.
void widenSectionsToCaptions(QHeaderView &header);
