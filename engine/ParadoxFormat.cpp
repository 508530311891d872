#include "engine/ParadoxFormat.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/TableText.h"

namespace engine::px {
namespace {

constexpr int32_t kMaxDay = 3652059;  // 9999-12-31

std::string Quoted(const std::string& s) { return "«" + s + "»"; }

EngineError Foreign(const std::string& fileName) {
    return EngineError("Файл " + Quoted(fileName) + " не является таблицей Paradox");
}

bool AllZero(const uint8_t* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        if (p[i]) return false;
    return true;
}

bool DecodeBcd(const uint8_t* p, int scale, Decimal& out) {
    if (!BcdValid(p)) return false;
    bool negative = (p[0] & 0x80) == 0;
    uint8_t flip = negative ? 0xFF : 0x00;  // a negative number stores 15 - d
    std::size_t i = 1;
    while (i < kBcdWidth && (p[i] ^ flip) == 0) ++i;  // leading zeros, two at a time
    char digits[32];
    std::size_t n = 0;
    for (; i < kBcdWidth; ++i) {
        uint8_t b = p[i] ^ flip;
        if (n != 0 || (b >> 4) != 0) digits[n++] = static_cast<char>('0' + (b >> 4));
        digits[n++] = static_cast<char>('0' + (b & 0x0F));
    }
    out.negative = negative && n != 0;
    if (n == 0)
        out.digits.assign(1, '0');
    else
        out.digits.assign(digits, n);
    out.scale = scale;
    return true;
}

void EncodeBcd(const Decimal& d, int scale, uint8_t* p) {
    std::memset(p, 0, kBcdWidth);
    p[0] = static_cast<uint8_t>((d.negative ? 0x00 : 0x80) | 0x40 | (scale & 0x3F));
    // digits is the magnitude scaled by 10^scale, right-aligned in 32 nibbles.
    std::size_t n = d.digits.size();
    for (int i = 0; i < 32; ++i) {
        int nib = 0;
        std::size_t fromRight = 31 - i;
        if (fromRight < n) nib = d.digits[n - 1 - fromRight] - '0';
        if (d.negative) nib = 15 - nib;
        p[1 + i / 2] |= static_cast<uint8_t>(i % 2 == 0 ? nib << 4 : nib);
    }
}

[[noreturn]] void BadValue(const FieldDef& f, const std::string& what) {
    throw EngineError("Поле " + Quoted(f.name) + ": " + what);
}

}  // namespace

EngineError Damaged(const std::string& fileName, const std::string& what) {
    return EngineError("Файл " + Quoted(fileName) + " повреждён: " + what);
}

std::size_t FieldWidth(FieldType type, int size) {
    switch (type) {
    case FieldType::Alpha: return size >= 1 && size <= 255 ? static_cast<std::size_t>(size) : 0;
    case FieldType::Date:
    case FieldType::Long:
    case FieldType::AutoInc: return 4;
    case FieldType::Short: return 2;
    case FieldType::Number: return 8;
    case FieldType::Logical: return 1;
    case FieldType::Bcd: return size >= 0 && size <= 32 ? kBcdWidth : 0;
    }
    return 0;
}

Layout MakeLayout(std::vector<FieldDef> fields) {
    Layout l;
    l.fields = std::move(fields);
    for (const FieldDef& f : l.fields) {
        std::size_t w = FieldWidth(f.type, f.size);
        l.offset.push_back(static_cast<uint16_t>(l.recordSize));
        l.width.push_back(static_cast<uint16_t>(w));
        l.recordSize += w;
    }
    return l;
}

uint16_t StoredHeaderSize(const uint8_t* data) { return GetLE16(data + kOffHeaderSize); }

bool LooksLikeTable(const uint8_t* data) {
    uint8_t type = data[kOffFileType], kib = data[kOffBlockKiB], version = data[kOffVersion];
    return (type == 0 || type == 2) && kib >= 1 && kib <= 32 && version >= 3 && version <= 12 &&
           GetLE16(data + kOffHeaderSize) >= kBaseHeaderEnd && GetLE16(data + kOffRecordSize) != 0;
}

Header ParseHeader(const uint8_t* data, std::size_t size, uint64_t fileSize, const std::string& fileName) {
    if (size < kBaseHeaderEnd) throw Damaged(fileName, "заголовок обрезан");
    Header h;
    std::size_t recordSize = GetLE16(data + kOffRecordSize);
    h.headerSize = GetLE16(data + kOffHeaderSize);
    h.fileType = data[kOffFileType];
    uint8_t kib = data[kOffBlockKiB];
    h.version = data[kOffVersion];
    if (!LooksLikeTable(data)) throw Foreign(fileName);
    if (h.headerSize > size) throw Damaged(fileName, "заголовок обрезан");
    h.blockSize = static_cast<std::size_t>(kib) * 1024;
    h.recordCount = GetLE32(data + kOffRecordCount);
    h.fileBlocks = GetLE16(data + kOffFileBlocks);
    h.firstBlock = GetLE16(data + kOffFirstBlock);
    h.lastBlock = GetLE16(data + kOffLastBlock);
    h.autoInc = GetLE32(data + kOffAutoInc);

    bool extended = h.version >= 5;
    uint32_t enc = GetLE32(data + kOffEncryption);
    if (extended) {
        if (h.headerSize < kOffFields4) throw Damaged(fileName, "заголовок обрезан");
        if ((enc != 0 && enc != 0xFF00FF00u) || GetLE32(data + kOffEncryption2) != 0)
            throw EngineError("Таблица " + Quoted(fileName) +
                              " зашифрована; программа не открывает зашифрованные таблицы");
        uint16_t cp = GetLE16(data + kOffCodePage);
        if (cp != 0 && cp != kCodePage)
            throw EngineError("Таблица " + Quoted(fileName) + " записана в кодовой странице " + std::to_string(cp) +
                              "; программа читает только кодовую страницу 1251");
    } else if (enc != 0) {
        throw EngineError("Таблица " + Quoted(fileName) + " зашифрована; программа не открывает зашифрованные таблицы");
    }

    std::size_t fieldCount = GetLE16(data + kOffFieldCount);
    if (fieldCount == 0 || fieldCount > 255) throw Damaged(fileName, "неверное число полей");
    std::size_t pos = extended ? kOffFields4 : kOffFields3;
    std::size_t end = h.headerSize;
    // descriptors, the table name pointer and the field name pointers
    if (pos + 2 * fieldCount + 4 + 4 * fieldCount > end) throw Damaged(fileName, "заголовок обрезан");
    std::vector<FieldDef> fields(fieldCount);
    for (std::size_t i = 0; i < fieldCount; ++i) {
        uint8_t type = data[pos + 2 * i];
        uint8_t sz = data[pos + 2 * i + 1];
        FieldDef& f = fields[i];
        f.type = static_cast<FieldType>(type);
        f.size = (f.type == FieldType::Alpha || f.type == FieldType::Bcd) ? sz : 0;
        bool known = false;
        switch (f.type) {
        case FieldType::Alpha:
        case FieldType::Date:
        case FieldType::Short:
        case FieldType::Long:
        case FieldType::Number:
        case FieldType::Logical:
        case FieldType::AutoInc:
        case FieldType::Bcd: known = true; break;
        }
        if (!known)
            throw EngineError("В таблице " + Quoted(fileName) + " есть поле типа 0x" + [&] {
                static const char* hex = "0123456789ABCDEF";
                return std::string{hex[type >> 4], hex[type & 15]};
            }() + ", которого программа не поддерживает");
        std::size_t w = FieldWidth(f.type, f.size);
        bool sizeOk = w != 0 && (f.type == FieldType::Bcd || sz == w);
        if (!sizeOk) throw Damaged(fileName, "неверный размер поля " + std::to_string(i + 1));
    }
    pos += 2 * fieldCount + 4 + 4 * fieldCount;

    std::size_t nameLen = h.version >= kVersion7 ? 261 : 79;
    if (pos + nameLen > end) throw Damaged(fileName, "заголовок обрезан");
    const uint8_t* tn = data + pos;
    std::size_t tnLen = 0;
    while (tnLen < nameLen && tn[tnLen]) ++tnLen;
    AppendCp1251AsUtf8(tn, tnLen, h.tableName);
    pos += nameLen;

    for (std::size_t i = 0; i < fieldCount; ++i) {
        std::size_t start = pos;
        while (pos < end && data[pos]) ++pos;
        if (pos >= end) throw Damaged(fileName, "имена полей обрезаны");
        AppendCp1251AsUtf8(data + start, pos - start, fields[i].name);
        ++pos;
    }

    h.layout = MakeLayout(std::move(fields));
    if (h.layout.recordSize != recordSize) throw Damaged(fileName, "размер записи не совпадает с полями");
    if (h.blockSize < kBlockHeader + recordSize) throw Damaged(fileName, "запись не помещается в блок");
    if (static_cast<uint64_t>(h.headerSize) + static_cast<uint64_t>(h.fileBlocks) * h.blockSize > fileSize)
        throw Damaged(fileName, "файл обрезан");
    if (h.firstBlock > h.fileBlocks || h.lastBlock > h.fileBlocks)
        throw Damaged(fileName, "неверный номер блока в заголовке");
    return h;
}

std::size_t ChooseBlockSize(std::size_t recordSize) {
    for (std::size_t kib = 2; kib < 32; kib *= 2)
        if ((kib * 1024 - kBlockHeader) / recordSize >= 4) return kib * 1024;
    return 32 * 1024;
}

std::vector<uint8_t> BuildHeader(const std::string& tableName, const Layout& layout, std::size_t blockSize) {
    std::size_t n = layout.fields.size();
    std::string name1251;
    if (!Utf8ToCp1251(tableName, name1251) || name1251.size() > 260)
        throw EngineError("Неверное имя таблицы " + Quoted(tableName));
    std::vector<std::string> names(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (!Utf8ToCp1251(layout.fields[i].name, names[i]) || names[i].empty() ||
            names[i].find('\0') != std::string::npos)
            throw EngineError("Неверное имя поля " + Quoted(layout.fields[i].name));
    }
    std::size_t pos = kOffFields4 + 2 * n + 4 + 4 * n + 261;
    for (const std::string& s : names) pos += s.size() + 1;
    pos += 2 * n;
    pos += std::strlen(kSortOrderName) + 1;
    std::size_t real = pos;
    std::size_t size = (real + 0x7FF) / 0x800 * 0x800;
    if (size > 0xF800) throw EngineError("Слишком много полей в таблице " + Quoted(tableName));

    std::vector<uint8_t> d(size, 0);
    PutLE16(&d[kOffRecordSize], static_cast<uint16_t>(layout.recordSize));
    PutLE16(&d[kOffHeaderSize], static_cast<uint16_t>(size));
    d[kOffFileType] = 2;
    d[kOffBlockKiB] = static_cast<uint8_t>(blockSize / 1024);
    PutLE16(&d[kOffFieldCount], static_cast<uint16_t>(n));
    PutLE32(&d[kOffEncryption], 0xFF00FF00u);
    d[kOffSortOrder] = kSortOrderCyrillic;
    d[0x2D] = 2;  // change counts, as other writers leave them
    d[0x2E] = 1;
    d[kOffVersion] = kVersion7;
    d[0x3E] = 0x1F;
    d[0x3F] = 0x0F;
    PutLE16(&d[kOffRealHeaderSize], static_cast<uint16_t>(real));
    d[0x56] = 0x20;
    PutLE16(&d[0x58], 0x010C);
    PutLE16(&d[0x5A], 0x010C);
    PutLE16(&d[0x64], static_cast<uint16_t>(n + 1));
    PutLE16(&d[kOffCodePage], kCodePage);
    d[0x6C] = 1;
    d[0x6D] = 1;
    pos = kOffFields4;
    for (const FieldDef& f : layout.fields) {
        d[pos++] = static_cast<uint8_t>(f.type);
        d[pos++] = static_cast<uint8_t>(f.type == FieldType::Bcd ? f.size : FieldWidth(f.type, f.size));
    }
    pos += 4 + 4 * n;  // pointers: meaningless on disk, left zero
    std::memcpy(&d[pos], name1251.data(), name1251.size());
    pos += 261;
    for (const std::string& s : names) {
        std::memcpy(&d[pos], s.data(), s.size());
        pos += s.size() + 1;
    }
    for (std::size_t i = 0; i < n; ++i, pos += 2) PutLE16(&d[pos], static_cast<uint16_t>(i + 1));
    std::memcpy(&d[pos], kSortOrderName, std::strlen(kSortOrderName));
    return d;
}

void StoreCounters(const Header& h, uint8_t* data) {
    PutLE32(data + kOffRecordCount, h.recordCount);
    PutLE16(data + kOffNextBlock, h.fileBlocks);
    PutLE16(data + kOffFileBlocks, h.fileBlocks);
    PutLE16(data + kOffFirstBlock, h.firstBlock);
    PutLE16(data + kOffLastBlock, h.lastBlock);
    PutLE16(data + kOffMaxBlocks, h.fileBlocks);
    PutLE32(data + kOffAutoInc, h.autoInc);
}

bool DecodeField(const uint8_t* record, const Layout& layout, std::size_t i, Value& out) {
    const uint8_t* p = record + layout.offset[i];
    std::size_t w = layout.width[i];
    const FieldDef& f = layout.fields[i];
    if (AllZero(p, w)) {
        out = std::monostate{};
        return true;
    }
    switch (f.type) {
    case FieldType::Alpha: {
        std::size_t len = 0;
        while (len < w && p[len]) ++len;
        std::string s;
        AppendCp1251AsUtf8(p, len, s);
        out = std::move(s);
        break;
    }
    case FieldType::Short: out = static_cast<int32_t>(static_cast<int16_t>(((p[0] << 8) | p[1]) ^ 0x8000)); break;
    case FieldType::Long:
    case FieldType::AutoInc: out = static_cast<int32_t>(GetBE32(p) ^ 0x80000000u); break;
    case FieldType::Date: out = Date{static_cast<int32_t>(GetBE32(p) ^ 0x80000000u)}; break;
    case FieldType::Number: {
        uint64_t bits = (static_cast<uint64_t>(GetBE32(p)) << 32) | GetBE32(p + 4);
        bits = (bits & 0x8000000000000000ull) ? (bits & 0x7FFFFFFFFFFFFFFFull) : ~bits;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        out = v;
        break;
    }
    case FieldType::Logical: out = p[0] != 0x80; break;
    case FieldType::Bcd: {
        Decimal d;
        if (!DecodeBcd(p, f.size, d)) return false;
        out = std::move(d);
        break;
    }
    }
    return true;
}

bool DecodeRecord(const uint8_t* record, const Layout& layout, Row& out, std::size_t* badField) {
    std::size_t n = layout.fields.size();
    out.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (!DecodeField(record, layout, i, out[i])) {
            if (badField) *badField = i;
            return false;
        }
    }
    return true;
}

