// Text helpers on arbitrary bytes: conversions must round-trip or fail cleanly, case
// folding must agree with the case-insensitive comparisons, collation keys must agree
// with CompareRussian and tell apart every two different texts, and a formatted number
// must read back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/Cp1251.h"
#include "core/NumberFormat.h"
#include "core/RussianCollation.h"
#include "core/TextCase.h"
#include "core/Utf16.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t cut = size / 2;
    std::string a = input.substr(0, cut), b = input.substr(cut);

    // Code page 1251 from any bytes and back; UTF-8 to 1251 only when valid and mappable.
    if (Utf8ToCp1251(Cp1251ToUtf8(input)) != input) std::abort();
    if (auto cp = TryUtf8ToCp1251(input)) {
        if (!IsValidUtf8(input) || Cp1251ToUtf8(*cp) != input || Cp1251Length(input) != cp->size()) std::abort();
    }
    // UTF-16 round trip for valid text; never a failure for invalid text.
    std::u16string u16 = Utf8ToUtf16(input);
    if (IsValidUtf8(input) && Utf16ToUtf8(u16) != input) std::abort();
    if (!IsValidUtf8(Utf16ToUtf8(u16))) std::abort();

    // Case.
    std::string fa = FoldCase(a), fb = FoldCase(b);
    if (FoldCase(fa) != fa) std::abort();
    if (EqualsIgnoreCase(a, b) != (fa == fb)) std::abort();
    if (!EqualsIgnoreCase(a, fa)) std::abort();
    if (IsValidUtf8(a) && !StartsWithIgnoreCase(input, a)) std::abort();

    // Collation.
    int c = CompareRussian(a, b);
    if (c != -CompareRussian(b, a)) std::abort();
    if ((c == 0) != (a == b)) std::abort();
    std::string ka = CollationKey(a), kb = CollationKey(b);
    int byKey = ka.compare(kb);
    if ((byKey > 0) - (byKey < 0) != c) std::abort();

    // Numbers.
    if (size >= 8) {
        double v;
        std::memcpy(&v, data, sizeof v);
        if (std::isfinite(v)) {
            std::string text = FormatGeneral(v, ",");
            auto back = ParseNumber(text, ",");
            if (!back || std::fabs(*back - v) > std::fabs(v) * 1e-14) std::abort();
            if (FormatGeneral(*back, ",") != text) std::abort();
        }
    }
    (void)ParseNumber(input, ",");
    (void)ParseNumber(input, ".");
    return 0;
}
