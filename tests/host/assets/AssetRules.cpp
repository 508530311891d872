#include "tests/host/assets/AssetRules.h"

#include <algorithm>
#include <cmath>

#include "core/Cp1251.h"

namespace {

bool AcceptedByte(unsigned char b) {
    if (b >= 0x20 && b <= 0x7E) return true;  // printable ASCII
    if (b >= 0xC0) return true;               // А..я
    switch (b) {
    case 0xA8:
    case 0xB8:  // Ё ё
    case 0xB9:  // №
    case 0xAB:
    case 0xBB:  // « »
    case 0x97:  // —
        return true;
    default: return false;
    }
}

}  // namespace

std::optional<std::string> NameProblem(const std::string& utf8, std::size_t maxBytes) {
    if (utf8.empty()) return "empty name";
    auto bytes = TryUtf8ToCp1251(utf8);
    if (!bytes) return "not representable in code page 1251";
    if (bytes->size() > maxBytes)
        return std::to_string(bytes->size()) + " bytes, more than " + std::to_string(maxBytes);
    if (!std::all_of(bytes->begin(), bytes->end(), [](char c) { return AcceptedByte(static_cast<unsigned char>(c)); }))
        return "unexpected character";
    if (bytes->front() == ' ' || bytes->back() == ' ') return "leading or trailing space";
    if (bytes->find("  ") != std::string::npos) return "double space";
    return std::nullopt;
}

std::optional<double> ParseAmount(const std::string& text) {
    std::size_t i = 0;
    double value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') value = value * 10 + (text[i++] - '0');
    if (i == 0 || i > 4) return std::nullopt;  // no digits, or an implausible 10000+
    if (i == text.size()) return value;
    if (text[i] != '.') return std::nullopt;
    std::size_t decimals = text.size() - i - 1;
    if (decimals < 1 || decimals > 3) return std::nullopt;
    double scale = 1;
    for (std::size_t j = i + 1; j < text.size(); ++j) {
        if (text[j] < '0' || text[j] > '9') return std::nullopt;
        scale /= 10;
        value += (text[j] - '0') * scale;
    }
    return value;
}

bool EnergyConsistent(double protein, double fat, double carbohyd, double kkal) {
    double computed = 4 * protein + 9 * fat + 4 * carbohyd;
    return std::fabs(kkal - computed) <= std::max(0.15 * computed, 5.0);
}
