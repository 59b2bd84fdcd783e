#pragma once
// Window placements as configuration files store them: SP for the main window, SD for the
// renaming tool. Loading takes a stored size or position only when it is not larger than the
// screen, so a file from a larger screen cannot push a window out of reach; an empty screen
// size (no screen, as on the command line) takes every value.
#include "common/settings.h"
#include "config/ini_document.h"

#include <QSize>

void writeMainPlacement(IniDocument &document, const MainWindowPlacement &placement);
void writeRenamerPlacement(IniDocument &document, const WindowPlacement &placement);

MainWindowPlacement readMainPlacement(const IniDocument &document, const MainWindowPlacement &current,
                                      const QSize &screen);
WindowPlacement readRenamerPlacement(const IniDocument &document, const WindowPlacement &current,
                                     const QSize &screen);
