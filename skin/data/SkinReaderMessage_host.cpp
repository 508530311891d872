// Without a window system the container's message goes to the standard error stream
// (the packing tools show it that way). The Windows tree uses SkinReaderMessage_win.cpp.
#ifndef _WIN32

#include <cstdio>
#include <string>

#include "skin/data/SkinReader.h"

void ShowSkinReaderMessage(const std::string& text) {
    std::string shown = text;
    for (char& ch : shown)
        if (ch == '\r') ch = '\n';
    std::fprintf(stderr, "%s\n", shown.c_str());
}

#endif
