#pragma once
// What a start and a hand-over do with their arguments, in order. The work itself
// (adding paths, loading configurations, refreshing the preview) is done by whoever
// implements StartupOperations: the main window in the program, a recorder in tests.
#include <QSize>
#include <QString>
#include <QStringList>

enum class LoadOrigin { StartUp, User };

class StartupOperations {
public:
    virtual ~StartupOperations() = default;
    virtual void updateDaylightBias() = 0;
    virtual void addPath(const QString &path) = 0;
    virtual void loadConfiguration(LoadOrigin origin, const QString &path) = 0;
    virtual void addConfigurationToMenu(const QString &path) = 0;
    virtual void refreshPreviewIfOn() = 0;
    virtual void updateCountLabel() = 0;
};

// A configuration argument: its extension (from the last "." after the last "/") is
// exactly ".tbx"; "a.TBX" is a file to add.
bool isConfigurationArgument(const QString &argument);

// Arguments 1..n as clean absolute paths against the folder the program was started in, so
// that a path typed relative to a terminal means the same file after a hand-over to a
// program running elsewhere. Entry 0 and empty arguments stay as they are.
QStringList withAbsolutePaths(const QStringList &arguments, const QString &startFolder);

// The first showing of the main window: arguments 1..n (without the program path), then
// the start configuration when no configuration was given and the file exists.
void processCommandLine(const QStringList &arguments, const QString &startConfiguration,
                        StartupOperations &operations);

// A hand-over from a second start: entry 0 (the sender's program path) is skipped.
void processHandOver(const QStringList &handedOver, StartupOperations &operations);

// The first showing maximises the main window at its first activation when the desktop
// has less than 50 pixels to spare around the client area in either direction.
bool maximizeOnFirstActivation(const QSize &desktop, const QSize &client);
