#pragma once
// A tab-separated UTF-8 file as the table builder reads it: a header line, then one
// record per line. Kept strict so that a stray carriage return, byte order mark or
// missing final newline shows up as a test failure instead of a silently odd name.
#include <string>
#include <vector>

struct TsvFile {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> problems;  // format faults found while reading
};

TsvFile ReadTsv(const std::string& path);