void EncodeRecord(const Row& row, const Layout& layout, uint8_t* record) {
    std::memset(record, 0, layout.recordSize);
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const Value& v = row[i];
        if (IsNull(v)) continue;
        uint8_t* p = record + layout.offset[i];
        const FieldDef& f = layout.fields[i];
        switch (f.type) {
        case FieldType::Alpha: {
            std::string s;
            Utf8ToCp1251(std::get<std::string>(v), s);
            std::memcpy(p, s.data(), std::min<std::size_t>(s.size(), layout.width[i]));
            break;
        }
        case FieldType::Short: {
            uint16_t u = static_cast<uint16_t>(static_cast<int16_t>(std::get<int32_t>(v))) ^ 0x8000;
            p[0] = static_cast<uint8_t>(u >> 8);
            p[1] = static_cast<uint8_t>(u);
            break;
        }
        case FieldType::Long:
        case FieldType::AutoInc: PutBE32(p, static_cast<uint32_t>(std::get<int32_t>(v)) ^ 0x80000000u); break;
        case FieldType::Date: PutBE32(p, static_cast<uint32_t>(std::get<Date>(v).day) ^ 0x80000000u); break;
        case FieldType::Number: {
            double d = std::get<double>(v);
            uint64_t bits;
            std::memcpy(&bits, &d, sizeof bits);
            bits = (bits & 0x8000000000000000ull) ? ~bits : (bits | 0x8000000000000000ull);
            PutBE32(p, static_cast<uint32_t>(bits >> 32));
            PutBE32(p + 4, static_cast<uint32_t>(bits));
            break;
        }
        case FieldType::Logical: p[0] = std::get<bool>(v) ? 0x81 : 0x80; break;
        case FieldType::Bcd: EncodeBcd(std::get<Decimal>(v), f.size, p); break;
        }
    }
}

