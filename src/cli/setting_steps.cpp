#include "setting_steps.h"

#include "config/configuration_file.h"
#include "config/setting_sections.h"
#include "encoding/text_encoding.h"
#include "shorthands.h"
#include "table/output_format.h"

#include <QSize>

namespace {

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
        settings.setValue(PB::out_format, outFormatItem(*outputFormatOfTag(step.value), settings.language()));
        break;
    case SettingStep::Kind::Encoding:
        setTextEncoding(settings, TextEncoding(step.value.toInt()));
        break;
    case SettingStep::Kind::Columns:
        for (const QString &assignment : columnAssignments(step.value, settings.language()))
            applySettingAssignment(settings, assignment);
        break;
    case SettingStep::Kind::GroupBy:
        for (const QString &assignment : groupAssignments(step.value, settings.language()))
            applySettingAssignment(settings, assignment);
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
    try {
        // No screen bounds the stored placements: they are kept for the next save.
        loadConfiguration(settings, path, QSize(), MissingIniFile::IsUnreadable);
    } catch (const UnreadableIniFile &error) {
        return error.reason();
    }
    return {};
}

void applySettingSteps(Settings &settings, const QList<SettingStep> &steps, const FileListStep &addFileList)
{
    for (const SettingStep &step : steps)
        applySettingStep(settings, step, addFileList);
}
