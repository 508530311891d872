#include "skin/data/SkinStore.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace skin {

namespace {

// Never through the narrow code page: the name is UTF-8.
std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName) {
    std::ifstream in(PathOf(fileName), std::ios::binary);
    if (!in) throw Exception("Не удалось открыть файл «" + fileName + "»");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw Exception("Не удалось прочитать файл «" + fileName + "»");
    return bytes;
}

bool SkinFileExists(const std::string& fileName) {
    if (fileName.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(PathOf(fileName), ec);
}

TSkinCollectionItem::TSkinCollectionItem(TSkinStore& store, int id)
    : store_(store), id_(id), name_("SkinItem" + std::to_string(id)) {}

void TSkinCollectionItem::SetName(const std::string& name) {
    for (const auto& item : store_.items_)
        if (item.get() != this && item->name_ == name) throw Exception("The name " + name + " is already used.");
    name_ = name;
}

void TSkinCollectionItem::LoadFromFile(const std::string& fileName) { data_ = ReadWholeFile(fileName); }

TSkinCollectionItem& TSkinStore::Add() {
    items_.push_back(std::make_unique<TSkinCollectionItem>(*this, nextId_++));
    return *items_.back();
}

void TSkinStore::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
}

}  // namespace skin
