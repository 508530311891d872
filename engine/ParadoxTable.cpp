#include "engine/ParadoxTable.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/TextCase.h"
#include "engine/TableText.h"

namespace engine {

namespace {
std::string Quoted(const std::string& s) { return "«" + s + "»"; }

bool AllZero(const uint8_t* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        if (p[i]) return false;
    return true;
}

// Fields kept decoded per record as one int32: the integers, dates and logicals.
bool IsNarrow(FieldType t) {
    return t == FieldType::Short || t == FieldType::Long || t == FieldType::AutoInc || t == FieldType::Date ||
           t == FieldType::Logical;
}

// A narrow field's stored bytes as one int32. NULL (all zero) becomes a number no stored
// value can give: -32768 for a short, INT32_MIN for a long or a date, -1 for a logical.
int32_t NarrowOf(const uint8_t* p, FieldType t) {
    switch (t) {
    case FieldType::Short: return static_cast<int16_t>(((p[0] << 8) | p[1]) ^ 0x8000);
    case FieldType::Logical: return p[0] == 0 ? -1 : (p[0] != 0x80 ? 1 : 0);
    default: return static_cast<int32_t>(GetBE32(p) ^ 0x80000000u);
    }
}

Value NarrowValue(int32_t v, FieldType t) {
    switch (t) {
    case FieldType::Short: return v == -32768 ? Value() : Value(v);
    case FieldType::Logical: return v < 0 ? Value() : Value(v != 0);
    case FieldType::Date: return v == std::numeric_limits<int32_t>::min() ? Value() : Value(Date{v});
    default: return v == std::numeric_limits<int32_t>::min() ? Value() : Value(v);
    }
}
}  // namespace

ParadoxTable::ParadoxTable(FileIO& io, std::string dir, std::string name, std::string path)
    : io_(io), dir_(std::move(dir)), name_(std::move(name)), path_(std::move(path)), journal_(io_, dir_, path_) {}

std::unique_ptr<ParadoxTable> ParadoxTable::Open(FileIO& io, const std::string& dir, const std::string& fileName) {
    std::string path = JoinPath(dir, fileName);
    std::unique_ptr<ParadoxTable> t(new ParadoxTable(io, dir, fileName, path));
    try {
        t->file_ = io.Open(path, OpenMode::ReadWrite);
    } catch (const IoError&) {
        if (io.Exists(Journal::PathFor(path))) throw;  // a hot journal needs write access (I5)
        t->file_ = io.Open(path, OpenMode::ReadOnly);
        t->readOnly_ = true;
        t->readOnlyReason_ = "файл открыт только для чтения";
    }
    if (!t->readOnly_) t->journal_.Recover(*t->file_, fileName);
    t->Load();
    return t;
}

void ParadoxTable::Load() {
    ReadHeader();
    WalkChain(ScanBlocks());
}

void ParadoxTable::ReadHeader() {
    fileSize_ = file_->Size();
    uint8_t base[px::kBaseHeaderEnd];
    if (fileSize_ < px::kBaseHeaderEnd || file_->ReadAt(0, base, sizeof base) != sizeof base) {
        if (fileSize_ == 0) throw px::Damaged(name_, "файл пуст");
        throw EngineError("Файл " + Quoted(name_) + " не является таблицей Paradox");
    }
    std::size_t headerSize = px::StoredHeaderSize(base);
    if (!px::LooksLikeTable(base)) throw EngineError("Файл " + Quoted(name_) + " не является таблицей Paradox");
    if (headerSize > fileSize_) throw px::Damaged(name_, "файл обрезан");
    std::vector<uint8_t> header(headerSize);
    if (file_->ReadAt(0, header.data(), headerSize) != headerSize) throw px::Damaged(name_, "файл обрезан");
    head_ = px::ParseHeader(header.data(), header.size(), fileSize_, name_);
    headBytes_.assign(header.begin(), header.begin() + px::kBaseHeaderEnd);
    if (head_.fileType != 2) {
        readOnly_ = true;
        readOnlyReason_ = "у таблицы есть первичный ключ";
    }
    const px::Layout& layout = head_.layout;
    perBlock_ = (head_.blockSize - px::kBlockHeader) / layout.recordSize;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        if (layout.fields[i].type == FieldType::AutoInc) autoFields_.push_back(static_cast<int>(i));
        if (layout.fields[i].type == FieldType::Bcd) bcdFields_.push_back(static_cast<int>(i));
    }
}

