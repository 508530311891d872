#include "LzhufBenchInputs.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lzhuf_bench {
namespace {

// A fixed generator of our own (not a standard distribution) so that every library and
// platform makes the same bytes.
class Rng {
public:
    explicit Rng(uint32_t seed) : s_(seed ? seed : 1) {}
    uint32_t Next() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    int Below(int n) { return int(Next() % uint32_t(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

private:
    uint32_t s_;
};

void Put16(std::vector<uint8_t>& v, uint32_t x) { v.insert(v.end(), {uint8_t(x), uint8_t(x >> 8)}); }
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    v.insert(v.end(), {uint8_t(x), uint8_t(x >> 8), uint8_t(x >> 16), uint8_t(x >> 24)});
}

struct Rgb {
    int r, g, b;
};

Rgb Mix(Rgb a, Rgb b, int num, int den) {
    return {a.r + (b.r - a.r) * num / den, a.g + (b.g - a.g) * num / den, a.b + (b.b - a.b) * num / den};
}

Rgb RandomColour(Rng& rng) { return {rng.Below(256), rng.Below(256), rng.Below(256)}; }

// One 24-bit bitmap file of the kinds a skin is made of.
void AppendBitmap(std::vector<uint8_t>& out, Rng& rng) {
    const int kind = rng.Below(4);
    const int w = rng.Between(16, 320), h = rng.Between(16, 160);
    const int stride = (w * 3 + 3) & ~3;
    out.insert(out.end(), {'B', 'M'});
    Put32(out, uint32_t(54 + stride * h));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, uint32_t(w));
    Put32(out, uint32_t(h));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, uint32_t(stride * h));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);

    const Rgb a = RandomColour(rng), b = RandomColour(rng), ink = RandomColour(rng);
    const Rgb border{a.r / 3, a.g / 3, a.b / 3};
    const Rgb magenta{255, 0, 255};
    // Marks for the glyph kind: a few small bars.
    struct Bar {
        int x, y, w, h;
    };
    std::vector<Bar> bars;
    for (int k = rng.Between(3, 12); k > 0; --k)
        bars.push_back({rng.Below(w), rng.Below(h), rng.Between(1, 12), rng.Between(1, 8)});

    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Rgb p;
            const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            switch (kind) {
            case 0:  // vertical gradient button with a dark frame
                p = edge ? border : Mix(a, b, y, h);
                break;
            case 1:  // flat panel, transparent corners, light inner line
                if ((x < 3 || x >= w - 3) && (y < 3 || y >= h - 3))
                    p = magenta;
                else
                    p = edge ? border : (x == 1 || y == 1) ? Mix(a, Rgb{255, 255, 255}, 1, 2) : a;
                break;
            case 2: {  // textured area: a horizontal gradient with a little noise
                const Rgb base = Mix(a, b, x, w);
                const int n = rng.Below(7) - 3;
                p = {std::clamp(base.r + n, 0, 255), std::clamp(base.g + n, 0, 255), std::clamp(base.b + n, 0, 255)};
                break;
            }
            default:  // marks on a plain background
                p = a;
                for (const Bar& bar : bars)
                    if (x >= bar.x && x < bar.x + bar.w && y >= bar.y && y < bar.y + bar.h) p = ink;
                break;
            }
            out.insert(out.end(), {uint8_t(p.b), uint8_t(p.g), uint8_t(p.r)});
        }
        out.insert(out.end(), size_t(stride - w * 3), 0);
    }
}

// UTF-8 Russian to Windows-1251, the code page skin descriptions are written in.
std::string Cp1251(const std::string& utf8) {
    std::string s;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            s += char(c);
            continue;
        }
        const unsigned cp = (c & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
        if (cp == 0x401)
            s += char(0xA8);
        else if (cp == 0x451)
            s += char(0xB8);
        else
            s += char(0xC0 + (cp - 0x410));
    }
    return s;
}

