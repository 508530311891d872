#include "tests/host/assets/TsvFile.h"

#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return cells;
        start = tab + 1;
    }
}

}  // namespace

TsvFile ReadTsv(const std::string& path) {
    TsvFile file;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        file.problems.push_back("cannot open " + path);
        return file;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    if (text.empty()) {
        file.problems.push_back(path + " is empty");
        return file;
    }
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) file.problems.push_back(path + " starts with a byte order mark");
    if (text.find('\r') != std::string::npos) file.problems.push_back(path + " has carriage returns");
    if (text.back() != '\n') file.problems.push_back(path + " does not end with a newline");

    std::size_t start = 0;
    int lineNo = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNo;
        if (line.empty()) {
            file.problems.push_back(path + ": empty line " + std::to_string(lineNo));
            continue;
        }
        if (lineNo == 1)
            file.header = SplitTabs(line);
        else
            file.rows.push_back(SplitTabs(line));
    }
    return file;
}