// The first field of a record whose stored value is malformed (a BCD digit above 9, the
// one way a value can be), or -1; raises maxAuto to the record's autoincrement values.
int ParadoxTable::MalformedField(const uint8_t* record, int64_t& maxAuto) const {
    const px::Layout& layout = head_.layout;
    for (int f : autoFields_) {
        const uint8_t* p = record + layout.offset[f];
        if (!AllZero(p, 4)) maxAuto = std::max<int64_t>(maxAuto, static_cast<int32_t>(GetBE32(p) ^ 0x80000000u));
    }
    for (int f : bcdFields_)
        if (px::BcdMalformed(record + layout.offset[f])) return f;
    return -1;
}

// The records a block's header claims, or -1 when the header is impossible.
long ParadoxTable::RecordsIn(const uint8_t* block) const {
    const long rs = static_cast<long>(head_.layout.recordSize);
    long used = static_cast<int16_t>(GetLE16(block + 4)) + rs;
    if (used < 0 || used % rs != 0 || static_cast<std::size_t>(used / rs) > perBlock_) return -1;
    return used / rs;
}

// The blocks are read in physical order, a few at a time, and their records checked
// while they are still in the processor's cache; the chain is walked afterwards. Blocks
// outside the chain are checked too but never count.
ParadoxTable::BlockScan ParadoxTable::ScanBlocks() {
    const px::Layout& layout = head_.layout;
    const std::size_t rs = layout.recordSize;
    std::size_t blockBytes = static_cast<std::size_t>(head_.fileBlocks) * head_.blockSize;
    if (blockBytes != 0) raw_.reset(new uint8_t[blockBytes]);
    std::size_t slots = static_cast<std::size_t>(head_.fileBlocks) * perBlock_;
    narrow_.resize(layout.fields.size());
    std::vector<int> narrowFields;
    for (std::size_t i = 0; i < layout.fields.size(); ++i)
        if (IsNarrow(layout.fields[i].type) && slots != 0) {
            narrow_[i].reset(new int32_t[slots]);
            narrowFields.push_back(static_cast<int>(i));
        }
    const std::size_t n1 = head_.fileBlocks + 1u;
    BlockScan scan{std::vector<uint16_t>(n1, 0), std::vector<int32_t>(n1, -1), std::vector<uint8_t>(n1, 0),
                   std::vector<int64_t>(n1, 0)};
    std::size_t chunkBlocks = std::max<std::size_t>(1, (256u << 10) / head_.blockSize);
    for (std::size_t first = 1; first <= head_.fileBlocks; first += chunkBlocks) {
        std::size_t n = std::min<std::size_t>(chunkBlocks, head_.fileBlocks + 1u - first);
        std::size_t at = (first - 1) * head_.blockSize;
        if (file_->ReadAt(head_.headerSize + at, raw_.get() + at, n * head_.blockSize) != n * head_.blockSize)
            throw px::Damaged(name_, "файл обрезан");
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t b = first + k;
            const uint8_t* block = raw_.get() + at + k * head_.blockSize;
            long count = RecordsIn(block);
            scan.next[b] = GetLE16(block);
            scan.count[b] = static_cast<int32_t>(count);
            std::size_t slot = (b - 1) * perBlock_;
            for (long r = 0; r < count; ++r) {
                const uint8_t* rec = block + px::kBlockHeader + r * rs;
                if (MalformedField(rec, scan.maxAuto[b]) >= 0) scan.bad[b] = 1;
                for (int f : narrowFields)
                    narrow_[f][slot + r] = NarrowOf(rec + layout.offset[f], layout.fields[f].type);
            }
        }
    }
    return scan;
}