void CheckValue(const FieldDef& f, Value& v) {
    if (IsNull(v)) return;
    auto wrongType = [&] { BadValue(f, "значение не того типа"); };
    switch (f.type) {
    case FieldType::Alpha: {
        const std::string* s = std::get_if<std::string>(&v);
        if (!s) wrongType();
        std::string cp;
        if (!Utf8ToCp1251(*s, cp)) BadValue(f, "текст содержит знаки, которых нет в кодировке Windows-1251");
        if (cp.find('\0') != std::string::npos) BadValue(f, "текст содержит нулевой знак");
        if (cp.size() > static_cast<std::size_t>(f.size))
            BadValue(f, "текст длиннее " + std::to_string(f.size) + " знаков");
        if (cp.empty()) v = std::monostate{};
        break;
    }
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoInc: {
        const int32_t* i = std::get_if<int32_t>(&v);
        if (!i) wrongType();
        int32_t lim = f.type == FieldType::Short ? 32767 : 2147483647;
        if (*i < -lim || *i > lim)
            BadValue(f, "значение " + std::to_string(*i) + " вне допустимого диапазона " + std::to_string(-lim) + "…" +
                            std::to_string(lim));
        break;
    }
    case FieldType::Date: {
        const Date* d = std::get_if<Date>(&v);
        if (!d) wrongType();
        if (d->day < 1 || d->day > kMaxDay) BadValue(f, "дата вне допустимого диапазона");
        break;
    }
    case FieldType::Number: {
        double* d = std::get_if<double>(&v);
        if (!d) wrongType();
        if (!std::isfinite(*d)) BadValue(f, "значение не является конечным числом");
        if (*d == 0) *d = 0.0;  // -0 is stored as +0
        break;
    }
    case FieldType::Logical:
        if (!std::holds_alternative<bool>(v)) wrongType();
        break;
    case FieldType::Bcd: {
        const Decimal* d = std::get_if<Decimal>(&v);
        if (!d) wrongType();
        Decimal r;
        try {
            if (d->scale < 0 || d->scale > 32) throw EngineError("scale");
            r = Decimal::FromString(d->ToString(), f.size);  // rounds to the field's scale
        } catch (const EngineError&) {
            BadValue(f, "неверное десятичное число");
        }
        if (r.digits.size() > 32) BadValue(f, "в числе больше " + std::to_string(32 - f.size) + " цифр до запятой");
        v = std::move(r);
        break;
    }
    }
}

}  // namespace engine::px
