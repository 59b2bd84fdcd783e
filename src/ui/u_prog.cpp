#include "ui/u_prog.h"

#include "app/hand_over_server.h"
#include "app/program_state.h"
#include "collect/file_adder.h"
#include "common/error_text.h"
#include "common/locale_format.h"
#include "common/message_catalogue.h"
#include "common/paths.h"
#include "ui/prog_captions.h"
#include "config/config_location.h"
#include "table/default_texts.h"
#include "ui/configuration_menu.h"
#include "ui/dropped_paths.h"
#include "ui/file_adding.h"
#include "ui/help_menus.h"
#include "ui/main_placement.h"
#include "ui/u_application.h"
#include "ui/u_design_area.h"
#include "ui/u_preview_pane.h"
#include "ui/u_qulist.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_startup_operations.h"
#include "ui/view_logic.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QMimeData>

Q_LOGGING_CATEGORY(lcHandOver, "tabulix.handover", QtWarningMsg)

Tprog::Tprog(ProgramState &state, HandOverServer &handOver, Tstart &start, const QStringList &arguments,
             QWidget *parent)
    : QMainWindow(parent), m_state(state), m_arguments(arguments)
{
    setObjectName(QStringLiteral("Tprog"));
    // Its own task-bar entry: a top-level window without owner.
    setAttribute(Qt::WA_QuitOnClose, false);
    buildFrame();
    m_placement = new MainPlacement(*this, m_state.settings, *Splitter1, *Splitter2);
    buildMenus(start);

    // 1. Dropped files and folders.
    setAcceptDrops(true);
    m_startup = std::make_unique<WindowStartupOperations>(*this);
    // 6. The default columns: name, size, creation date.
    for (const CheckSetting column : {PB::act_name, PB::act_size, PB::act_datum_erstellt})
        m_state.settings.setOn(column, true);
    // 7. The receiver of hand-overs from later starts.
    m_receiver = new HandOverReceiver(handOver, this);
    connect(m_receiver, &HandOverReceiver::newInstance, this, &Tprog::handOverReceived);
    connect(m_receiver, &HandOverReceiver::bringToFront, this, &Tprog::bringToFront);
    m_exit = new ProgramExit(
        handOver, [this] { m_configurations->saveAutomatically(); }, showErrorBox, this);
    connect(m_exit, &ProgramExit::ending, this, &Tprog::hideEveryWindow);
    // 8. Captions of the current language; the client's size follows, as the menu bar's height
    // depends on its captions.
    applyLanguage();
    m_placement->resizeClient(MainClientSize.width(), MainClientSize.height());

    connect(qulist->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_state.fileList.qulistColumnClick(column, LocaleFormat::system());
        qulist->header()->setSortIndicatorShown(true);
        qulist->header()->setSortIndicator(column, m_state.fileList.sortDescending() ? Qt::DescendingOrder
                                                                                     : Qt::AscendingOrder);
        m_preview->refreshPreviewIfOn();
    });
    connect(qulist, &Qulist::mouseReleased, m_preview, &PreviewPane::refreshPreviewIfOn);
    // Dragged rows are in no column's order any more.
    connect(qulist, &Qulist::rowsMoved, this, [this] {
        qulist->header()->setSortIndicatorShown(false);
        m_preview->refreshPreviewIfOn();
    });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { endProgram(ExitRequest::Logout); });
}

Tprog::~Tprog() = default;

FileAdder &Tprog::adder()
{
    return m_adding->adder();
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
    m_view->placeRestoreButtons();
    m_help->showMenuOfLanguage(language);
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
    m_placement->firstShown();
    processCommandLine(m_arguments, startConfigurationPath(), *m_startup);
    m_placement->maximizeIfScreenIsSmaller();
}

void Tprog::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_placement->activated();
}

void Tprog::closeEvent(QCloseEvent *event)
{
    event->setAccepted(endProgram(ExitRequest::WindowClosed));
}

void Tprog::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_view->followWindowResize();
}

void Tprog::dragEnterEvent(QDragEnterEvent *event)
{
    acceptUrlDrag(event);
}

void Tprog::dropEvent(QDropEvent *event)
{
    const QStringList paths = acceptDroppedPaths(event);
    // The drop is released first, so the program the files came from does not wait for the adding.
    QMetaObject::invokeMethod(
        this, [this, paths] { m_adding->addDroppedPaths(paths); }, Qt::QueuedConnection);
}

void Tprog::hideEveryWindow()
{
    m_adding->folderWatch().deactivate();
    // A collecting step that runs below this call stops at its next file.
    if (m_windows)
        m_windows->progress.reject();
    // Hiding sends no close event, so nothing asks to end a second time.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
}

void Tprog::updateCountLabel()
{
    la_anzahl->setText(countLabelText(m_state.fileList.count(), m_state.settings.language()));
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