// Follows the chain from the first block: every link, count and record must agree with
// the header, or the table is damaged; blocks the chain never reaches are free.
void ParadoxTable::WalkChain(const BlockScan& scan) {
    const px::Layout& layout = head_.layout;
    const std::size_t rs = layout.recordSize;
    std::size_t rowsHeld = std::min<uint64_t>(head_.recordCount, fileSize_ / rs);  // never more than the file can hold
    rawAt_.reserve(rowsHeld);
    std::vector<bool> seen(head_.fileBlocks + 1u, false);
    uint64_t total = 0;
    uint16_t b = head_.firstBlock;
    uint16_t last = 0;
    while (b != 0) {
        if (b > head_.fileBlocks) throw px::Damaged(name_, "ссылка на блок " + std::to_string(b) + " за концом файла");
        if (seen[b]) throw px::Damaged(name_, "цепочка блоков замкнута в кольцо");
        seen[b] = true;
        std::size_t at = static_cast<std::size_t>(b - 1) * head_.blockSize;
        long count = scan.count[b];
        if (count < 0) throw px::Damaged(name_, "неверное число записей в блоке " + std::to_string(b));
        total += static_cast<std::size_t>(count);
        if (total > head_.recordCount) throw px::Damaged(name_, "число записей не совпадает с заголовком");
        for (long k = 0; k < count; ++k) {
            std::size_t recAt = at + px::kBlockHeader + k * rs;
            if (scan.bad[b]) {
                int64_t unused = 0;
                int f = MalformedField(raw_.get() + recAt, unused);
                if (f >= 0)
                    throw px::Damaged(name_, "неверное значение поля " + Quoted(layout.fields[f].name) + " в записи " +
                                                 std::to_string(rawAt_.size() + 1));
            }
            rawAt_.push_back(static_cast<uint32_t>((b - 1u) * perBlock_ + k));
        }
        maxAuto_ = std::max(maxAuto_, scan.maxAuto[b]);
        chain_.push_back({b, static_cast<uint16_t>(count)});
        last = b;
        b = scan.next[b];
    }
    rows_.assign(rawAt_.size(), nullptr);
    undecoded_ = rawAt_.size();
    if (undecoded_ == 0) {
        raw_.reset();
        std::vector<uint32_t>().swap(rawAt_);
        narrow_.clear();
    }
    if (total != head_.recordCount) throw px::Damaged(name_, "число записей не совпадает с заголовком");
    if (last != head_.lastBlock) throw px::Damaged(name_, "последний блок не совпадает с заголовком");
    for (uint16_t i = 1; i <= head_.fileBlocks && i != 0; ++i)
        if (!seen[i]) free_.insert(i);
}

int ParadoxTable::FieldIndex(std::string_view name) const {
    std::string key = FoldCase(name);
    const auto& fields = head_.layout.fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (FoldCase(fields[i].name) == key) return static_cast<int>(i);
    return -1;
}

const RowPtr& ParadoxTable::RowAt(std::size_t index) const {
    if (index >= rows_.size())
        throw EngineError("Нет записи " + std::to_string(index + 1) + " в таблице " + Quoted(name_));
    RowPtr& row = rows_[index];
    if (!row) {
        auto decoded = std::make_shared<Row>();
        px::DecodeRecord(Record(rawAt_[index]), head_.layout, *decoded, nullptr);  // checked at open
        row = std::move(decoded);
        Decoded();
    }
    return row;
}

Value ParadoxTable::FieldAt(std::size_t index, std::size_t field) const {
    if (index >= rows_.size())
        throw EngineError("Нет записи " + std::to_string(index + 1) + " в таблице " + Quoted(name_));
    if (const RowPtr& row = rows_[index]) return field < row->size() ? (*row)[field] : Value();
    Value v;
    if (field >= head_.layout.fields.size()) return v;
    if (const auto& column = narrow_[field]) return NarrowValue(column[rawAt_[index]], head_.layout.fields[field].type);
    px::DecodeField(Record(rawAt_[index]), head_.layout, field, v);
    return v;
}

// One more row no longer needs its record bytes; when none does, they go.
void ParadoxTable::Decoded() const {
    if (--undecoded_ == 0) {
        raw_.reset();
        std::vector<uint32_t>().swap(rawAt_);
        narrow_.clear();
    }
}

// Row `index` leaves the table (its entry in rows_ is erased by the caller).
void ParadoxTable::Forget(std::size_t index) {
    bool undecoded = !rows_[index];
    if (raw_) rawAt_.erase(rawAt_.begin() + static_cast<std::ptrdiff_t>(index));
    if (undecoded) Decoded();
}

void ParadoxTable::CheckWritable() const {
    if (stuck_)
        throw EngineError(
            "Таблица " + Quoted(name_) +
            " не изменена: запись на диск не удалась. Перезапустите программу, чтобы восстановить таблицу");
    if (readOnly_) throw EngineError("Таблицу " + Quoted(name_) + " нельзя изменить: " + readOnlyReason_);
}

void ParadoxTable::CheckRow(Row& row) const {
    const auto& fields = head_.layout.fields;
    if (row.size() != fields.size())
        throw EngineError("Запись для таблицы " + Quoted(name_) + " содержит " + std::to_string(row.size()) +
                          " полей вместо " + std::to_string(fields.size()));
    for (std::size_t i = 0; i < fields.size(); ++i) px::CheckValue(fields[i], row[i]);
}

std::vector<uint8_t> ParadoxTable::Encode(const Row& row) const {
    std::vector<uint8_t> rec(head_.layout.recordSize);
    px::EncodeRecord(row, head_.layout, rec.data());
    return rec;
}

