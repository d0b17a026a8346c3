#pragma once
// TitleRecord: one title of a list file, 384 bytes, little-endian.
//
//   offset size field
//        0   32 Interpret  short string (length byte + at most 31 bytes)
//       32   32 Titel      short string, at most 31 bytes
//       64   16 Genre      short string, at most 15 bytes
//       80    8 Liste      short string, at most 7 bytes
//       88    8 Gespielt   IEEE double, the date-time double; 0 = never
//       96   16 reserved
//      112    4 Intro      signed 32-bit, ms
//      116    4 Outro      signed 32-bit, ms
//      120    8 reserved
//      128  256 Pfad       short string, at most 255 bytes
//
// Strings are UTF-8, cut at the last whole character that fits the byte limit.
//
// A decoded record keeps the 384 bytes it came from (`raw`). Encoding starts
// from those bytes and writes over them only what changed: a string field whose
// value is unchanged keeps all its bytes (also the unspecified bytes behind its
// length), reserved bytes are never touched. A string field that changes is
// written as length + bytes with zeros behind, as the scan writes new records.
// So a read-modify-write of one field leaves every other byte of the record as
// it was, whoever wrote it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::size_t kTitleRecordSize = 384;
using TitleRecordBytes = std::array<std::uint8_t, kTitleRecordSize>;

// Byte limits of the string fields (the field sizes minus the length byte).
inline constexpr std::size_t kInterpretMaxBytes = 31;
inline constexpr std::size_t kTitelMaxBytes = 31;
inline constexpr std::size_t kGenreMaxBytes = 15;
inline constexpr std::size_t kListeMaxBytes = 7;
inline constexpr std::size_t kPfadMaxBytes = 255;

struct TitleRecord {
    std::string Interpret;
    std::string Titel;
    std::string Genre;
    std::string Liste;
    double Gespielt = 0.0;
    std::int32_t Intro = 0;
    std::int32_t Outro = 0;
    std::string Pfad;
    // The bytes the record was decoded from; all zero for a new record.
    TitleRecordBytes raw{};
};

// Decodes 384 bytes. A length byte larger than its field's limit is read as
// the limit (the stored byte itself is kept in raw).
TitleRecord decodeTitleRecord(const std::uint8_t* bytes);

// Encodes into 384 bytes (see the header comment for what is carried over).
// Strings longer than their limit are cut at a whole character.
void encodeTitleRecord(const TitleRecord& record, std::uint8_t* bytes);
TitleRecordBytes encodeTitleRecord(const TitleRecord& record);

}  // namespace qb
