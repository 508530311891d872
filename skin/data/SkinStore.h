#pragma once
// TSkinStore: skin files kept inside a form, one collection item per skin. The skin data
// component can load any of them (TSkinData::LoadFromCollection).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Component.h"

namespace skin {

class TSkinStore;

class TSkinCollectionItem {
public:
    TSkinCollectionItem(TSkinStore& store, int id);

    int ID() const { return id_; }
    const std::string& Name() const { return name_; }
    // Raises Exception "The name X is already used." when another item has that name.
    void SetName(const std::string& name);
    // The byte count of the stored file.
    int32_t DataSize() const { return static_cast<int32_t>(data_.size()); }
    // The stored skin file itself (streamed with the form as the raw bytes).
    const std::vector<std::uint8_t>& DataStream() const { return data_; }
    void SetDataStream(std::vector<std::uint8_t> bytes) { data_ = std::move(bytes); }
    // Replaces the bytes by a file's contents (UTF-8 name); Exception when unreadable.
    void LoadFromFile(const std::string& fileName);

private:
    TSkinStore& store_;
    int id_;
    std::string name_;
    std::vector<std::uint8_t> data_;
};

class TSkinStore : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TSkinStore"; }

    TSkinCollectionItem& Add();
    int Count() const { return static_cast<int>(items_.size()); }
    TSkinCollectionItem& Item(int index) { return *items_.at(static_cast<size_t>(index)); }
    void Delete(int index);

private:
    friend class TSkinCollectionItem;
    std::vector<std::unique_ptr<TSkinCollectionItem>> items_;
    int nextId_ = 0;
};

// The whole file (UTF-8 name); Exception with a Russian message when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName);
// Whether the file exists (UTF-8 name).
bool SkinFileExists(const std::string& fileName);

}  // namespace skin