// The 6-byte header of the block at `chainPos` of `chain`.
std::vector<uint8_t> ParadoxTable::BlockHeader(std::size_t chainPos, const std::vector<Block>& chain) const {
    std::vector<uint8_t> h(px::kBlockHeader);
    uint16_t next = chainPos + 1 < chain.size() ? chain[chainPos + 1].number : 0;
    uint16_t prev = chainPos > 0 ? chain[chainPos - 1].number : 0;
    int add = (static_cast<int>(chain[chainPos].count) - 1) * static_cast<int>(head_.layout.recordSize);
    PutLE16(h.data(), next);
    PutLE16(h.data() + 2, prev);
    PutLE16(h.data() + 4, static_cast<uint16_t>(static_cast<int16_t>(add)));
    return h;
}

Patch ParadoxTable::HeaderPatch(const px::Header& h) const {
    Patch p;
    p.offset = 0;
    p.bytes = headBytes_;
    px::StoreCounters(h, p.bytes.data());
    return p;
}

std::size_t ParadoxTable::FindBlock(std::size_t index, std::size_t* firstRow) const {
    std::size_t start = 0;
    for (std::size_t k = 0; k < chain_.size(); ++k) {
        if (index < start + chain_[k].count) {
            *firstRow = start;
            return k;
        }
        start += chain_[k].count;
    }
    throw EngineError("Нет записи " + std::to_string(index + 1) + " в таблице " + Quoted(name_));
}

void ParadoxTable::Commit(const std::vector<Patch>& patches, uint64_t newSize) {
    bool stuck = false;
    try {
        journal_.Commit(*file_, fileSize_, patches, &stuck);
    } catch (...) {
        if (stuck) stuck_ = true;  // I6
        throw;
    }
    fileSize_ = std::max(fileSize_, newSize);
    ++version_;
}

std::size_t ParadoxTable::Append(Row row) {
    CheckWritable();
    CheckRow(row);
    px::Header h = head_;
    int64_t counter = std::max<int64_t>(h.autoInc, maxAuto_);
    bool handOut = false;
    for (int f : autoFields_)
        if (IsNull(row[f])) handOut = true;
    if (handOut) {
        if (counter >= std::numeric_limits<int32_t>::max())
            throw EngineError("В таблице " + Quoted(name_) + " исчерпаны номера записей");
        ++counter;
        for (int f : autoFields_)
            if (IsNull(row[f])) row[f] = static_cast<int32_t>(counter);
    }
    int64_t newMax = maxAuto_;
    for (int f : autoFields_)
        if (const int32_t* v = std::get_if<int32_t>(&row[f])) newMax = std::max<int64_t>(newMax, *v);
    h.autoInc = static_cast<uint32_t>(std::max<int64_t>(h.autoInc, newMax));

    std::vector<Block> chain = chain_;
    std::set<uint16_t> freeBlocks = free_;
    std::vector<Patch> patches;
    uint64_t newSize = fileSize_;
    std::vector<uint8_t> rec = Encode(row);
    if (!chain.empty() && chain.back().count < perBlock_) {
        Block& last = chain.back();
        patches.push_back({BlockOffset(last.number) + px::kBlockHeader + last.count * rec.size(), rec});
        ++last.count;
        patches.push_back({BlockOffset(last.number), BlockHeader(chain.size() - 1, chain)});
    } else {
        uint16_t b;
        if (!freeBlocks.empty()) {
            b = *freeBlocks.begin();
            freeBlocks.erase(freeBlocks.begin());
        } else {
            if (h.fileBlocks == 0xFFFF) throw EngineError("Таблица " + Quoted(name_) + " достигла предельного размера");
            b = ++h.fileBlocks;
            newSize = BlockOffset(b) + h.blockSize;
        }
        chain.push_back({b, 1});
        Patch block{BlockOffset(b), std::vector<uint8_t>(h.blockSize, 0)};
        std::vector<uint8_t> bh = BlockHeader(chain.size() - 1, chain);
        std::copy(bh.begin(), bh.end(), block.bytes.begin());
        std::copy(rec.begin(), rec.end(), block.bytes.begin() + px::kBlockHeader);
        patches.push_back(std::move(block));
        if (chain.size() > 1)
            patches.push_back({BlockOffset(chain[chain.size() - 2].number), BlockHeader(chain.size() - 2, chain)});
        if (h.firstBlock == 0) h.firstBlock = b;
        h.lastBlock = b;
    }
    ++h.recordCount;
    patches.push_back(HeaderPatch(h));

    Commit(patches, newSize);
    head_ = h;
    chain_ = std::move(chain);
    free_ = std::move(freeBlocks);
    maxAuto_ = newMax;
    rows_.push_back(std::make_shared<const Row>(std::move(row)));
    if (raw_) rawAt_.push_back(0);  // decoded already: no record bytes
    return rows_.size() - 1;
}

