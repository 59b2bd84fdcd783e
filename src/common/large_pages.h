#pragma once
// Memory that is filled once from start to end, such as the rows of a long list, costs one
// page fault per 4 KiB on first touch; asking the system for large pages there turns 512 of
// those faults into one where transparent large pages are offered on request.
#include <cstddef>

// Asks for large pages on the whole 2 MiB pieces inside [start, start + bytes); a request the
// system turns down changes nothing.
void adviseLargePages(void *start, std::size_t bytes);
