// The command line of tabulix-cli, arguments separated by zero bytes: bad usage throws
// TabulixError, good usage keeps every path and assignment it was given.
#include "cli/cli_options.h"
#include "common/tabulix_error.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList arguments = argumentsOf(data, size);
    try {
        const CliOptions options = parseCliOptions(arguments);
        check(options.paths.size() + options.assignments.size() <= arguments.size(),
              "no more paths and assignments than arguments");
        for (const QString &path : options.paths)
            check(arguments.contains(path), "paths come from the arguments");
    } catch (const TabulixError &) {
    }
    return 0;
}
