#include "config/stored_placements.h"

namespace {

void writePlacement(IniDocument &document, const QString &section, const WindowPlacement &placement)
{
    document.writeFlag(section, QStringLiteral("PF"), placement.maximized);
    document.writeNumber(section, QStringLiteral("PB"), placement.width);
    document.writeNumber(section, QStringLiteral("PH"), placement.height);
    document.writeNumber(section, QStringLiteral("PT"), placement.top);
    document.writeNumber(section, QStringLiteral("PL"), placement.left);
}

// The stored number when it is not larger than the bound (no bound when it is 0 or less).
int boundedNumber(const IniDocument &document, const QString &section, const char16_t *key, int current,
                  int bound)
{
    const int stored = document.readNumber(section, key, current);
    return bound <= 0 || stored <= bound ? stored : current;
}

// A maximised window keeps its size and position for when it is restored.
WindowPlacement readPlacement(const IniDocument &document, const QString &section,
                              const WindowPlacement &current, const QSize &screen)
{
    WindowPlacement placement = current;
    placement.maximized = document.readFlag(section, QStringLiteral("PF"), current.maximized);
    if (placement.maximized)
        return placement;
    placement.width = boundedNumber(document, section, u"PB", current.width, screen.width());
    placement.height = boundedNumber(document, section, u"PH", current.height, screen.height());
    placement.top = boundedNumber(document, section, u"PT", current.top, screen.height());
    placement.left = boundedNumber(document, section, u"PL", current.left, screen.width());
    return placement;
}

} // namespace

void writeMainPlacement(IniDocument &document, const MainWindowPlacement &placement)
{
    const QString section = QStringLiteral("SP");
    writePlacement(document, section, placement.window);
    document.writeNumber(section, QStringLiteral("PR"), placement.rightColumnWidth);
    document.writeNumber(section, QStringLiteral("PO"), placement.filesAreaHeight);
}

void writeRenamerPlacement(IniDocument &document, const WindowPlacement &placement)
{
    writePlacement(document, QStringLiteral("SD"), placement);
}

MainWindowPlacement readMainPlacement(const IniDocument &document, const MainWindowPlacement &current,
                                      const QSize &screen)
{
    const QString section = QStringLiteral("SP");
    MainWindowPlacement placement = current;
    placement.window = readPlacement(document, section, current.window, screen);
    // The splitters stay inside the window as it now is.
    placement.rightColumnWidth = boundedNumber(document, section, u"PR", current.rightColumnWidth,
                                               std::max(placement.window.width, 1));
    placement.filesAreaHeight = boundedNumber(document, section, u"PO", current.filesAreaHeight,
                                              std::max(placement.window.height, 1));
    return placement;
}

WindowPlacement readRenamerPlacement(const IniDocument &document, const WindowPlacement &current,
                                     const QSize &screen)
{
    return readPlacement(document, QStringLiteral("SD"), current, screen);
}
