#include "tools/skinunpack/UnpackSkin.h"

#include <cstdint>
#include <fstream>
#include <set>
#include <vector>

#include "core/Exception.h"
#include "skin/data/SkinReader.h"

namespace fs = std::filesystem;

namespace {

// Member names come from the file: only a plain name may become a file in the folder.
bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char ch : name)
        if (ch == '/' || ch == '\\' || ch == ':' || uint8_t(ch) < ' ') return false;
    return true;
}

std::string Where(size_t index, int32_t size) {
    return "элемент " + std::to_string(index + 1) + " (" + std::to_string(size) + " байт)";
}

}  // namespace

TUnpackResult UnpackSkin(const TSkinReader& reader, const fs::path& dir,
                         const std::function<void(const std::string&)>& warn) {
    TUnpackResult result;
    std::set<std::string> written;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < size_t(reader.Count()); ++i) {
        const std::string& name = reader.Names()[i];
        const int32_t size = reader.Sizes()[i];
        // An empty line in the names text is a valid, unnamed member: nothing can be
        // written for it, but the members after it are as good as any.
        if (name.empty()) {
            warn(Where(i, size) + " без имени пропущен");
            ++result.skipped;
            continue;
        }
        if (!IsPlainFileName(name)) {
            warn(Where(i, size) + " с недопустимым именем «" + name + "» пропущен");
            ++result.skipped;
            continue;
        }
        // Lookups by name find the first of equal names, so that is the one written.
        if (!written.insert(name).second) {
            warn(Where(i, size) + " с повторным именем «" + name + "» пропущен (читается первый)");
            ++result.skipped;
            continue;
        }
        reader.ReadMember(i, bytes);
        const fs::path target = dir / fs::path(std::u8string(name.begin(), name.end()));
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.close();
        if (!out) throw Exception("не удалось записать файл «" + name + "»");
        ++result.written;
    }
    return result;
}
