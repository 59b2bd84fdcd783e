#include "ui/u_renamix.h"

#include "app/program_state.h"
#include "renamer/renamer_texts.h"
#include "ui/control_captions.h"
#include "ui/file_manager_link.h"
#include "ui/header_fit.h"
#include "ui/named_widget.h"
#include "ui/renamer_captions.h"
#include "ui/typed_characters.h"
#include "ui/u_application.h"
#include "ui/u_renamix_filter.h"
#include "ui/u_settings_binding.h"
#include "ui/u_sm_meldung.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>

namespace {

const char *const placeholderTexts[] = {"%name%", "%num%", "%0num%", "%abs%"};
const char *const placeholderExplanations[] = {"LabelName", "LabelNum", "LabelNullNum", "LabelAbs"};

// A group's long heading wraps inside it, so the window can stay narrow.
QLabel *heading(QWidget *group, const char *name)
{
    auto *label = named<QLabel>(group, name);
    label->setWordWrap(true);
    return label;
}

QHBoxLayout *row(std::initializer_list<QWidget *> widgets, bool stretchAtEnd = false)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    if (stretchAtEnd)
        layout->addStretch();
    return layout;
}

} // namespace

TRenamix::TRenamix(ProgramState &state, QWidget *parent)
    : QWidget(parent, Qt::Window), m_state(state), m_tool(state.settings, state.okForAll, *this),
      m_filter(new TRenamix_filter(state.settings, this)), m_fileManager(new FileManagerLink(this))
{
    setObjectName(QStringLiteral("TRenamix"));
    // Its own task-bar entry; the program does not end with it.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAcceptDrops(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildListGroup(), 1);
    layout->addWidget(buildMaskGroup());
    layout->addWidget(buildReplaceGroup());
    layout->addWidget(buildPreviewGroup());
    auto *umbenennen = named<QPushButton>(this, "Umbenennen");
    Rueckgaengig = named<QPushButton>(this, "Rueckgaengig");
    connect(umbenennen, &QPushButton::clicked, this, &TRenamix::UmbenennenClick);
    connect(Rueckgaengig, &QPushButton::clicked, this, &TRenamix::RueckgaengigClick);
    clashCount = named<QLabel>(this, "clashCount");
    layout->addWidget(clashCount, 0, Qt::AlignRight);
    layout->addLayout(row({Rueckgaengig, umbenennen}));
    statusBar = named<QStatusBar>(this, "StatusBar1");
    layout->addWidget(statusBar);
    buildPopup();

    connect(&m_state.settings, &Settings::changed, this, [this](SettingId id) {
        if (windowOf(id) != SettingsWindow::DU)
            return;
        if (id == DU::suchenersetzen)
            suchenersetzenClick();
        markSearchProblem();
        Vorschau();
    });
    // The clashes follow every change of the list and of its new names.
    const RenameList *list = &m_tool.list();
    connect(list, &QAbstractItemModel::rowsInserted, this, &TRenamix::updateClashCount);
    connect(list, &QAbstractItemModel::rowsRemoved, this, &TRenamix::updateClashCount);
    connect(list, &QAbstractItemModel::modelReset, this, &TRenamix::updateClashCount);
    connect(list, &QAbstractItemModel::dataChanged, this, &TRenamix::updateClashCount);
    connect(list, &QAbstractItemModel::layoutChanged, this, &TRenamix::updateClashCount);
    connect(&m_state.settings, &Settings::renamerPlacementChanged, this, &TRenamix::applyPlacement);
    suchenersetzenClick();
    markSearchProblem();
    updateClashCount();
    updateCountLine();
    updateUndo();
    applyPlacement();
    applyLanguage();
    fitColumns();
}

TRenamix::~TRenamix() = default;

