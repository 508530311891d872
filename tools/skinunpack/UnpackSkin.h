#pragma once
// Writes the members of an opened skin file into a folder: the work of skinunpack, kept
// apart from its command line so that it can be tested.
#include <filesystem>
#include <functional>
#include <string>

class TSkinReader;

struct TUnpackResult {
    int written = 0;  // members written to the folder
    int skipped = 0;  // members not written: unnamed, unsafe names, repeated names
};

// Writes every member with a plain file name into `dir` (which must exist). A member
// that cannot be written under its own name is skipped and `warn` is told which one
// (its position, counted from 1, and its size); the members after it are still written.
// Throws Exception when a file cannot be written.
TUnpackResult UnpackSkin(const TSkinReader& reader, const std::filesystem::path& dir,
                         const std::function<void(const std::string&)>& warn);
