#pragma once
// The sections of the column options, top to bottom. Each has a header panel that is always
// shown and an options panel that its button (or, for the layout sections, its label) opens.
#include <QString>
#include <QVector>

struct DesignSection {
    const char *header;     // the header panel, e.g. "apanel10"
    const char *options;    // the options panel, e.g. "apanel11"
    const char *activation; // the column's switch; nullptr for the layout sections
    const char *button;     // the "Optionen" button; nullptr where there is none
    const char *label;      // the caption label of a layout section; nullptr for the columns
};

// The sixteen sections in stack order; the first twelve are the column kinds 01 to 12.
const QVector<DesignSection> &designSections();
