#pragma once
// Work on many independent items shared out over every core: each core takes one stretch of
// the items, the caller's thread the first. Few items stay on the caller's thread alone.
#include <QtGlobal>

#include <functional>

// Calls work(begin, end) for stretches that together cover 0 to count; returns when all are done.
void onAllCores(qsizetype count, const std::function<void(qsizetype begin, qsizetype end)> &work);
