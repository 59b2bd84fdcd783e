// The main window's areas, splitters and bottom bar.
#include "app/program_state.h"
#include "table/output_format.h"
#include "ui/frame_pictures.h"
#include "ui/u_design_area.h"
#include "ui/u_preview_pane.h"
#include "ui/u_prog.h"
#include "ui/u_qulist.h"
#include "ui/u_settings_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int SplitterWidth = 6;
constexpr int MinimumLeftWidth = 300;  // neither side of Splitter1 below 300
constexpr int RightColumnWidth = 316;  // Panel3, also its minimum
constexpr int MinimumAreaHeight = 205; // neither side of Splitter2 below 205
constexpr int MinimumAreaWidth = 295;
constexpr int SavingAreaHeight = 91;
constexpr int BottomBarHeight = 35;
constexpr int OutputButtonWidth = 97;

QWidget *panel(const QString &name, QWidget *parent = nullptr)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(name);
    return widget;
}

QVBoxLayout *tightColumn(QWidget *widget)
{
    auto *layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// A 12 x 12 button that shows its active picture while the mouse is over it.
class CloseButton : public QToolButton {
public:
    CloseButton(const QString &name, QWidget *parent) : QToolButton(parent)
    {
        setObjectName(name);
        setFixedSize(12, 12);
        setAutoRaise(true);
        setIconSize(QSize(12, 12));
        showPicture(false);
    }

protected:
    void enterEvent(QEnterEvent *) override { showPicture(true); }
    void leaveEvent(QEvent *) override { showPicture(false); }

private:
    void showPicture(bool active)
    {
        setIcon(QPixmap::fromImage(closeButtonPicture(palette().color(QPalette::Button), active)));
    }
};

} // namespace