const std::vector<std::string>& Words() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> w;
        for (const char* u8 :
             {"и",          "в",         "не",           "на",      "с",        "что",     "продукт",   "белки",
              "жиры",       "углеводы",  "калорийность", "вес",     "рацион",   "завтрак", "обед",      "ужин",
              "хлеб",       "молоко",    "сыр",          "масло",   "яблоко",   "гречка",  "каша",      "мясо",
              "рыба",       "овощи",     "сахар",        "чай",     "кнопка",   "окно",    "меню",      "панель",
              "полоса",     "прокрутки", "заголовок",    "рамка",   "цвет",     "шрифт",   "фон",       "активный",
              "неактивный", "нажатая",   "выбранный",    "пункт",   "значение", "по",      "умолчанию", "для",
              "всех",       "окон",      "ёжик",         "съешьте", "ещё",      "этих",    "мягких",    "французских",
              "булок"})
            w.push_back(Cp1251(u8));
        return w;
    }();
    return words;
}

std::string Word(Rng& rng) {
    // Short common words far more often than the rest, as in real text.
    const auto& w = Words();
    const int pick = rng.Below(4) == 0 ? rng.Below(int(w.size())) : rng.Below(12);
    return w[size_t(pick)];
}

// One description-like block: sections of key=value lines, then a paragraph of prose.
void AppendText(std::vector<uint8_t>& out, Rng& rng) {
    static const char* const sections[] = {"Form",      "Button", "CheckBox", "Combobox", "Edit",
                                           "Scrollbar", "Menu",   "MenuItem", "Panel",    "Tab"};
    static const char* const keys[] = {"normal", "down", "over",  "disabled", "left", "top",     "right",
                                       "bottom", "font", "color", "trans",    "tile", "caption", "hint"};
    std::string s;
    for (int sec = rng.Between(2, 6); sec > 0; --sec) {
        s += "[";
        s += sections[rng.Below(10)];
        s += "]\r\n";
        for (int k = rng.Between(4, 14); k > 0; --k) {
            const int key = rng.Below(14);
            s += keys[key];
            s += "=";
            if (key < 4)
                s += std::string(sections[rng.Below(10)]) + "_" + keys[rng.Below(4)] + ".bmp";
            else if (key < 8)
                s += std::to_string(rng.Below(40));
            else if (key < 11)
                s += std::to_string(rng.Next() & 0xFFFFFF);
            else
                s += Word(rng) + " " + Word(rng);
            s += "\r\n";
        }
        s += "\r\n";
    }
    for (int n = rng.Between(40, 400); n > 0; --n) {
        s += Word(rng);
        s += rng.Below(12) == 0 ? ".\r\n" : " ";
    }
    out.insert(out.end(), s.begin(), s.end());
}

}  // namespace

std::vector<uint8_t> VectorsInput(const std::string& vectorDir) {
    std::vector<uint8_t> one;
    for (const char* name : {"01_empty", "02_one_A", "03_spaces100", "04_russian_cp1251", "05_ini_5k", "06_random64k",
                             "07_bmp24_100k", "09_zeros70000", "10_tail_lookahead"}) {
        std::ifstream in(vectorDir + "/" + name + ".plain", std::ios::binary);
        if (!in) throw std::runtime_error("missing vector " + std::string(name));
        one.insert(one.end(), std::istreambuf_iterator<char>(in), {});
    }
    std::vector<uint8_t> all;
    all.reserve(kInputSize);
    while (all.size() < kInputSize)
        all.insert(all.end(), one.begin(), one.begin() + long(std::min(one.size(), kInputSize - all.size())));
    return all;
}

std::vector<uint8_t> MixedInput() {
    Rng rng(20261209u);
    std::vector<uint8_t> all;
    all.reserve(kInputSize + (1u << 20));
    while (all.size() < kInputSize) {
        AppendBitmap(all, rng);
        AppendText(all, rng);
    }
    all.resize(kInputSize);
    return all;
}

}  // namespace lzhuf_bench
