#pragma once
// A Paradox table file opened by the engine: every record read into memory in chain
// order and checked when the table opens, each row decoded on first access; every
// change written through the journal (engine/Journal.cpp).
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/FileIO.h"
#include "engine/Journal.h"
#include "engine/ParadoxFormat.h"
#include "engine/Table.h"

namespace engine {

class ParadoxTable final : public Table {
public:
    // Opens `fileName` in `dir`, first playing back a journal left by a crash. Damaged
    // or foreign files throw EngineError.
    static std::unique_ptr<ParadoxTable> Open(FileIO& io, const std::string& dir, const std::string& fileName);
    // Writes a new empty table file (version 7.0, unkeyed, code page 1251), replacing
    // any file of that name atomically.
    static void Create(FileIO& io, const std::string& dir, const std::string& fileName,
                       const std::vector<FieldDef>& fields);

    const std::string& Name() const override { return name_; }
    const std::vector<FieldDef>& Fields() const override { return head_.layout.fields; }
    int FieldIndex(std::string_view name) const override;
    std::size_t RowCount() const override { return rows_.size(); }
    const RowPtr& RowAt(std::size_t index) const override;
    Value FieldAt(std::size_t index, std::size_t field) const override;
    std::size_t Append(Row row) override;
    void Update(std::size_t index, Row row) override;
    void Remove(std::size_t index) override;
    uint64_t Version() const override { return version_; }

    // The header's autoincrement counter (the last value handed out).
    uint32_t AutoIncCounter() const { return head_.autoInc; }
    std::size_t BlockSize() const { return head_.blockSize; }

private:
    struct Block {
        uint16_t number;
        uint16_t count;
    };

    // What one pass over the blocks in file order learns of each (index: block number),
    // so that walking the chain afterwards touches none of the block bytes again.
    struct BlockScan {
        std::vector<uint16_t> next;    // the block's link
        std::vector<int32_t> count;    // records it claims; -1 when its header is impossible
        std::vector<uint8_t> bad;      // one of its records holds a malformed value
        std::vector<int64_t> maxAuto;  // largest autoincrement value in it
    };

    ParadoxTable(FileIO& io, std::string dir, std::string name, std::string path);
    void Load();
    void ReadHeader();
    BlockScan ScanBlocks();
    void WalkChain(const BlockScan& scan);
    int MalformedField(const uint8_t* record, int64_t& maxAuto) const;
    long RecordsIn(const uint8_t* block) const;
    void Decoded() const;
    const uint8_t* Record(uint32_t slot) const {
        return raw_.get() + (slot / perBlock_) * head_.blockSize + px::kBlockHeader +
               (slot % perBlock_) * head_.layout.recordSize;
    }
    void Forget(std::size_t index);
    void CheckWritable() const;
    void CheckRow(Row& row) const;
    uint64_t BlockOffset(uint16_t block) const {
        return head_.headerSize + static_cast<uint64_t>(block - 1) * head_.blockSize;
    }
    std::vector<uint8_t> BlockHeader(std::size_t chainPos, const std::vector<Block>& chain) const;
    Patch HeaderPatch(const px::Header& h) const;
    std::vector<uint8_t> Encode(const Row& row) const;
    std::size_t FindBlock(std::size_t index, std::size_t* firstRow) const;
    void Commit(const std::vector<Patch>& patches, uint64_t newSize);

    FileIO& io_;
    std::string dir_, name_, path_;
    std::unique_ptr<File> file_;
    Journal journal_;
    px::Header head_;
    std::vector<uint8_t> headBytes_;  // the header's first kBaseHeaderEnd bytes
    uint64_t fileSize_ = 0;
    std::size_t perBlock_ = 0;
    // Rows in chain order. A row read at open stays as its record bytes in raw_ (the
    // file's blocks as read; rawAt_[i] is the record's slot, block by block) and is null
    // here until first asked for; the records were all checked at open, so decoding them
    // later cannot fail. Fields of up to 4 bytes (integers underneath) are also kept
    // decoded per slot in narrow_ (null for other fields), so that scans testing them
    // touch no record bytes. Decoding fills this cache from const readers: the program
    // is single-threaded. Once every row is decoded the bytes are dropped (raw_ null,
    // rawAt_ and narrow_ empty).
    mutable std::vector<RowPtr> rows_;
    mutable std::unique_ptr<uint8_t[]> raw_;
    mutable std::vector<uint32_t> rawAt_;
    mutable std::vector<std::unique_ptr<int32_t[]>> narrow_;
    mutable std::size_t undecoded_ = 0;
    std::vector<Block> chain_;
    std::set<uint16_t> free_;      // blocks of the file outside the chain
    std::vector<int> autoFields_;  // positions of the autoincrement fields
    std::vector<int> bcdFields_;   // positions of the BCD fields
    int64_t maxAuto_ = 0;          // largest autoincrement value ever present
    uint64_t version_ = 1;
    bool readOnly_ = false;
    std::string readOnlyReason_;
    bool stuck_ = false;
};

}  // namespace engine
