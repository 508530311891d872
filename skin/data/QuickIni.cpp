#include "skin/data/QuickIni.h"

#include <fstream>
#include <filesystem>
#include <iterator>
#include <limits>

#include "core/AsciiCase.h"
#include "core/Exception.h"
#include "skin/data/Lzhuf.h"

namespace {

// Trimming removes every character up to and including the space (tabs and other
// control characters too) from both ends.
std::string_view Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && uint8_t(s[b]) <= ' ') ++b;
    while (e > b && uint8_t(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

bool IsHeader(std::string_view line) {
    const std::string_view t = Trim(line);
    return t.size() >= 2 && t.front() == '[' && t.back() == ']';
}

// Name of an entry line: text before the first "=", trimmed, lower-cased; empty when
// there is no "=".
std::string EntryName(std::string_view line) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    return AsciiLower(Trim(line.substr(0, eq)));
}

std::string_view EntryValue(std::string_view line) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    return Trim(line.substr(eq + 1));
}

std::filesystem::path Utf8Path(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::vector<uint8_t> ReadWholeFile(const std::string& fileName) {
    std::ifstream in(Utf8Path(fileName), std::ios::binary);
    if (!in) throw Exception("Не удалось открыть файл «" + fileName + "»");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    if (in.bad()) throw Exception("Не удалось прочитать файл «" + fileName + "»");
    return bytes;
}

void WriteWholeFile(const std::string& fileName, const std::vector<uint8_t>& bytes) {
    std::ofstream out(Utf8Path(fileName), std::ios::binary | std::ios::trunc);
    if (!out) throw Exception("Не удалось создать файл «" + fileName + "»");
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw Exception("Не удалось записать файл «" + fileName + "»");
}

}  // namespace

// ---- Loading ------------------------------------------------------------------------

void TQuickIni::LoadFromStream(const std::vector<uint8_t>* stream) {
    if (stream == nullptr) return;
    LoadFromBytes(*stream);
}

void TQuickIni::LoadFromBytes(std::span<const uint8_t> bytes) {
    LoadFromText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TQuickIni::LoadFromText(std::string_view text) {
    lines_.clear();
    sections_.clear();
    size_t start = 0;
    size_t i = 0;
    const size_t n = text.size();
    for (;;) {
        const bool atEnd = i >= n || text[i] == '\0';
        if (atEnd || text[i] == '\r' || text[i] == '\n') {
            const std::string_view line = Trim(text.substr(start, i - start));
            if (!line.empty() && line.front() != ';') {
                if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
                    sections_.push_back({std::string(line), lines_.size()});
                lines_.emplace_back(line);
            }
            if (atEnd) break;
            if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
}

void TQuickIni::LoadFromFile(const std::string& fileName) {
    const auto bytes = ReadWholeFile(fileName);
    LoadFromBytes(bytes);
}

void TQuickIni::LoadFromZip(const std::string& fileName) {
    const auto packed = ReadWholeFile(fileName);
    const auto text = LzhExpand(packed);
    LoadFromBytes(text);
}

// ---- Lookups ------------------------------------------------------------------------

long TQuickIni::FindSection(std::string_view section) const {
    std::string wanted;
    wanted.reserve(section.size() + 2);
    wanted += '[';
    wanted += section;
    wanted += ']';
    for (const auto& s : sections_)
        if (EqualsIgnoreAsciiCase(s.header, wanted)) return long(s.line);
    return -1;
}

size_t TQuickIni::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && !IsHeader(lines_[i])) ++i;
    return i;
}

long TQuickIni::FindKey(size_t header, std::string_view lowerKey) const {
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i)
        if (EntryName(lines_[i]) == lowerKey) return long(i);
    return -1;
}

void TQuickIni::ReadSections(std::vector<std::string>& target) const {
    target.clear();
    for (const auto& s : sections_) {
        const std::string_view h = s.header;
        target.emplace_back(Trim(h.substr(1, h.size() - 2)));
    }
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key, std::string_view deflt) const {
    const long header = FindSection(section);
    if (header >= 0) {
        const std::string lowerKey = AsciiLower(key);
        if (!lowerKey.empty()) {
            const long at = FindKey(size_t(header), lowerKey);
            if (at >= 0) {
                const std::string_view value = EntryValue(lines_[size_t(at)]);
                if (!value.empty()) return std::string(value);
            }
        }
    }
    return std::string(deflt);
}

