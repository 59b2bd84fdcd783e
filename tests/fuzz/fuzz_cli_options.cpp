// The command line of tabulix-cli, arguments separated by zero bytes: bad usage throws
// TabulixError, good usage keeps every operand and setting step it was given, in order.
#include "cli/cli_options.h"
#include "common/tabulix_error.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList arguments = argumentsOf(data, size);
    try {
        const CliOptions options = parseCliOptions(arguments);
        check(options.operands.size() + options.steps.size() <= arguments.size(),
              "no more operands and steps than arguments");
        for (const QString &operand : options.operands)
            check(arguments.contains(operand), "operands come from the arguments");
        qsizetype searchFrom = 0;
        for (const SettingStep &step : options.steps) {
            if (step.kind == SettingStep::Kind::Reset)
                continue;
            if (step.kind == SettingStep::Kind::Encoding) {
                check(QString::number(step.value.toInt()) == step.value, "encodings are plain numbers");
                continue;
            }
            const qsizetype at = arguments.indexOf(step.value, searchFrom);
            check(at >= 0, "setting steps come from the arguments, in order");
            searchFrom = at + 1;
        }
    } catch (const TabulixError &) {
    }
    return 0;
}
