#pragma once
// The skin description: INI-style text held as trimmed lines with an index of section
// headers. Comments (";" first) and empty lines are dropped on loading; section lookups
// compare "[" + section + "]" with the stored headers ignoring ASCII letter case; key
// lookups compare lower-cased names; the first match wins.
//
// What is guaranteed: any byte sequence loads without error (text ends at a zero byte);
// lookups never fail, they fall back to the default. Writes keep the section index in
// step with the lines. File operations throw `Exception` with a Russian message when the
// file cannot be opened, read or written; `LoadFromZip` also throws `ElzhException` for
// a damaged packed file.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TQuickIni {
public:
    struct Section {
        std::string header;  // trimmed header text, brackets included
        size_t line;         // index of the header in Lines()
    };

    // Loading replaces the contents. A null stream loads nothing (contents kept).
    void LoadFromStream(const std::vector<uint8_t>* stream);
    void LoadFromBytes(std::span<const uint8_t> bytes);
    void LoadFromText(std::string_view text);
    void LoadFromFile(const std::string& fileName);
    void LoadFromZip(const std::string& fileName);

    void ReadSections(std::vector<std::string>& target) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view deflt) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t deflt) const;
    bool ReadBool(std::string_view section, std::string_view key, bool deflt) const;
    void ReadSection(std::string_view section, std::vector<std::string>& target) const;
    void ReadSectionValues(std::string_view section, std::vector<std::string>& target) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

    // Lines joined with CR LF after each.
    void SaveToStream(std::vector<uint8_t>& stream) const;
    void SaveToFile(const std::string& fileName) const;
    void SavetoZip(const std::string& fileName) const;

    // Replaces the lines by a copy (no trimming, no dropping) and rebuilds the index.
    void SetIniFile(const std::vector<std::string>& lines);
    void Clear();
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }
    const std::string& FileName() const { return fileName_; }

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<Section>& Sections() const { return sections_; }

    // The integer conversion used by ReadInteger: optional sign, decimal digits or "$"
    // and hexadecimal digits, within 32 bits; false otherwise.
    static bool TryStrToInt(std::string_view text, int32_t& value);

private:
    void RebuildSections();
    // Index of the section's header in lines_, or -1.
    long FindSection(std::string_view section) const;
    // End (exclusive) of the section whose header is at `header`.
    size_t SectionEnd(size_t header) const;
    long FindKey(size_t header, std::string_view lowerKey) const;

    std::vector<std::string> lines_;
    std::vector<Section> sections_;
    std::string fileName_;
};