void ParadoxTable::Update(std::size_t index, Row row) {
    CheckWritable();
    CheckRow(row);
    std::size_t first = 0;
    std::size_t k = FindBlock(index, &first);
    const Row& old = *RowAt(index);
    for (int f : autoFields_) row[f] = old[f];  // identifiers stay
    std::vector<Patch> patches;
    patches.push_back(
        {BlockOffset(chain_[k].number) + px::kBlockHeader + (index - first) * head_.layout.recordSize, Encode(row)});
    Commit(patches, fileSize_);
    rows_[index] = std::make_shared<const Row>(std::move(row));
}

void ParadoxTable::Remove(std::size_t index) {
    CheckWritable();
    std::size_t first = 0;
    std::size_t k = FindBlock(index, &first);
    std::size_t rs = head_.layout.recordSize;
    px::Header h = head_;
    std::vector<Block> chain = chain_;
    std::set<uint16_t> freeBlocks = free_;
    std::vector<Patch> patches;
    uint16_t b = chain[k].number;
    if (chain[k].count == 1) {
        // The block empties: take it out of the chain and keep it for reuse.
        chain.erase(chain.begin() + static_cast<std::ptrdiff_t>(k));
        if (k > 0) patches.push_back({BlockOffset(chain[k - 1].number), BlockHeader(k - 1, chain)});
        if (k < chain.size()) patches.push_back({BlockOffset(chain[k].number), BlockHeader(k, chain)});
        patches.push_back({BlockOffset(b), std::vector<uint8_t>(px::kBlockHeader + rs, 0)});
        h.firstBlock = chain.empty() ? 0 : chain.front().number;
        h.lastBlock = chain.empty() ? 0 : chain.back().number;
        freeBlocks.insert(b);
    } else {
        // The records after it move up by one inside the block.
        std::size_t slot = index - first;
        std::size_t count = chain[k].count;
        Patch p{BlockOffset(b) + px::kBlockHeader + slot * rs, std::vector<uint8_t>((count - slot) * rs, 0)};
        for (std::size_t s = slot + 1; s < count; ++s) {
            std::size_t r = first + s;
            uint8_t* to = p.bytes.data() + (s - 1 - slot) * rs;
            if (rows_[r])
                px::EncodeRecord(*rows_[r], head_.layout, to);
            else
                std::memcpy(to, Record(rawAt_[r]), rs);  // never decoded: its bytes are still the file's
        }
        patches.push_back(std::move(p));
        --chain[k].count;
        patches.push_back({BlockOffset(b), BlockHeader(k, chain)});
    }
    --h.recordCount;
    patches.push_back(HeaderPatch(h));

    Commit(patches, fileSize_);
    head_ = h;
    chain_ = std::move(chain);
    free_ = std::move(freeBlocks);
    Forget(index);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void ParadoxTable::Create(FileIO& io, const std::string& dir, const std::string& fileName,
                          const std::vector<FieldDef>& fields) {
    if (fields.empty() || fields.size() > 255)
        throw EngineError("Таблица " + Quoted(fileName) + " должна иметь от 1 до 255 полей");
    std::set<std::string> names;
    for (const FieldDef& f : fields) {
        if (px::FieldWidth(f.type, f.size) == 0)
            throw EngineError("Поле " + Quoted(f.name) + " таблицы " + Quoted(fileName) +
                              " имеет неверный тип или размер");
        if (!names.insert(FoldCase(f.name)).second)
            throw EngineError("Поле " + Quoted(f.name) + " в таблице " + Quoted(fileName) + " повторяется");
    }
    px::Layout layout = px::MakeLayout(fields);
    if (layout.recordSize > 32 * 1024 - px::kBlockHeader)
        throw EngineError("Запись таблицы " + Quoted(fileName) + " слишком длинна");
    std::vector<uint8_t> header = px::BuildHeader(fileName, layout, px::ChooseBlockSize(layout.recordSize));

    std::string path = JoinPath(dir, fileName);
    std::string temp = path + "-new";
    io.Remove(Journal::PathFor(path));  // I7: no stale journal may meet the new file
    io.SyncDir(dir);
    {
        auto f = io.Open(temp, OpenMode::CreateTruncate);
        f->WriteAt(0, header.data(), header.size());
        f->Sync();
    }
    io.Rename(temp, path);
    io.SyncDir(dir);
}

}  // namespace engine
