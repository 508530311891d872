#pragma once
// Names longer than their column would be cut to its width when stored, without a word
// to the user; the editors refuse them first.
#include <string>

// When `name` has more letters than `width`, shows "Название <whose> длиннее N знаков.
// Сократите его." as a warning and returns true; otherwise returns false.
bool RefuseLongName(const std::string& name, int width, const std::string& whose);
