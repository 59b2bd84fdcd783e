#include "app/startup_sequence.h"

#include "common/paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Returns whether a configuration was among the arguments.
bool processArguments(const QStringList &arguments, StartupOperations &operations)
{
    bool configurationGiven = false;
    for (const QString &argument : arguments) {
        if (isConfigurationArgument(argument)) {
            operations.loadConfiguration(LoadOrigin::StartUp, argument);
            operations.addConfigurationToMenu(argument);
            configurationGiven = true;
        } else {
            operations.addPath(argument);
        }
    }
    return configurationGiven;
}

} // namespace

QStringList withAbsolutePaths(const QStringList &arguments, const QString &startFolder)
{
    QStringList result = arguments;
    const QDir folder(startFolder);
    for (qsizetype i = 1; i < result.size(); ++i)
        if (!result[i].isEmpty())
            result[i] = QDir::cleanPath(folder.absoluteFilePath(result[i]));
    return result;
}

bool isConfigurationArgument(const QString &argument)
{
    return extensionOf(argument) == u".tbx";
}

void processCommandLine(const QStringList &arguments, const QString &startConfiguration,
                        StartupOperations &operations)
{
    operations.updateDaylightBias();
    const bool configurationGiven = processArguments(arguments, operations);
    if (!arguments.isEmpty())
        operations.refreshPreviewIfOn();
    if (!configurationGiven && QFileInfo(startConfiguration).isFile())
        operations.loadConfiguration(LoadOrigin::StartUp, startConfiguration);
    operations.updateCountLabel();
}

void processHandOver(const QStringList &handedOver, StartupOperations &operations)
{
    operations.updateDaylightBias();
    processArguments(handedOver.mid(1), operations);
    operations.refreshPreviewIfOn();
    operations.updateCountLabel();
}

bool maximizeOnFirstActivation(const QSize &desktop, const QSize &client)
{
    return desktop.height() < client.height() + 50 || desktop.width() < client.width() + 50;
}
