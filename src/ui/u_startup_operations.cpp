#include "ui/u_startup_operations.h"

#include "collect/file_adder.h"
#include "ui/configuration_menu.h"
#include "ui/u_preview_pane.h"
#include "ui/u_prog.h"

void WindowStartupOperations::updateDaylightBias()
{
    m_window.adder().updateDaylightBias();
}

void WindowStartupOperations::addPath(const QString &path)
{
    m_window.adder().addPath(path);
}

void WindowStartupOperations::loadConfiguration(LoadOrigin origin, const QString &path)
{
    m_window.configurations().loadConfiguration(origin, path);
}

void WindowStartupOperations::addConfigurationToMenu(const QString &path)
{
    m_window.configurations().addConfigurationToMenu(path);
}

void WindowStartupOperations::refreshPreviewIfOn()
{
    m_window.preview().refreshPreviewIfOn();
}

void WindowStartupOperations::updateCountLabel()
{
    m_window.updateCountLabel();
}