QWidget *TRenamix::buildListGroup()
{
    auto *group = named<QGroupBox>(this, "GroupBox1");
    quordner = named<QLineEdit>(group, "quordner");
    bindLineEdit(quordner, m_state.settings, SettingsWindow::DU);
    quordner->installEventFilter(this);
    connect(quordner, &QLineEdit::returnPressed, this, &TRenamix::quordnerKeyPress);
    auto *open = named<QPushButton>(group, "OrdnerOeffnen");
    connect(open, &QPushButton::clicked, this, &TRenamix::OrdnerOeffnenClick);
    auto *filterButton = named<QPushButton>(group, "FilterButton");
    connect(filterButton, &QPushButton::clicked, this, &TRenamix::FilterClick);
    uv = named<QCheckBox>(group, "uv");
    bindCheckBox(uv, m_state.settings, SettingsWindow::DU);

    qulist = named<QTreeView>(group, "qulist");
    qulist->setModel(&m_tool.list());
    qulist->setRootIsDecorated(false);
    qulist->setUniformRowHeights(true);
    qulist->setSelectionMode(QAbstractItemView::ExtendedSelection);
    qulist->setSelectionBehavior(QAbstractItemView::SelectRows);
    qulist->header()->setSectionsClickable(true);
    qulist->header()->setSortIndicatorShown(true);
    qulist->header()->setSortIndicator(RenameNameColumn, Qt::AscendingOrder);
    qulist->installEventFilter(this);
    connect(qulist->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_tool.list().columnClick(column);
        qulist->header()->setSortIndicator(column, m_tool.list().sortDescending() ? Qt::DescendingOrder
                                                                                  : Qt::AscendingOrder);
        Vorschau();
    });
    connect(&m_tool.list(), &QAbstractItemModel::headerDataChanged, this, &TRenamix::fitColumns);
    connect(qulist, &QTreeView::clicked, this, &TRenamix::previewSelectedEntry);
    connect(qulist, &QTreeView::doubleClicked, this, &TRenamix::previewSelectedEntry);

    anzahl = named<QLabel>(group, "anzahl");
    auto *deleteSelected = named<QPushButton>(group, "MarkierteLoeschen");
    connect(deleteSelected, &QPushButton::clicked, this, [this] { m_tool.removeRows(selectedRows()); });
    auto *deleteAll = named<QPushButton>(group, "AlleLoeschen");
    connect(deleteAll, &QPushButton::clicked, this, [this] { m_tool.removeAll(); });

    auto *layout = new QVBoxLayout(group);
    layout->addWidget(heading(group, "LabelGruppe1"));
    layout->addLayout(row({quordner, open, filterButton}));
    layout->addWidget(uv);
    layout->addWidget(qulist, 1);
    auto *bottom = row({anzahl}, true);
    bottom->addWidget(deleteSelected);
    bottom->addWidget(deleteAll);
    layout->addLayout(bottom);
    return group;
}

QWidget *TRenamix::buildMaskGroup()
{
    auto *group = named<QGroupBox>(this, "GroupBox2");
    maske = named<QComboBox>(group, "maske");
    maske->setEditable(true);
    bindComboBox(maske, m_state.settings, SettingsWindow::DU);
    setChoiceItems(maske,
                   {QStringLiteral("%name%"), QStringLiteral("%name%1"), QStringLiteral("%name%%num%"),
                    QStringLiteral("%0num%"), QStringLiteral("%0num% %name%"),
                    QStringLiteral("%0num%-%abs%")},
                   m_state.settings, SettingsWindow::DU);
    refuseTypedCharacters(maske, NameRefusals);
    numstart = named<QComboBox>(group, "numstart");
    numstart->setEditable(true);
    // Room for a first number of six digits.
    numstart->setMinimumContentsLength(6);
    bindComboBox(numstart, m_state.settings, SettingsWindow::DU);
    setChoiceItems(numstart, {QStringLiteral("0"), QStringLiteral("1")}, m_state.settings,
                   SettingsWindow::DU);
    acceptTypedDigitsOnly(numstart);

    auto *layout = new QVBoxLayout(group);
    layout->addWidget(heading(group, "LabelGruppe2"));
    layout->addWidget(maske);
    layout->addWidget(heading(group, "LabelKonstanten"));
    auto *grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        // A click on the placeholder puts it into the mask; it keeps the mask's caret.
        auto *placeholder = new QLabel(QString::fromUtf8(placeholderTexts[i]), group);
        placeholder->setObjectName(QStringLiteral("konstante%1").arg(i));
        placeholder->setCursor(Qt::PointingHandCursor);
        placeholder->setFocusPolicy(Qt::NoFocus);
        placeholder->installEventFilter(this);
        m_placeholders.append(placeholder);
        grid->addWidget(placeholder, i, 0);
        grid->addWidget(named<QLabel>(group, placeholderExplanations[i]), i, 1);
    }
    // The first number stands beside the explanation of "%num%", which names it.
    grid->addWidget(numstart, 1, 2);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    // The facts of the file and the case changes wait in the menu of one button, so the window
    // keeps its size; each item inserts its placeholder as a click on a constant does.
    // A push button keeps room for its menu's arrow beside the text.
    auto *more = named<QPushButton>(group, "morePlaceholders");
    m_morePlaceholders = new QMenu(more);
    for (const PlaceholderText &text : factPlaceholders()) {
        const QString placeholder = QString::fromUtf8(text.placeholder);
        m_morePlaceholders->addAction(placeholder, this,
                                      [this, placeholder] { insertPlaceholder(placeholder); });
    }
    more->setMenu(m_morePlaceholders);
    grid->addWidget(more, 3, 2);
    return group;
}

