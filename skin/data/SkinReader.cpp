#include "skin/data/SkinReader.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/AsciiCase.h"
#include "core/ByteOrder.h"
#include "skin/data/Lzhuf.h"

namespace {

TSkinReaderMessageProc& MessageProc() {
    static TSkinReaderMessageProc proc;
    return proc;
}

// Bytes skipped after the header, by version; -1 for an unknown version.
int SkipForVersion(int32_t version) {
    switch (version) {
    case 20000: return 0;
    case 30000: return 256;
    case 40000: return 80;
    default: return -1;
    }
}

// Splits text into lines as a string list does: CR, LF or CR LF end a line, text after
// the last break is a line, a zero byte ends the text.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] != '\0') {
        const size_t start = i;
        while (i < n && text[i] != '\0' && text[i] != '\r' && text[i] != '\n') ++i;
        lines.emplace_back(text.substr(start, i - start));
        if (i < n && text[i] == '\r') ++i;
        if (i < n && text[i] == '\n') ++i;
    }
    return lines;
}

}  // namespace

void SetSkinReaderMessageProc(TSkinReaderMessageProc proc) { MessageProc() = std::move(proc); }

void TSkinReader::Reset() {
    FNames.clear();
    FSizes.clear();
    FOffsets.clear();
    FData.clear();
    FHeader = {};
}

bool TSkinReader::loadfromfile(const std::string& fileName) {
    const std::filesystem::path path(std::u8string(fileName.begin(), fileName.end()));
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    if (in.bad()) return false;
    return Loadfromstream(bytes);
}

bool TSkinReader::Loadfromstream(std::span<const uint8_t> data) {
    Reset();
    std::vector<uint8_t> expanded;
    try {
        expanded = LzhExpand(data);
    } catch (const ElzhException&) {
        return false;
    }
    if (!Parse(expanded)) {
        Reset();
        return false;
    }
    return true;
}

bool TSkinReader::Parse(const std::vector<uint8_t>& expanded) {
    const size_t total = expanded.size();
    if (total < 16) return false;
    for (int k = 0; k < 4; ++k) FHeader[size_t(k)] = int32_t(GetLE32(expanded.data() + 4 * k));
    const int skip = SkipForVersion(FHeader[0]);
    if (skip < 0) {
        if (MessageProc())
            MessageProc()(kOlderSkinMessage);
        else
            ShowSkinReaderMessage(kOlderSkinMessage);
        return false;
    }
    // Every offset below stays within `total`, so the sums cannot overflow size_t.
    size_t pos = 16;
    if (total - pos < size_t(skip)) return false;
    pos += size_t(skip);
    const int32_t namesLength = FHeader[1];
    if (namesLength < 0 || total - pos < size_t(namesLength)) return false;
    std::string names(reinterpret_cast<const char*>(expanded.data() + pos), size_t(namesLength));
    pos += size_t(namesLength);
    names = AsciiLower(names);
    std::vector<std::string> lines = SplitLines(names);
    if (lines.size() > size_t(kMaxMembers)) return false;
    if ((total - pos) / 4 < lines.size()) return false;
    std::vector<int32_t> sizes(lines.size());
    std::vector<size_t> offsets(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        sizes[i] = int32_t(GetLE32(expanded.data() + pos + 4 * i));
    }
    pos += 4 * lines.size();
    const size_t dataLength = total - pos;
    size_t sum = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        if (sizes[i] < 0 || size_t(sizes[i]) > dataLength - sum) return false;
        offsets[i] = sum;
        sum += size_t(sizes[i]);
    }
    FNames = std::move(lines);
    FSizes = std::move(sizes);
    FOffsets = std::move(offsets);
    FData.assign(expanded.begin() + long(pos), expanded.end());
    return true;
}

void TSkinReader::CopyMember(size_t index, std::vector<uint8_t>& target) const {
    const auto begin = FData.begin() + long(FOffsets[index]);
    target.assign(begin, begin + FSizes[index]);
}

void TSkinReader::ReadMember(size_t index, std::vector<uint8_t>& target) const {
    target.clear();
    if (index < FNames.size()) CopyMember(index, target);
}

void TSkinReader::readfile(std::string_view name, std::vector<uint8_t>& target) const {
    target.clear();
    std::string lower(name);
    lower = AsciiLower(lower);
    for (size_t i = 0; i < FNames.size(); ++i) {
        if (FNames[i] == lower) {
            CopyMember(i, target);
            return;
        }
    }
}

void TSkinReader::readIni(std::string_view pattern, std::vector<uint8_t>& target, std::string& memberName) const {
    target.clear();
    for (size_t i = 0; i < FNames.size(); ++i) {
        if (FNames[i].find(pattern) != std::string::npos) {
            CopyMember(i, target);
            memberName = FNames[i];
            return;
        }
    }
}

std::vector<uint8_t> BuildSkinContainer(const std::vector<TSkinMember>& members, int32_t version) {
    const int skip = SkipForVersion(version);
    if (skip < 0) throw Exception("Неизвестная версия файла скина: " + std::to_string(version));
    if (members.size() > size_t(TSkinReader::kMaxMembers))
        throw Exception("В файле скина не может быть больше 1001 элемента");
    std::string names;
    for (const auto& m : members) {
        if (m.name.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            throw Exception("Недопустимое имя элемента скина: «" + m.name + "»");
        names += m.name;
        names += "\r\n";
    }
    std::vector<uint8_t> raw;
    AppendLE32(raw, uint32_t(version));
    AppendLE32(raw, uint32_t(names.size()));
    AppendLE32(raw, 0);
    AppendLE32(raw, 0);
    raw.insert(raw.end(), size_t(skip), 0);
    raw.insert(raw.end(), names.begin(), names.end());
    for (const auto& m : members) {
        if (m.data.size() > size_t(kLzhMaxTextSize)) throw Exception("Элемент скина «" + m.name + "» слишком велик");
        AppendLE32(raw, uint32_t(m.data.size()));
    }
    for (const auto& m : members) raw.insert(raw.end(), m.data.begin(), m.data.end());
    if (raw.size() > size_t(kLzhMaxTextSize)) throw Exception("Файл скина больше 64 МБ");
    return LzhCompress(raw);
}
