#pragma once
// What the command line asks of the skin, Windows style:
//   /skin:FILE   this skin file instead of iTunes.skn (a name or a path)
//   /noskin      no skin: every window in the system's look
// Switches are read without regard to letter case, with "-" as well as "/". Anything else
// on the command line is left alone; of two skin switches the last one counts.
#include <string>
#include <vector>

struct TStartOptions {
    std::string skinFile = "iTunes.skn";
    bool skinned = true;
};

TStartOptions ParseStartOptions(const std::vector<std::string>& args);

// The options the program was started with (main sets them before the windows are made).
TStartOptions& StartOptions();
