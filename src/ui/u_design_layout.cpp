// The options panels of the layout sections: general options, grouping, order of columns.
#include "ui/u_design_options.h"
#include "ui/u_design_order.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void buildGeneralOptions(PanelBuilder &builder)
{
    QLineEdit *dash = builder.field("des_allg_striche");
    dash->setMaximumWidth(50);
    QLineEdit *lineEnd = builder.field("des_tab_zeichen_ende_zeichen");
    lineEnd->setMaximumWidth(50);
    builder.row({builder.check("des_allg_header_cb"), builder.field("des_allg_header")});
    builder.row({builder.check("des_allg_striche_cb"), dash});
    builder.setting("des_allg_spaltenheader");
    builder.setting("des_allg_endeanzahl");
    builder.setting("des_allg_endesize");
    builder.row({builder.radio("des_tab_padding"), builder.choice("des_tab_pz")});
    builder.row({builder.radio("des_tab_zeichen"), builder.choice("des_tab_z")});
    builder.row({builder.check("des_tab_zeichen_ende"), lineEnd});
}

void buildGroupingOptions(PanelBuilder &builder)
{
    for (const char *name :
         {"des_grup_nein", "des_grup_ja", "des_grup", "des_grup_header", "des_grup_oben", "des_grup_unten"})
        builder.setting(name);
}

void buildOrderOptions(PanelBuilder &builder, Settings &settings)
{
    auto *list = new OrderList(settings);
    auto *up = new QPushButton;
    up->setObjectName(QStringLiteral("BitBtn5"));
    auto *down = new QPushButton;
    down->setObjectName(QStringLiteral("BitBtn6"));
    QObject::connect(up, &QPushButton::clicked, list, &OrderList::moveSelectedUp);
    QObject::connect(down, &QPushButton::clicked, list, &OrderList::moveSelectedDown);

    auto *commands = new QVBoxLayout;
    commands->addWidget(up);
    commands->addWidget(down);
    commands->addSpacing(6);
    for (const char *line : {"Label12", "Label18", "Label30", "Label31", "Label32"})
        commands->addWidget(builder.label(QString::fromUtf8(line)));
    commands->addStretch(1);

    auto *row = new QHBoxLayout;
    row->addWidget(list);
    row->addLayout(commands, 1);
    builder.layout()->addLayout(row);
}
