#pragma once
// The skin file container: a 4-byte size prefix and an LZHUF stream (Lzhuf.h) which,
// once expanded, holds a 16-byte header (version, names length, two reserved words),
// a block skipped by version (none for 20000, 256 bytes for 30000, 80 for 40000), the
// member names one per line, one 32-bit size per name and the members' bytes.
//
// Layers: Lzhuf (bit stream) -> SkinReader (container) -> QuickIni (description text)
// -> skin model -> TSkinData. Only `loadfromfile` touches the file system here.
//
// What is guaranteed:
//  * An open either succeeds with every member lying inside the expanded data, or fails
//    (returns false) and leaves the reader empty. Rejected: a file too short for the
//    size prefix, a truncated or oversized stream (expanded size capped at 64 MiB), an
//    unknown version (after the "older skin" message), a header, skipped block, names
//    text or size table running past the expanded data, more than 1001 members, a
//    negative member size, and sizes whose sum exceeds the member data.
//  * Lookups never read outside the member data; an absent member gives an empty
//    target.
//  * The message for an unknown version goes through `SetSkinReaderMessageProc`; by
//    default the Windows tree shows a message box and the native tree writes to stderr.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The message shown for a container of an unknown version: two lines joined by CR.
inline constexpr char kOlderSkinMessage[] = "This is Older Skin File\rPlease update to new version !";

using TSkinReaderMessageProc = std::function<void(const std::string& text)>;
// Replaces the message display (an empty function restores the platform default).
void SetSkinReaderMessageProc(TSkinReaderMessageProc proc);
// The platform default (SkinReaderMessage_win.cpp / SkinReaderMessage_host.cpp).
void ShowSkinReaderMessage(const std::string& text);

class TSkinReader {
public:
    static constexpr int kMaxMembers = 1001;

    // False when the file is missing or unreadable or the container is rejected.
    // `fileName` is UTF-8.
    bool loadfromfile(const std::string& fileName);
    // The whole skin file held in memory, size prefix included.
    bool Loadfromstream(std::span<const uint8_t> data);

    // The first member whose lower-cased name equals `name` lower-cased (ASCII letters
    // only); `target` is emptied first and stays empty when nothing matches.
    void readfile(std::string_view name, std::vector<uint8_t>& target) const;
    // The first member whose name contains `pattern` (as given; names are lower case).
    // `memberName` is set only when a member matches.
    void readIni(std::string_view pattern, std::vector<uint8_t>& target, std::string& memberName) const;

    // Member `index` (0 .. Count() - 1) in directory order; empty when out of range.
    void ReadMember(size_t index, std::vector<uint8_t>& target) const;

    int32_t Count() const { return int32_t(FNames.size()); }
    const std::vector<std::string>& Names() const { return FNames; }
    const std::vector<int32_t>& Sizes() const { return FSizes; }
    int32_t Version() const { return FHeader[0]; }
    const std::array<int32_t, 4>& Header() const { return FHeader; }

private:
    bool Parse(const std::vector<uint8_t>& expanded);
    void Reset();
    void CopyMember(size_t index, std::vector<uint8_t>& target) const;

    std::vector<std::string> FNames;
    std::vector<int32_t> FSizes;
    std::vector<size_t> FOffsets;
    std::vector<uint8_t> FData;
    std::array<int32_t, 4> FHeader{};
};

// Builds a container (used by the packing tool and tests): version 20000, 30000 or
// 40000, the skipped block zero-filled. Names must not contain line breaks.
struct TSkinMember {
    std::string name;
    std::vector<uint8_t> data;
};
std::vector<uint8_t> BuildSkinContainer(const std::vector<TSkinMember>& members, int32_t version = 40000);
