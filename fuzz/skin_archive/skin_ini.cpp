// The description reader on arbitrary text: load, list, look up every section and key,
// write, delete, save and reload.
#include <cstdint>
#include <cstdlib>

#include "skin/data/QuickIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TQuickIni ini;
    ini.LoadFromBytes(std::span<const uint8_t>(data, size));
    std::vector<std::string> sections, keys, values;
    ini.ReadSections(sections);
    for (const auto& s : sections) {
        ini.ReadSection(s, keys);
        ini.ReadSectionValues(s, values);
        for (const auto& k : keys) {
            (void)ini.ReadString(s, k, "d");
            (void)ini.ReadInteger(s, k, 0);
        }
    }
    std::vector<uint8_t> saved;
    ini.SaveToStream(saved);
    TQuickIni again;
    again.LoadFromBytes(saved);
    // Saved lines are already trimmed and free of comments, so a reload keeps them
    // unless a line held a zero byte or a break (impossible: loading splits there).
    if (again.Lines() != ini.Lines()) std::abort();
    if (!sections.empty()) {
        ini.WriteString(sections.back(), "key", "value");
        ini.WriteInteger(sections.front(), "n", 5);
        if (ini.ReadInteger(sections.front(), "n", 0) != 5 && ini.ReadString(sections.front(), "n", "") != "5")
            std::abort();
        ini.DeleteKey(sections.front(), "n");
        ini.EraseSection(sections.front());
    }
    return 0;
}
