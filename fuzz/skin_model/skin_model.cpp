// A whole skin file from arbitrary bytes: container, description, images and the model
// built from them. No crash, no hang, no unbounded memory.
//
// The input is used two ways: as a skin file as it stands (through the component, as the
// program loads it), and, split at the first zero byte, as a description plus one image
// handed straight to LoadFromIni under every image name, so that the fuzzer reaches every
// section and key it invents without first having to produce a valid LZHUF stream.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/QuickIni.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinReader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetSkinReaderMessageProc([](const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        skin::TSkinData d;
        d.SkinFormtype = skin::sfDialog;
        d.LoadFromStream(std::span<const std::uint8_t>(data, size));
    }

    std::size_t cut = 0;
    while (cut < size && data[cut] != 0) ++cut;
    TQuickIni ini;
    ini.LoadFromBytes(std::span<const std::uint8_t>(data, cut));
    const std::vector<std::uint8_t> image(cut < size ? data + cut + 1 : data + size, data + size);
    skin::SkinMemberLookup lookup = [&image](const std::string&, std::vector<std::uint8_t>& out) {
        out = image;
        return true;
    };
    skin::TSkinModel m;
    m.LoadFromIni(ini, lookup);
    m.LoadFromIni(ini, lookup);  // a second load over the first frees and refills
    return 0;
}
