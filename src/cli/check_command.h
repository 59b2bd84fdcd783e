#pragma once
// `tabulix-cli check`: checks the files that checksum files name, speaking as "sha256sum -c".
#include <QStringList>

class StandardOutput;

// Runs the subcommand with the arguments after "check". Wrong usage throws TabulixError with the
// reason; otherwise returns 0 when every manifest passed, 2 when one cannot be checked at all
// (a table with shortened paths), else 1.
int runCheckCommand(const QStringList &arguments, const StandardOutput &out);
