#include "app/output_build.h"

#include "app/program_state.h"
#include "app/table_output.h"


OutputSources outputSources(const ProgramState &state, const LocaleFormat &locale)
{
    return {state.settings.values(), state.fileList.rows(), locale};
}

std::optional<BuiltOutput> buildOutput(const OutputSources &sources, const std::atomic_bool &stop)
{
    const Settings settings(sources.settings);
    QStringList lines = buildOutputLines(settings, sources.rows, sources.locale, &stop);
    if (stop)
        return std::nullopt;
    std::optional<TextLines> text = TextLines::broken(
        outputText(lines, chosenOutputFormat(settings), settings.isOn(EA::csv_lb)), stop);
    if (!text)
        return std::nullopt;
    return BuiltOutput{std::move(lines), std::move(*text)};
}
