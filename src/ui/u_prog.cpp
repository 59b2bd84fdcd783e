#include "ui/u_prog.h"

#include "app/hand_over_server.h"
#include "app/program_state.h"
#include "collect/file_adder.h"
#include "common/error_text.h"
#include "common/locale_format.h"
#include "common/message_catalogue.h"
#include "common/paths.h"
#include "common/prog_captions.h"
#include "config/config_location.h"
#include "table/default_texts.h"
#include "ui/u_adding_feedback.h"
#include "ui/u_application.h"
#include "ui/u_design_area.h"
#include "ui/u_einstausgabe.h"
#include "ui/u_preview_pane.h"
#include "ui/u_qulist.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_filter.h"
#include "ui/u_startup_operations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

Q_LOGGING_CATEGORY(lcHandOver, "tabulix.handover", QtWarningMsg)

Tprog::Tprog(ProgramState &state, HandOverServer &handOver, Tstart &start, const QStringList &arguments,
             QWidget *parent)
    : QMainWindow(parent), m_state(state), m_start(start), m_arguments(arguments)
{
    setObjectName(QStringLiteral("Tprog"));
    // Its own task-bar entry: a top-level window without owner.
    setAttribute(Qt::WA_QuitOnClose, false);
    buildFrame();
    buildMenus();
    buildListPopup();
    addFeatureRequestLines();

    // 1. Dropped files and folders.
    setAcceptDrops(true);
    // 2. The folder watch, inactive until a folder is chosen and the switch is on.
    m_watch = new FolderWatch(this);
    connect(m_watch, &FolderWatch::notified, this, &Tprog::onWatchEvent);
    m_feedback = std::make_unique<WindowAddingFeedback>(*this, *qulist, m_state.fileList, *m_preview,
                                                        [this] { updateCountLabel(); });
    m_startup = std::make_unique<WindowStartupOperations>(*this);
    m_adder = std::make_unique<FileAdder>(m_state, *m_feedback, &m_state.fileList.icons());
    // 3. The start configuration command names its file.
    m_konfig_start->setToolTip(startConfigurationPath());
    m_konfig_start->setStatusTip(startConfigurationPath());
    connect(&m_state.settings, &Settings::mainPlacementChanged, this, &Tprog::applyPlacement);
    // 4. Every configuration beside the start configuration goes into the menu.
    for (const QString &file : configurationFilesIn(configurationFolder()))
        addConfigurationToMenu(file);
    // 6. The default columns: name, size, creation date.
    for (const char *column : {"act_name", "act_size", "act_datum_erstellt"})
        m_state.settings.setOn(SettingsWindow::PB, QString::fromUtf8(column), true);
    // 7. The receiver of hand-overs from later starts.
    m_receiver = new HandOverReceiver(handOver, this);
    connect(m_receiver, &HandOverReceiver::newInstance, this, &Tprog::handOverReceived);
    connect(m_receiver, &HandOverReceiver::bringToFront, this, &Tprog::bringToFront);
    m_exit = new ProgramExit(
        handOver, [this] { saveAutomatically(); }, showErrorBox, this);
    connect(m_exit, &ProgramExit::ending, this, &Tprog::hideEveryWindow);
    // 8. Captions of the current language; the client's size follows, as the menu bar's height
    // depends on its captions.
    applyLanguage();
    resizeClient(MainClientSize.width(), MainClientSize.height());
    connect(&m_state.settings, &Settings::languageChanged, this, &Tprog::sprachealles);

    connect(qulist->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_state.fileList.qulistColumnClick(column, LocaleFormat::system());
        qulist->header()->setSortIndicatorShown(true);
        qulist->header()->setSortIndicator(column, m_state.fileList.sortDescending() ? Qt::DescendingOrder
                                                                                     : Qt::AscendingOrder);
        m_preview->refreshPreviewIfOn();
    });
    connect(qulist, &Qulist::deleteRequested, this, &Tprog::removeSelectedRows);
    connect(qulist, &Qulist::mouseReleased, m_preview, &PreviewPane::refreshPreviewIfOn);
    // Dragged rows are in no column's order any more.
    connect(qulist, &Qulist::rowsMoved, this, [this] {
        qulist->header()->setSortIndicatorShown(false);
        m_preview->refreshPreviewIfOn();
    });
    connect(qulist, &Qulist::listDoubleClicked, this, &Tprog::m_datei_openClick);
    connect(OpenOrdner, &QPushButton::clicked, this, &Tprog::OrdnerWahlClick);
    // The watch switch starts and stops the watch however it changes: a click or a configuration.
    m_state.settings.watch(PB::inp_ow, this, [this] { updateFolderWatch(); });
    inp_ordner->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { endProgram(ExitRequest::Logout); });
}

Tprog::~Tprog() = default;

StartupOperations &Tprog::startupOperations()
{
    return *m_startup;
}

void Tprog::useDialogs(Tsm_filter &filter, Tsm_bearbeitung &progress, Tsm_meldung &message,
                       Tsm_achtung &confirmation)
{
    m_filter = &filter;
    m_progress = &progress;
    m_message = &message;
    m_confirmation = &confirmation;
    m_feedback->useDialogs(progress, message);
    m_preview->useDialogs(message, confirmation);
    const auto showFilter = [this] { m_filter->exec(); };
    connect(bitbtn1, &QPushButton::clicked, this, showFilter);
    connect(m_einst_filter, &QAction::triggered, this, showFilter);
}

void Tprog::useOutputSettings(Teinstausgabe &window)
{
    m_outputSettings = &window;
    connect(m_einst_ausgabe, &QAction::triggered, &window, &QDialog::exec);
    m_preview->useOutputSettings(window);
}

