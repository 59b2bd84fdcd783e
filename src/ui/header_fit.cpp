#include "ui/header_fit.h"

#include <QHeaderView>

void widenSectionsToCaptions(QHeaderView &header)
{
    // The header measures the sort mark only while it shows one.
    const bool marked = header.isSortIndicatorShown();
    header.setSortIndicatorShown(true);
    for (int section = 0; section < header.count(); ++section)
        if (header.sectionSize(section) < header.sectionSizeHint(section))
            header.resizeSection(section, header.sectionSizeHint(section));
    header.setSortIndicatorShown(marked);
}
