// The readers of the renaming plan and journal on any bytes: what they read, written again,
// reads back the same.
#include "fuzz_support.h"
#include "renamer/rename_journal.h"

namespace {

bool samePlan(const QList<PlannedMove> &a, const QList<PlannedMove> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].from != b[i].from || a[i].temporary != b[i].temporary || a[i].to != b[i].to ||
            a[i].device != b[i].device || a[i].inode != b[i].inode)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    if (const std::optional<QList<PlannedMove>> plan = readPlan(bytes)) {
        const std::optional<QList<PlannedMove>> again = readPlan(planBytes(*plan));
        check(again && samePlan(*plan, *again), "a written plan reads back");
    }
    const QList<JournalBatch> journal = readJournal(bytes);
    for (const JournalBatch &batch : journal)
        check(batch.id != 0 && !batch.moves.isEmpty(), "a batch has an id and moves");
    check(readJournal(journalBytes(journal)).size() == journal.size(), "a written journal reads back");
    return 0;
}
