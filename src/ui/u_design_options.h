#pragma once
// The contents of the options panels of the column options.
#include "table/act_array.h"
#include "ui/u_design_builder.h"

// The options of a column kind.
void buildColumnOptions(ColumnKind kind, PanelBuilder &builder);
// The layout sections: general options, grouping, order of columns.
void buildGeneralOptions(PanelBuilder &builder);
void buildGroupingOptions(PanelBuilder &builder);
void buildOrderOptions(PanelBuilder &builder, Settings &settings);
