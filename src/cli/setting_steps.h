#pragma once
// The options of tabulix-cli that change settings, and the configurations it is given.
#include "cli_options.h"
#include "common/settings.h"
#include "common/tabulix_error.h"

#include <functional>

// A configuration named by --config that cannot be read: the run stops before anything is written.
class UnreadableConfiguration : public TabulixError {
public:
    using TabulixError::TabulixError;
};

// Loads a configuration or profile as the window does. The window loads a missing file as an
// empty one; a file named here must be there, because a mistyped name would otherwise quietly
// switch settings back. Returns why the file cannot be read; empty when it was loaded.
QString loadNamedConfiguration(Settings &settings, const QString &path);

// Adds the files of the list file named by --files-from.
using FileListStep = std::function<void(const QString &listFile)>;

// Applies the steps in order; without addFileList the list files are left alone. A bad value
// throws TabulixError; a configuration that cannot be read throws UnreadableConfiguration with
// the line to report.
void applySettingSteps(Settings &settings, const QList<SettingStep> &steps,
                       const FileListStep &addFileList = {});
