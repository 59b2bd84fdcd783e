#pragma once
// What adding works on: the rows, the settings that steer it, and the "OK for all" flag of
// the message dialog.
#include "collect/file_list.h"
#include "common/settings.h"

struct FileCollection {
    Settings settings;
    FileList fileList;
    // Set by "OK für alle" and by bulk adding; while set, adding shows no messages.
    bool okForAll = false;
};
