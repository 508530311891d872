#pragma once
// A set-valued published property as text: the names of its members in enumeration order
// between brackets, "[btPlay,btStop]" ("[]" when empty). Bit n of the set is member n of
// `names`.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

std::string SetToText(std::uint32_t bits, std::span<const char* const> names);
// Reads such text back: names separated by commas or spaces, in any order and letter case,
// the brackets optional. False (bits untouched) when a name is not a member.
bool TextToSet(std::string_view text, std::span<const char* const> names, std::uint32_t& bits);