void Tprog::buildFrame()
{
    auto *client = new QWidget(this);
    client->setMinimumSize(MainClientMinimum);
    auto *clientLayout = tightColumn(client);

    QWidget *Panel1 = panel(QStringLiteral("Panel1"), client);
    auto *panel1Layout = tightColumn(Panel1);
    Splitter1 = new QSplitter(Qt::Horizontal, Panel1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(SplitterWidth);
    Splitter1->setChildrenCollapsible(false);
    panel1Layout->addWidget(Splitter1);

    QWidget *Panel2 = panel(QStringLiteral("Panel2"));
    Panel2->setMinimumWidth(MinimumLeftWidth);
    Splitter2 = new QSplitter(Qt::Vertical, Panel2);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(SplitterWidth);
    Splitter2->setChildrenCollapsible(false);
    tightColumn(Panel2)->addWidget(Splitter2);

    QWidget *Panel4 = panel(QStringLiteral("Panel4"));
    Panel4->setMinimumSize(MinimumAreaWidth, MinimumAreaHeight);
    tightColumn(Panel4)->addWidget(buildAreaBox(QStringLiteral("box_dat"), QStringLiteral("box_dat_top"),
                                                QStringLiteral("close_input"), buildInputArea()));
    m_preview = new PreviewPane(m_state);
    QWidget *Panel5 = panel(QStringLiteral("Panel5"));
    Panel5->setMinimumSize(MinimumAreaWidth, MinimumAreaHeight);
    tightColumn(Panel5)->addWidget(buildAreaBox(QStringLiteral("box_vor"), QStringLiteral("box_vor_top"),
                                                QStringLiteral("close_vorschau"), m_preview));
    Splitter2->addWidget(Panel4);
    Splitter2->addWidget(Panel5);

    QWidget *Panel3 = panel(QStringLiteral("Panel3"));
    Panel3->setMinimumWidth(RightColumnWidth);
    auto *panel3Layout = tightColumn(Panel3);
    QWidget *Panel7 = panel(QStringLiteral("Panel7"));
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    m_design = new DesignArea(m_state, ScrollBox1);
    connect(m_design, &DesignArea::refreshRequested, m_preview, &PreviewPane::refreshPreviewIfOn);
    tightColumn(Panel7)->addWidget(buildAreaBox(QStringLiteral("box_akt"), QStringLiteral("box_akt_top"),
                                                QStringLiteral("close_actions"), ScrollBox1));
    QWidget *Panel6 = panel(QStringLiteral("Panel6"));
    Panel6->setFixedHeight(SavingAreaHeight);
    tightColumn(Panel6)->addWidget(buildAreaBox(QStringLiteral("box_sav"), QStringLiteral("box_sav_top"),
                                                QStringLiteral("close_output"), buildSavingArea()));
    panel3Layout->addWidget(Panel7, 1);
    panel3Layout->addWidget(Panel6);

    Splitter1->addWidget(Panel2);
    Splitter1->addWidget(Panel3);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({MainClientSize.width() - RightColumnWidth - SplitterWidth, RightColumnWidth});
    Splitter2->setSizes({1, 1});

    clientLayout->addWidget(Panel1, 1);
    clientLayout->addWidget(buildBottomBar());
    setCentralWidget(client);

    for (QWidget *frame : {Panel1, Panel2, Panel4, Panel5, Panel3, Panel6, Panel7})
        bindPanel(frame, m_state.settings, SettingsWindow::PB);
}

QWidget *Tprog::buildAreaBox(const QString &boxName, const QString &headerName, const QString &closeName,
                             QWidget *content)
{
    QWidget *box = panel(boxName);
    auto *layout = tightColumn(box);

    auto *header = new QFrame;
    header->setObjectName(headerName);
    header->setAutoFillBackground(true);
    QPalette headerColours = header->palette();
    headerColours.setColor(QPalette::Window, shiftedColour(palette().color(QPalette::Button), -50));
    header->setPalette(headerColours);
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(2, 2, 4, 2);
    auto *caption = new QLabel;
    caption->setObjectName(headerName + QStringLiteral("_caption"));
    caption->setStyleSheet(QStringLiteral("font-weight: bold; color: white;"));
    headerLayout->addWidget(caption, 1);
    headerLayout->addWidget(new CloseButton(closeName, header));

    layout->addWidget(header);
    layout->addWidget(content, 1);
    for (QWidget *part : {box, static_cast<QWidget *>(header)})
        bindPanel(part, m_state.settings, SettingsWindow::PB);
    return box;
}

QWidget *Tprog::buildInputArea()
{
    QWidget *area = panel(QStringLiteral("input_area"));
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(6, 4, 6, 4);

    auto *note = new QLabel;
    note->setObjectName(QStringLiteral("Label1"));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *folderRow = new QHBoxLayout;
    inp_ordner = new QLineEdit;
    inp_ordner->setObjectName(QStringLiteral("inp_ordner"));
    bindLineEdit(inp_ordner, m_state.settings, SettingsWindow::PB);
    folderRow->addWidget(inp_ordner, 1);
    OpenOrdner = new QPushButton;
    OpenOrdner->setObjectName(QStringLiteral("OpenOrdner"));
    bitbtn1 = new QPushButton;
    bitbtn1->setObjectName(QStringLiteral("bitbtn1"));
    folderRow->addWidget(OpenOrdner);
    folderRow->addWidget(bitbtn1);
    layout->addLayout(folderRow);

    auto *switches = new QHBoxLayout;
    inp_uv = new QCheckBox;
    inp_uv->setObjectName(QStringLiteral("inp_uv"));
    inp_ow = new QCheckBox;
    inp_ow->setObjectName(QStringLiteral("inp_ow"));
    bindCheckBox(inp_uv, m_state.settings, SettingsWindow::PB);
    bindCheckBox(inp_ow, m_state.settings, SettingsWindow::PB);
    switches->addWidget(inp_uv);
    switches->addSpacing(15);
    switches->addWidget(inp_ow);
    switches->addStretch(1);
    layout->addLayout(switches);

    qulist = new Qulist(m_state.fileList);
    layout->addWidget(qulist, 1);

    auto *bottomRow = new QHBoxLayout;
    la_anzahl = new QLabel;
    la_anzahl->setObjectName(QStringLiteral("la_anzahl"));
    bottomRow->addWidget(la_anzahl, 1);
    auto *removeSelected = new QPushButton;
    removeSelected->setObjectName(QStringLiteral("inp_deleteselect"));
    auto *removeAll = new QPushButton;
    removeAll->setObjectName(QStringLiteral("inp_deleteall"));
    bottomRow->addWidget(removeSelected);
    bottomRow->addWidget(removeAll);
    layout->addLayout(bottomRow);
    return area;
}

QWidget *Tprog::buildBottomBar()
{
    QWidget *bar = panel(QStringLiteral("Panel12"));
    bar->setFixedHeight(BottomBarHeight);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 4, 8, 4);
    // Restore buttons and their dividers show only while an area is hidden; the view logic
    // places them, so they stay out of the layout.
    const char *restoreButtons[] = {"max_input", "max_vorschau", "max_aktionen", "max_output"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(bar);
        button->setObjectName(QString::fromUtf8(restoreButtons[i]));
        button->hide();
        auto *divider = new QFrame(bar);
        divider->setObjectName(QStringLiteral("max_b%1").arg(i + 1));
        divider->setFrameShape(QFrame::VLine);
        divider->hide();
    }
    layout->addStretch(1);
    const std::pair<const char *, void (PreviewPane::*)()> outputButtons[] = {
        {"Aktualisieren", &PreviewPane::AktualisierenClick},
        {"Zwischenablage", &PreviewPane::ZwischenablageClick},
        {"Speichern", &PreviewPane::SpeichernClick}};
    for (const auto &[name, handler] : outputButtons) {
        auto *button = new QPushButton;
        button->setObjectName(QString::fromUtf8(name));
        // The stated width is the least; a longer caption widens the button.
        button->setMinimumWidth(OutputButtonWidth);
        connect(button, &QPushButton::clicked, m_preview, handler);
        layout->addWidget(button);
    }
    bindPanel(bar, m_state.settings, SettingsWindow::PB);
    return bar;
}

QWidget *Tprog::buildSavingArea()
{
    auto *area = new QWidget;
    area->setObjectName(QStringLiteral("sav_area"));
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(6, 4, 6, 4);
    auto *label = new QLabel;
    label->setObjectName(QStringLiteral("out_format_label"));
    layout->addWidget(label);
    out_format = new QComboBox;
    out_format->setObjectName(QStringLiteral("out_format"));
    out_format->setEditable(false);
    setChoiceItems(out_format, outFormatItems(m_state.settings.language()), m_state.settings,
                   SettingsWindow::PB);
    bindComboBox(out_format, m_state.settings, SettingsWindow::PB);
    layout->addWidget(out_format);
    layout->addStretch(1);
    // The preview shows what the format at start calls for.
    m_preview->out_formatChange();
    return area;
}

void Tprog::fitRightColumn()
{
    const int scrollBar = ScrollBox1->verticalScrollBar()->sizeHint().width();
    findChild<QWidget *>(QStringLiteral("Panel3"))
        ->setMinimumWidth(qMax(RightColumnWidth, m_design->widestSection() + scrollBar));
}

void Tprog::translateOutFormat()
{
    const Language language = m_state.settings.language();
    // The chosen item itself follows with the other default texts (translateDefaultTexts).
    setChoiceItems(out_format, outFormatItems(language), m_state.settings, SettingsWindow::PB);
}
