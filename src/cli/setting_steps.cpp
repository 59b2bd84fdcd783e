#include "setting_steps.h"

#include "config/configuration_file.h"
#include "config/setting_sections.h"
#include "encoding/text_encoding.h"
#include "standard_output.h"
#include "table/output_format.h"

#include <QFile>
#include <QSize>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why the file cannot be read as a configuration; empty when it can. Opened without blocking,
// so that a FIFO named by mistake is refused instead of waiting for a writer.
QString readFailure(const QString &path)
{
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file < 0)
        return errorReason(errno);
    struct stat facts {};
    const bool statted = ::fstat(file, &facts) == 0;
    ::close(file);
    if (statted && S_ISDIR(facts.st_mode))
        return errorReason(EISDIR);
    if (statted && !S_ISREG(facts.st_mode))
        return QStringLiteral("not a regular file");
    return {};
}

void applySettingStep(Settings &settings, const SettingStep &step, const FileListStep &addFileList)
{
    switch (step.kind) {
    case SettingStep::Kind::LoadConfiguration:
        if (const QString reason = loadNamedConfiguration(settings, step.value); !reason.isEmpty())
            throw UnreadableConfiguration(
                QStringLiteral("cannot read configuration '%1': %2").arg(step.value, reason));
        break;
    case SettingStep::Kind::Reset:
        resetToStandard(settings);
        break;
    case SettingStep::Kind::Assign:
        applySettingAssignment(settings, step.value);
        break;
    case SettingStep::Kind::Format:
        settings.setValue(SettingsWindow::PB, QStringLiteral("out_format"),
                          outFormatItem(*outputFormatOfTag(step.value), settings.language()));
        break;
    case SettingStep::Kind::Encoding:
        setTextEncoding(settings, TextEncoding(step.value.toInt()));
        break;
    case SettingStep::Kind::FilesFrom:
        if (addFileList)
            addFileList(step.value);
        break;
    }
}

} // namespace

QString loadNamedConfiguration(Settings &settings, const QString &path)
{
    if (const QString failure = readFailure(path); !failure.isEmpty())
        return failure;
    try {
        // No screen bounds the stored placements: they are kept for the next save.
        loadConfiguration(settings, path, QSize());
    } catch (const TabulixError &error) {
        return error.message();
    }
    return {};
}

void applySettingSteps(Settings &settings, const QList<SettingStep> &steps, const FileListStep &addFileList)
{
    for (const SettingStep &step : steps)
        applySettingStep(settings, step, addFileList);
}
