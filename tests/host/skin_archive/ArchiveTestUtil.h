#pragma once
// Small helpers shared by the skin archive tests.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

inline std::vector<uint8_t> ReadVector(const std::string& name) {
    std::ifstream in(std::string(LZHUF_VECTOR_DIR) + "/" + name, std::ios::binary);
    if (!in) throw std::runtime_error("missing test vector " + name);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline const std::vector<std::string>& VectorNames() {
    static const std::vector<std::string> names = {"01_empty",          "02_one_A",      "03_spaces100",
                                                   "04_russian_cp1251", "05_ini_5k",     "06_random64k",
                                                   "07_bmp24_100k",     "09_zeros70000", "10_tail_lookahead"};
    return names;
}

inline std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed, int alphabet = 256) {
    std::mt19937 gen(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v) b = uint8_t(gen() % unsigned(alphabet));
    return v;
}