void Tprog::buildMenus()
{
    QMenu *fileMenu = menuBar()->addMenu(QString());
    fileMenu->setObjectName(QStringLiteral("m_datei"));
    const auto addAction = [](QMenu *menu, const char *name, auto *receiver, auto handler) {
        QAction *action = menu->addAction(QString());
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, receiver, handler);
        return action;
    };
    addAction(fileMenu, "m_datei_open", this, &Tprog::m_datei_openClick)->setShortcut(QKeySequence::Open);
    addAction(fileMenu, "m_datei_ordner", this, &Tprog::OrdnerWahlClick);
    fileMenu->addSeparator();
    addAction(fileMenu, "m_dateiliste_save", this, &Tprog::m_dateiliste_saveClick);
    addAction(fileMenu, "m_dateiliste_open", this, &Tprog::m_dateiliste_openClick);
    addAction(fileMenu, "m_datei_delall", this, &Tprog::removeAllRows);
    addAction(fileMenu, "m_datei_delmark", this, &Tprog::removeSelectedRows);
    fileMenu->addSeparator();
    addAction(fileMenu, "m_datei_konvert", m_preview, &PreviewPane::SpeichernClick)
        ->setShortcut(Qt::CTRL | Qt::Key_S);
    addAction(fileMenu, "m_datei_zwischenablage", m_preview, &PreviewPane::ZwischenablageClick)
        ->setShortcut(Qt::CTRL | Qt::Key_C);
    addAction(fileMenu, "m_datei_vorschauaktualisieren", m_preview, &PreviewPane::AktualisierenClick)
        ->setShortcut(Qt::CTRL | Qt::Key_W);
    fileMenu->addSeparator();
    addAction(fileMenu, "m_bug", this, &Tprog::m_bugClick);
    fileMenu->addSeparator();
    addAction(fileMenu, "m_datei_beenden", this, [this] { endProgram(ExitRequest::Menu); });

    buildSettingsMenu();
    buildViewMenu();

    buildConfigurationMenu();
    buildToolsMenu();

    buildHelpMenus();
}

void Tprog::applyLanguage()
{
    const Language language = m_state.settings.language();
    setWindowTitle(applicationTitle());
    for (const ControlText &text : progTexts()) {
        const QString name = QString::fromUtf8(text.component);
        const QString value = progText(text, language);
        if (auto *action = findChild<QAction *>(name)) {
            text.hint ? action->setToolTip(value) : action->setText(value);
        } else if (auto *menu = menuBar()->findChild<QMenu *>(name)) {
            menu->setTitle(value);
        } else if (QWidget *control = findChild<QWidget *>(name)) {
            if (text.hint)
                control->setToolTip(value);
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                button->setText(value);
            else if (auto *label = qobject_cast<QLabel *>(control))
                label->setText(value);
            else if (auto *caption = control->findChild<QLabel *>(name + QStringLiteral("_caption")))
                caption->setText(value);
        }
    }
    m_state.fileList.setLanguage(language);
    updateCountLabel();
    // The column options' items first, so that the translated choices find their items; the
    // saving area's items then find the chosen format already in this language. The default
    // texts are translated by replacement, which must run once per switch: a second run would
    // turn "Type" into "Typee".
    m_design->applyLanguage();
    translateDefaultTexts(m_state.settings, language);
    translateOutFormat();
    fitRightColumn();
    placeRestoreButtons();
    (isGerman(language) ? m_einst_sprache_deutsch : m_einst_sprache_english)->setChecked(true);
    showHelpMenuOfLanguage(language);
    // The subfolder switch is as wide as its caption plus 25 pixels; the watch switch follows it.
    inp_uv->setFixedWidth(inp_uv->fontMetrics().horizontalAdvance(inp_uv->text()) + 25);
}

void Tprog::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        onFirstShow();
    }
}

void Tprog::onFirstShow()
{
    processCommandLine(m_arguments, startConfigurationPath(), *m_startup);
    if (const QScreen *screen = this->screen())
        if (maximizeOnFirstActivation(screen->availableSize(), centralWidget()->size()))
            m_maximizeOnActivate = true;
}

void Tprog::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_maximizeOnActivate) {
        m_maximizeOnActivate = false;
        showMaximized();
    }
}

void Tprog::closeEvent(QCloseEvent *event)
{
    event->setAccepted(endProgram(ExitRequest::WindowClosed));
}

void Tprog::hideEveryWindow()
{
    m_watch->deactivate();
    // A collecting step that runs below this call stops at its next file.
    if (m_progress)
        m_progress->reject();
    // Hiding sends no close event, so nothing asks to end a second time.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
}

void Tprog::updateCountLabel()
{
    la_anzahl->setText(countLabelText(m_state.fileList.count(), m_state.settings.language()));
}

void Tprog::removeSelectedRows()
{
    qulist->setUpdatesEnabled(false);
    m_state.fileList.removeRowsAt(qulist->selectedRowNumbers());
    updateCountLabel();
    qulist->setUpdatesEnabled(true);
    m_preview->refreshPreviewIfOn();
}

void Tprog::removeAllRows()
{
    qulist->setUpdatesEnabled(false);
    m_state.fileList.clear();
    updateCountLabel();
    qulist->setUpdatesEnabled(true);
    m_preview->refreshPreviewIfOn();
}

void Tprog::handOverReceived(const QStringList &arguments)
{
    qCInfo(lcHandOver).noquote() << "hand-over:" << arguments.join(QStringLiteral(" | "));
    processHandOver(arguments, *m_startup);
}

void Tprog::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
