#pragma once
// Small skins built in memory for the model's tests: BMP members, a description, and a
// whole skin file.
#include <map>
#include <string>
#include <vector>

#include "skin/data/QuickIni.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinReader.h"
#include "skin/platform/BmpWriter.h"

namespace skintest {

using skin::Pixel;
using skin::Surface;

inline Surface Solid(int w, int h, Pixel p) { return Surface(w, h, p); }

// Images by member name (lower case, as the container stores them).
struct Members {
    std::map<std::string, std::vector<std::uint8_t>> files;

    void Add(const std::string& name, const Surface& image) { files[name] = skin::WriteBmp24(image); }
    void AddBytes(const std::string& name, std::vector<std::uint8_t> bytes) { files[name] = std::move(bytes); }

    skin::SkinMemberLookup Lookup() const {
        return [this](const std::string& name, std::vector<std::uint8_t>& out) {
            auto it = files.find(name);
            if (it == files.end()) {
                out.clear();
                return false;
            }
            out = it->second;
            return true;
        };
    }

    // The whole skin file: the description as skin.ini plus every image.
    std::vector<std::uint8_t> SkinFile(const std::string& description) const {
        std::vector<TSkinMember> members;
        members.push_back({"skin.ini", std::vector<std::uint8_t>(description.begin(), description.end())});
        for (const auto& [name, bytes] : files) members.push_back({name, bytes});
        return BuildSkinContainer(members);  // already packed with LZHUF
    }
};

inline void Load(skin::TSkinModel& m, const std::string& description, const Members& members = {}) {
    TQuickIni ini;
    ini.LoadFromText(description);
    m.LoadFromIni(ini, members.Lookup());
}

}  // namespace skintest
