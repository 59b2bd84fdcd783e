// The main window's menu "Ansicht" and its view logic: the four areas shown or hidden, their
// restore buttons in the bottom bar, and the split between input and preview.
#include "ui/view_logic.h"

#include "app/view_layout.h"
#include "common/settings.h"
#include "ui/u_design_area.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QMenu>
#include <QSplitter>

namespace {

struct ViewItem {
    const char *menuItem;
    MenuSwitch menuSwitch;
    Qt::Key key;
    const char *closeButton;
    const char *restoreButton;
};

// In the order of the areas (ViewArea).
constexpr ViewItem viewItems[] = {
    {"m_anz_input", MenuSwitch::ShowInput, Qt::Key_F9, "close_input", "max_input"},
    {"m_anz_vorschau", MenuSwitch::ShowPreview, Qt::Key_F10, "close_vorschau", "max_vorschau"},
    {"m_anz_aktionen", MenuSwitch::ShowActions, Qt::Key_F11, "close_actions", "max_aktionen"},
    {"m_anz_output", MenuSwitch::ShowOutput, Qt::Key_F12, "close_output", "max_output"},
};

constexpr int BarItemTop = 5;
constexpr int BarItemHeight = 25;

ViewSwitches viewSwitches(const Settings &settings)
{
    return {settings.isOn(MenuSwitch::ShowInput), settings.isOn(MenuSwitch::ShowPreview),
            settings.isOn(MenuSwitch::ShowActions), settings.isOn(MenuSwitch::ShowOutput)};
}

// The stored panel settings the view switches decide. Panel7 keeps the place of the columns box
// even while the box is hidden, so that the saving area stays at the bottom of its column.
struct ViewPanel {
    const char *name;
    bool shown;
};
std::array<ViewPanel, 7> viewPanels(const ViewSwitches &on)
{
    const ViewLayout layout = viewLayout(on);
    return {{{"Panel2", layout.leftColumn},
             {"Panel3", layout.rightColumn},
             {"Panel4", on.input},
             {"Panel5", on.preview},
             {"Panel6", on.output},
             {"Panel7", true},
             {"box_akt", on.actions}}};
}

bool isViewPanel(const QString &name)
{
    const auto panels = viewPanels({});
    return std::any_of(panels.begin(), panels.end(),
                       [&name](const ViewPanel &panel) { return name == QLatin1StringView(panel.name); });
}

// The left column is as high as the splitter between the columns, which never hides; the
// column's own splitter may not have its new height yet when the column has just come back.
void splitLeftColumnInHalf(const QSplitter *columns, QSplitter *inputAndPreview)
{
    const auto [input, preview] = halfSplit(columns->height(), inputAndPreview->handleWidth());
    inputAndPreview->setSizes({input, preview});
}

} // namespace

ViewLogic::ViewLogic(QMenu &viewMenu, QWidget &frame, Settings &settings, QSplitter &columns,
                     QSplitter &inputAndPreview, DesignArea &design)
    : QObject(&viewMenu), m_frame(frame), m_settings(settings), Splitter1(&columns),
      Splitter2(&inputAndPreview), m_design(design)
{
    for (const ViewItem &item : viewItems) {
        QAction *action = viewMenu.addAction(QString());
        action->setObjectName(QString::fromUtf8(item.menuItem));
        action->setCheckable(true);
        action->setShortcut(item.key);
        action->setChecked(m_settings.isOn(item.menuSwitch));
        // The click has flipped the check; the switch follows it and the view follows the switch.
        connect(action, &QAction::triggered, this,
                [this, menuSwitch = item.menuSwitch](bool on) { m_settings.setOn(menuSwitch, on); });
        for (const char *button : {item.closeButton, item.restoreButton})
            connect(m_frame.findChild<QAbstractButton *>(QString::fromUtf8(button)),
                    &QAbstractButton::clicked, this,
                    [this, menuSwitch = item.menuSwitch] { toggleView(menuSwitch); });
    }
    // However a switch changes (menu, button, configuration, reset), the check and the view follow.
    connect(&m_settings, &Settings::menuSwitchChanged, this, [this, menu = &viewMenu](MenuSwitch changed) {
        for (const ViewItem &item : viewItems) {
            if (item.menuSwitch != changed)
                continue;
            menu->findChild<QAction *>(QString::fromUtf8(item.menuItem))
                ->setChecked(m_settings.isOn(changed));
            m_anz_inputClick();
        }
    });
    // A configuration or a reset may bring panel values of its own; the switches win.
    connect(&m_settings, &Settings::changed, this, [this](SettingId id) {
        if (windowOf(id) == SettingsWindow::PB && isViewPanel(nameOf(id)))
            showViewPanels();
    });
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { splitAfterResize(true); });
    connect(Splitter2, &QSplitter::splitterMoved, this, [this] { splitAfterResize(true); });
    arrangeView();
}

void ViewLogic::toggleView(MenuSwitch area)
{
    m_settings.setOn(area, !m_settings.isOn(area));
}

void ViewLogic::m_anz_inputClick()
{
    arrangeView();
    // Every change of the view splits the left column half and half again.
    splitLeftColumnInHalf(Splitter1, Splitter2);
    m_design.arrangePanels();
}

void ViewLogic::arrangeView()
{
    showViewPanels();
    // The splitters hide the handle beside a hidden side themselves, at their next layout pass;
    // it runs now, so that the split that follows sees the new sizes.
    for (QSplitter *splitter : {Splitter1, Splitter2}) {
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(splitter, &request);
    }
    placeRestoreButtons();
}

void ViewLogic::placeRestoreButtons()
{
    // Every slot is as wide as the widest caption needs.
    int buttonWidth = RestoreButtonWidth;
    for (const ViewItem &item : viewItems)
        buttonWidth = qMax(
            buttonWidth,
            m_frame.findChild<QAbstractButton *>(QString::fromUtf8(item.restoreButton))->sizeHint().width());
    const ViewLayout layout = viewLayout(viewSwitches(m_settings), buttonWidth);
    for (const ViewArea area : viewAreas) {
        const ViewItem &item = viewItems[static_cast<int>(area)];
        auto *button = m_frame.findChild<QAbstractButton *>(QString::fromUtf8(item.restoreButton));
        const int x = layout.restoreX(area);
        if (x >= 0)
            button->setGeometry(x, BarItemTop, buttonWidth, BarItemHeight);
        button->setVisible(x >= 0);
    }
    for (int index = 0; index < 4; ++index) {
        auto *divider = m_frame.findChild<QFrame *>(QStringLiteral("max_b%1").arg(index + 1));
        divider->setGeometry(dividerX(index, buttonWidth), BarItemTop, DividerWidth, BarItemHeight);
        divider->setVisible(index < layout.dividerCount);
    }
}

void ViewLogic::showViewPanels()
{
    for (const ViewPanel &panel : viewPanels(viewSwitches(m_settings)))
        m_settings.setOn(SettingsWindow::PB, QString::fromUtf8(panel.name), panel.shown);
}

void ViewLogic::splitAfterResize(bool fromSplitter)
{
    // The preview's picture box keeps its own scroll range; only the split and the stack remain.
    if (!fromSplitter && m_settings.isOn(MenuSwitch::ShowPreview))
        splitLeftColumnInHalf(Splitter1, Splitter2);
    m_design.restack();
}

void ViewLogic::followWindowResize()
{
    splitAfterResize(false);
}