bool TQuickIni::TryStrToInt(std::string_view text, int32_t& value) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    }
    if (i >= text.size()) return false;
    const uint64_t limit =
        negative ? uint64_t(std::numeric_limits<int32_t>::max()) + 1
                 : uint64_t(hex ? std::numeric_limits<uint32_t>::max() : std::numeric_limits<int32_t>::max());
    uint64_t acc = 0;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        unsigned digit;
        if (ch >= '0' && ch <= '9')
            digit = unsigned(ch - '0');
        else if (hex && ch >= 'a' && ch <= 'f')
            digit = unsigned(ch - 'a' + 10);
        else if (hex && ch >= 'A' && ch <= 'F')
            digit = unsigned(ch - 'A' + 10);
        else
            return false;
        acc = acc * (hex ? 16 : 10) + digit;
        if (acc > limit) return false;
    }
    // Hexadecimal text is a bit pattern: $FFFFFFFF is -1.
    const uint32_t bits = uint32_t(acc);
    value = negative ? int32_t(0u - bits) : int32_t(bits);
    return true;
}

int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, int32_t deflt) const {
    std::string text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
    int32_t value = 0;
    if (text.empty() || !TryStrToInt(text, value)) return deflt;
    return value;
}

bool TQuickIni::ReadBool(std::string_view section, std::string_view key, bool deflt) const {
    return ReadInteger(section, key, deflt ? 1 : 0) != 0;
}

void TQuickIni::ReadSection(std::string_view section, std::vector<std::string>& target) const {
    target.clear();
    const long header = FindSection(section);
    if (header < 0) return;
    const size_t end = SectionEnd(size_t(header));
    for (size_t i = size_t(header) + 1; i < end; ++i) {
        std::string name = EntryName(lines_[i]);
        if (!name.empty()) target.push_back(std::move(name));
    }
}

void TQuickIni::ReadSectionValues(std::string_view section, std::vector<std::string>& target) const {
    target.clear();
    const long header = FindSection(section);
    if (header < 0) return;
    const size_t end = SectionEnd(size_t(header));
    for (size_t i = size_t(header) + 1; i < end; ++i) target.push_back(lines_[i]);
}

// ---- Changes ------------------------------------------------------------------------

void TQuickIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    const long header = FindSection(section);
    if (header < 0) {
        lines_.push_back("[" + std::string(section) + "]");
        if (!key.empty()) lines_.push_back(std::move(line));
        RebuildSections();
        return;
    }
    if (key.empty()) return;
    const long at = FindKey(size_t(header), AsciiLower(key));
    if (at >= 0)
        lines_[size_t(at)] = std::move(line);
    else
        lines_.insert(lines_.begin() + long(SectionEnd(size_t(header))), std::move(line));
    RebuildSections();
}

void TQuickIni::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TQuickIni::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TQuickIni::DeleteKey(std::string_view section, std::string_view key) {
    const long header = FindSection(section);
    if (header < 0) return;
    const size_t end = SectionEnd(size_t(header));
    for (size_t i = size_t(header) + 1; i < end; ++i) {
        if (EntryName(lines_[i]) == key) {
            lines_.erase(lines_.begin() + long(i));
            RebuildSections();
            return;
        }
    }
}

void TQuickIni::EraseSection(std::string_view section) {
    const long header = FindSection(section);
    if (header < 0) return;
    const size_t end = SectionEnd(size_t(header));
    lines_.erase(lines_.begin() + header, lines_.begin() + long(end));
    if (header > 0) lines_.insert(lines_.begin() + header, std::string());
    RebuildSections();
}

void TQuickIni::SetIniFile(const std::vector<std::string>& lines) {
    lines_ = lines;
    RebuildSections();
}

void TQuickIni::Clear() {
    lines_.clear();
    sections_.clear();
}

void TQuickIni::RebuildSections() {
    sections_.clear();
    for (size_t i = 0; i < lines_.size(); ++i)
        if (IsHeader(lines_[i])) sections_.push_back({std::string(Trim(lines_[i])), i});
}

// ---- Saving -------------------------------------------------------------------------

void TQuickIni::SaveToStream(std::vector<uint8_t>& stream) const {
    for (const auto& line : lines_) {
        stream.insert(stream.end(), line.begin(), line.end());
        stream.push_back('\r');
        stream.push_back('\n');
    }
}

void TQuickIni::SaveToFile(const std::string& fileName) const {
    std::vector<uint8_t> bytes;
    SaveToStream(bytes);
    WriteWholeFile(fileName, bytes);
}

void TQuickIni::SavetoZip(const std::string& fileName) const {
    std::vector<uint8_t> bytes;
    SaveToStream(bytes);
    WriteWholeFile(fileName, LzhCompress(bytes));
}
