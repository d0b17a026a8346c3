#pragma once
// The address of a title in command 1 to the preview: record number + 65536 ×
// page number. Bits 0-15 hold the record (0-based index in its list file),
// bits 16-22 the page (0-based position of the list file, 0..99); page 100
// means the title came by path in the copy data just before.

#include <cstdint>
#include <optional>

namespace qb::protocol {

inline constexpr int kPageByPath = 100;
inline constexpr int kMaxRecord = 65535;

struct TitleAddress {
    int page = 0;
    int record = 0;
    bool operator==(const TitleAddress&) const = default;
};

// nullopt when the address does not fit its bits (a record above 65535 would
// otherwise land on another page).
constexpr std::optional<std::int32_t> encodeTitleAddress(TitleAddress a) {
    if (a.page < 0 || a.page > kPageByPath || a.record < 0 || a.record > kMaxRecord) return std::nullopt;
    return a.record + 65536 * a.page;
}

constexpr TitleAddress decodeTitleAddress(std::int32_t lParam) {
    const auto bits = static_cast<std::uint32_t>(lParam);
    return TitleAddress{static_cast<int>((bits >> 16) & 0x7Fu), static_cast<int>(bits & 0xFFFFu)};
}

}  // namespace qb::protocol
