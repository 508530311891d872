// skingen: draws every image of the program's skins and writes, for each skin, a folder
// with its description and 24-bit BMP images (packed into a .skn by skinpack), and PNG
// previews of every image for people to look at.
//   skingen SRCROOT PREVIEWROOT      writes SRCROOT/<skin>/ and PREVIEWROOT/<skin>/
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "skin/platform/BmpWriter.h"
#include "skin/platform/PngWriter.h"
#include "tools/skingen/Preview.h"
#include "tools/skingen/SkinImages.h"

namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const void* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) throw Exception("cannot write " + path.string());
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    WriteFile(path, bytes.data(), bytes.size());
}

void WriteSkin(const skingen::Palette& pal, const fs::path& srcRoot, const fs::path& previewRoot) {
    skingen::SkinFiles files = skingen::DrawSkin(pal);
    fs::path dir = srcRoot / pal.name;
    fs::path preview = previewRoot / pal.name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::create_directories(preview);
    WriteFile(dir / "skin.ini", files.description.data(), files.description.size());
    for (const auto& img : files.images) {
        WriteFile(dir / img.file, skin::WriteBmp24(img.image));
        std::string stem = img.file.substr(0, img.file.size() - 4);
        WriteFile(preview / (stem + ".png"), skin::WritePng(skingen::Magnified(img.image, 4)));
    }
    for (const auto& img : skingen::DerivedImages(files)) {
        std::string stem = img.file.substr(0, img.file.size() - 4);
        WriteFile(preview / (stem + ".png"), skin::WritePng(skingen::Magnified(img.image, 4)));
    }
    WriteFile(preview / "window.png", skin::WritePng(skingen::WindowMockup(files)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skingen SRCROOT PREVIEWROOT\n");
        return 2;
    }
    try {
        for (const auto& pal : {skingen::LightPalette(), skingen::DarkPalette()}) WriteSkin(pal, argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}
