#include "ui/main_placement.h"

#include "common/settings.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSplitter>

MainPlacement::MainPlacement(QMainWindow &window, Settings &settings, QSplitter &columns,
                             QSplitter &inputAndPreview)
    : QObject(&window), m_window(window), m_settings(settings), m_columns(columns),
      m_inputAndPreview(inputAndPreview)
{
    connect(&m_settings, &Settings::mainPlacementChanged, this, &MainPlacement::apply);
}

void MainPlacement::whileLoading(LoadOrigin origin, const std::function<void()> &load)
{
    const QScopedValueRollback loading(m_loadOrigin, origin);
    load();
}

void MainPlacement::maximizeIfScreenIsSmaller()
{
    if (const QScreen *screen = m_window.screen())
        if (maximizeOnFirstActivation(screen->availableSize(), m_window.centralWidget()->size()))
            m_maximizeOnActivate = true;
}

void MainPlacement::activated()
{
    if (m_maximizeOnActivate) {
        m_maximizeOnActivate = false;
        m_window.showMaximized();
    }
}

void MainPlacement::resizeClient(int width, int height)
{
    // The menu bar stands above the client at the height its captions need at this width.
    const QMenuBar *bar = m_window.menuBar();
    m_window.resize(
        width, height + (bar->hasHeightForWidth() ? bar->heightForWidth(width) : bar->sizeHint().height()));
}

void MainPlacement::capture()
{
    // A window never shown has no placement of its own yet: the settings' one stands.
    if (!m_shown)
        return;
    MainWindowPlacement placement = m_settings.mainPlacement();
    placement.window = {m_window.isMaximized(), m_window.x(), m_window.y(), m_window.centralWidget()->width(),
                        m_window.centralWidget()->height()};
    // A hidden area has no size; its last one stays.
    if (const int width = m_columns.sizes().value(1); width > 0)
        placement.rightColumnWidth = width;
    if (const int height = m_inputAndPreview.sizes().value(0); height > 0)
        placement.filesAreaHeight = height;
    const QScopedValueRollback capturing(m_capturingPlacement, true);
    m_settings.setMainPlacement(placement);
}

void MainPlacement::apply()
{
    if (m_capturingPlacement)
        return;
    const MainWindowPlacement placement = m_settings.mainPlacement();
    const WindowPlacement &window = placement.window;
    if (window.maximized) {
        // At start-up the window maximises when it is first activated.
        if (m_loadOrigin == LoadOrigin::StartUp)
            m_maximizeOnActivate = true;
        else
            m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
    } else {
        m_window.setWindowState(m_window.windowState() & ~Qt::WindowMaximized);
        resizeClient(window.width, window.height);
        m_window.move(window.left, window.top);
    }
    applySplitterSizes(placement);
}

void MainPlacement::applySplitterSizes(const MainWindowPlacement &placement)
{
    // The stored side takes its size when the window can hold it, the other side the rest.
    const auto place = [](QSplitter *splitter, int side, int size, int bound) {
        QList<int> sizes = splitter->sizes();
        if (sizes.size() != 2 || size > bound)
            return;
        const int total = sizes[0] + sizes[1];
        sizes[side] = size;
        sizes[1 - side] = qMax(0, total - size);
        splitter->setSizes(sizes);
    };
    const QSize outer = m_window.frameGeometry().size();
    place(&m_columns, 1, placement.rightColumnWidth, outer.width());
    place(&m_inputAndPreview, 0, placement.filesAreaHeight, outer.height());
}
