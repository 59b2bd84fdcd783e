// Renames the batch given on standard input (old path, TAB, new path per line) and kills itself
// with SIGKILL after the given number of steps, as a crash in the middle of a batch would.
#include "renamer/rename_batch.h"

#include <QFile>

#include <csignal>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const int killAfter = std::atoi(argv[1]);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 2;
    QList<RenameMove> moves;
    for (const QByteArray &line : input.readAll().split('\n'))
        if (const QList<QByteArray> paths = line.split('\t'); paths.size() == 2)
            moves.append({QString::fromUtf8(paths[0]), QString::fromUtf8(paths[1])});
    int steps = 0;
    renameBatch(moves, [&](const PlannedMove &, FileLocation) {
        if (++steps == killAfter)
            std::raise(SIGKILL);
    });
    return 0;
}
