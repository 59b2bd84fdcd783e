#include "ui/u_sm_filter.h"

#include "app/program_state.h"
#include "collect/type_filter.h"
#include "ui/dialog_placement.h"
#include "ui/u_settings_binding.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int leastWidth = 255;
constexpr int memberIndent = 16;
} // namespace

Tsm_filter::Tsm_filter(ProgramState &state, QWidget *parent)
    : QDialog(parent), alle(new QRadioButton(this)), auswahl(new QRadioButton(this)),
      Button1(new QPushButton(this)), m_state(state)
{
    setObjectName(QStringLiteral("sm_filter"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setModal(true);

    alle->setObjectName(QStringLiteral("alle"));
    auswahl->setObjectName(QStringLiteral("auswahl"));
    Button1->setObjectName(QStringLiteral("Button1"));
    bindRadioButton(alle, m_state.settings, SettingsWindow::PF);
    bindRadioButton(auswahl, m_state.settings, SettingsWindow::PF);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(alle);
    layout->addWidget(auswahl);
    layout->addLayout(buildCategories());
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(Button1);
    layout->addLayout(buttonRow);

    applyEnabled();
    connect(&m_state.settings, &Settings::changed, this, [this](SettingId id) {
        if (windowOf(id) == SettingsWindow::PF)
            applyEnabled();
    });
    applyLanguage();

    // Wider at will, never higher or lower.
    setMinimumWidth(leastWidth);
    setFixedHeight(sizeHint().height());
    resize(qMax(leastWidth, sizeHint().width()), height());
}

QGridLayout *Tsm_filter::buildCategories()
{
    // Column 0 indents the members; a group box spans the row, a category's field takes the rest.
    auto *grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, memberIndent);
    grid->setColumnStretch(2, 1);
    int row = 0;
    for (const FilterBox &entry : filterBoxes()) {
        auto *box = new QCheckBox(this);
        box->setObjectName(nameOf(entry.box.id));
        bindCheckBox(box, m_state.settings, SettingsWindow::PF);
        if (!entry.field) {
            m_categories.append({&entry, box, nullptr});
            grid->addWidget(box, row++, 0, 1, 3);
            continue;
        }
        if (entry.group)
            grid->addWidget(box, row, 1);
        else
            grid->addWidget(box, row, 0, 1, 2);
        auto *field = new QLineEdit(this);
        field->setObjectName(nameOf(entry.field->id));
        bindLineEdit(field, m_state.settings, SettingsWindow::PF);
        m_categories.append({&entry, box, field});
        grid->addWidget(field, row++, 2);
    }
    return grid;
}

void Tsm_filter::applyEnabled()
{
    for (const Category &category : std::as_const(m_categories)) {
        category.box->setEnabled(filterControlEnabled(m_state.settings, category.entry->box.id));
        if (category.field)
            category.field->setEnabled(filterControlEnabled(m_state.settings, category.entry->field->id));
    }
}

void Tsm_filter::applyLanguage()
{
    const Language language = m_state.settings.language();
    setWindowTitle(filterText(FilterText::Caption, language));
    alle->setText(filterText(FilterText::All, language));
    auswahl->setText(filterText(FilterText::Selection, language));
    Button1->setText(filterText(FilterText::Ok, language));
    for (const Category &category : std::as_const(m_categories))
        category.box->setText(filterCaption(*category.entry, language));
}

void Tsm_filter::showEvent(QShowEvent *event)
{
    centreOnScreen(*this);
    QDialog::showEvent(event);
}
