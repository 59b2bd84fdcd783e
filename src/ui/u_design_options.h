#pragma once
// The contents of the options panels of the column options.
#include "ui/u_design_builder.h"

// The options of column kind 1 to 12.
void buildColumnOptions(int kind, PanelBuilder &builder);
// The layout sections: general options, grouping, order of columns.
void buildGeneralOptions(PanelBuilder &builder);
void buildGroupingOptions(PanelBuilder &builder);
void buildOrderOptions(PanelBuilder &builder, Settings &settings);
