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

// The errno that keeps the file from being read; 0 when it can be.
int readError(const QString &path)
{
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return errno;
    struct stat facts {};
    const bool folder = ::fstat(file, &facts) == 0 && S_ISDIR(facts.st_mode);
    ::close(file);
    return folder ? EISDIR : 0;
}

void applySettingStep(Settings &settings, const SettingStep &step)
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
    }
}

} // namespace

QString loadNamedConfiguration(Settings &settings, const QString &path)
{
    if (const int error = readError(path))
        return errorReason(error);
    try {
        // No screen bounds the stored placements: they are kept for the next save.
        loadConfiguration(settings, path, QSize());
    } catch (const TabulixError &error) {
        return error.message();
    }
    return {};
}

void applySettingSteps(Settings &settings, const QList<SettingStep> &steps)
{
    for (const SettingStep &step : steps)
        applySettingStep(settings, step);
}