QWidget *TRenamix::buildReplaceGroup()
{
    auto *group = named<QGroupBox>(this, "GroupBox3");
    suchenersetzen = named<QCheckBox>(group, "suchenersetzen");
    suchenalt = named<QLineEdit>(group, "suchenalt");
    suchenneu = named<QLineEdit>(group, "suchenneu");
    cb_suchname = named<QCheckBox>(group, "cb_suchname");
    cb_suchendung = named<QCheckBox>(group, "cb_suchendung");
    cb_regex = named<QCheckBox>(group, "cb_regex");
    cb_case = named<QCheckBox>(group, "cb_case");
    for (QCheckBox *box : {suchenersetzen, cb_suchname, cb_suchendung, cb_regex, cb_case})
        bindCheckBox(box, m_state.settings, SettingsWindow::DU);
    for (QLineEdit *field : {suchenalt, suchenneu})
        bindLineEdit(field, m_state.settings, SettingsWindow::DU);
    // The search text may hold anything a name holds; its replacement becomes part of a name.
    refuseTypedCharacters(suchenneu, NameRefusals);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(heading(group, "LabelGruppe3"));
    auto *grid = new QGridLayout;
    grid->addWidget(suchenersetzen, 0, 0);
    // The switches of the search stand beside its fields, above "Dateiendung", so the window
    // keeps its width.
    grid->addWidget(suchenalt, 0, 1);
    grid->addWidget(cb_regex, 0, 2);
    grid->addWidget(named<QLabel>(group, "LabelErsetzen"), 1, 0);
    grid->addWidget(suchenneu, 1, 1);
    grid->addWidget(cb_case, 1, 2);
    grid->addWidget(named<QLabel>(group, "LabelSuchenIn"), 2, 0);
    grid->addWidget(cb_suchname, 2, 1);
    grid->addWidget(cb_suchendung, 2, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    return group;
}

QWidget *TRenamix::buildPreviewGroup()
{
    auto *group = named<QGroupBox>(this, "GroupBox4");
    alterName = named<QLabel>(group, "alterName");
    neuerName = named<QLabel>(group, "neuerName");
    auto *grid = new QGridLayout(group);
    grid->addWidget(named<QLabel>(group, "LabelAlt"), 0, 0);
    grid->addWidget(alterName, 0, 1);
    grid->addWidget(named<QLabel>(group, "LabelNeu"), 1, 0);
    grid->addWidget(neuerName, 1, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

void TRenamix::fitColumns()
{
    // The status column holds every status text of either language.
    const QFontMetrics metrics = qulist->fontMetrics();
    int statusWidth = 0;
    for (const Language language : {Language::German, Language::English})
        for (const RenameStatus status :
             {RenameStatus::Added, RenameStatus::Renamed, RenameStatus::NotRenamed, RenameStatus::Exists,
              RenameStatus::Failed, RenameStatus::Undone})
            statusWidth = qMax(statusWidth, metrics.horizontalAdvance(renameStatusText(status, language)));
    QHeaderView *header = qulist->header();
    const int cellMargins =
        2 * (qulist->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, qulist) + 1);
    header->resizeSection(RenameStatusColumn,
                          qMax(header->sectionSize(RenameStatusColumn), statusWidth + cellMargins));
    widenSectionsToCaptions(*header);
}

void TRenamix::applyLanguage()
{
    const Language language = m_state.settings.language();
    applyCaptions(*this, renamixTexts(), language);
    const QList<PlaceholderText> &texts = factPlaceholders();
    const QList<QAction *> items = m_morePlaceholders->actions();
    for (qsizetype i = 0; i < texts.size(); ++i)
        items[i]->setText(QString::fromUtf8(texts[i].placeholder) + u'\t' +
                          BilingualText{texts[i].german, texts[i].english}.in(language));
    m_filter->applyLanguage();
    markSearchProblem();
    updateClashCount();
}

void TRenamix::markSearchProblem()
{
    const QString problem = RenameRule::fromSettings(m_state.settings).searchProblem();
    suchenalt->setStyleSheet(problem.isEmpty() ? QString()
                                               : QStringLiteral("QLineEdit { background: #ffc8c8; }"));
    suchenalt->setToolTip(problem.isEmpty() ? QString()
                                            : invalidPatternText(problem, m_state.settings.language()));
}

void TRenamix::updateClashCount()
{
    clashCount->setText(clashText(m_tool.list().clashCount(), m_state.settings.language()));
    // Without clashes the line takes no room from the list.
    clashCount->setVisible(!clashCount->text().isEmpty());
}

void TRenamix::suchenersetzenClick()
{
    const bool on = m_state.settings.isOn(SettingsWindow::DU, suchenersetzen->objectName());
    for (const char *name : {"suchenalt", "suchenneu", "LabelErsetzen", "LabelSuchenIn", "cb_suchname",
                             "cb_suchendung", "cb_regex", "cb_case"})
        findChild<QWidget *>(QString::fromUtf8(name))->setEnabled(on);
}

void TRenamix::updateUndo()
{
    Rueckgaengig->setEnabled(m_tool.canUndo());
}

void TRenamix::showMessage(const QString &key, const QString &path)
{
    if (m_message)
        m_message->showMessage(key, path);
}

void TRenamix::setBusy(bool busy)
{
    setEnabled(!busy);
    if (!busy) {
        activateWindow();
        qulist->setFocus();
    }
}

void TRenamix::showStatus(const QString &text)
{
    statusBar->showMessage(text);
    // The window repaints while it works; being disabled, it takes no input.
    QCoreApplication::processEvents();
}

void TRenamix::showFailure(const QString &text)
{
    showErrorBox(text);
}

void TRenamix::updateCountLine()
{
    anzahl->setText(m_tool.countLineText());
}
