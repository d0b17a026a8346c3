#include "tonello/library/title_record.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/core/text.h"

namespace qb {

namespace {

struct StringField {
    std::string TitleRecord::*member;
    std::size_t offset;
    std::size_t maxBytes;
};

constexpr StringField kStringFields[] = {
    {&TitleRecord::Interpret, 0, kInterpretMaxBytes},
    {&TitleRecord::Titel, 32, kTitelMaxBytes},
    {&TitleRecord::Genre, 64, kGenreMaxBytes},
    {&TitleRecord::Liste, 80, kListeMaxBytes},
    {&TitleRecord::Pfad, 128, kPfadMaxBytes},
};

constexpr std::size_t kGespieltOffset = 88;
constexpr std::size_t kIntroOffset = 112;
constexpr std::size_t kOutroOffset = 116;

std::string_view shortString(const std::uint8_t* bytes, const StringField& f) {
    const std::size_t len = std::min<std::size_t>(bytes[f.offset], f.maxBytes);
    return {reinterpret_cast<const char*>(bytes + f.offset + 1), len};
}

void putShortString(std::uint8_t* bytes, const StringField& f, std::string_view value) {
    std::uint8_t* field = bytes + f.offset;
    std::memset(field, 0, f.maxBytes + 1);
    field[0] = static_cast<std::uint8_t>(value.size());
    std::memcpy(field + 1, value.data(), value.size());
}

std::uint64_t getLe(const std::uint8_t* p, int n) {
    std::uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

void putLe(std::uint8_t* p, std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

TitleRecord decodeTitleRecord(const std::uint8_t* bytes) {
    TitleRecord r;
    std::memcpy(r.raw.data(), bytes, kTitleRecordSize);
    for (const StringField& f : kStringFields) r.*f.member = std::string(shortString(bytes, f));
    r.Gespielt = std::bit_cast<double>(getLe(bytes + kGespieltOffset, 8));
    r.Intro = static_cast<std::int32_t>(static_cast<std::uint32_t>(getLe(bytes + kIntroOffset, 4)));
    r.Outro = static_cast<std::int32_t>(static_cast<std::uint32_t>(getLe(bytes + kOutroOffset, 4)));
    return r;
}

void encodeTitleRecord(const TitleRecord& record, std::uint8_t* bytes) {
    std::memcpy(bytes, record.raw.data(), kTitleRecordSize);
    for (const StringField& f : kStringFields) {
        const std::string_view value = text::cutUtf8(record.*f.member, f.maxBytes);
        if (value != shortString(bytes, f)) putShortString(bytes, f, value);
    }
    putLe(bytes + kGespieltOffset, std::bit_cast<std::uint64_t>(record.Gespielt), 8);
    putLe(bytes + kIntroOffset, static_cast<std::uint32_t>(record.Intro), 4);
    putLe(bytes + kOutroOffset, static_cast<std::uint32_t>(record.Outro), 4);
}

TitleRecordBytes encodeTitleRecord(const TitleRecord& record) {
    TitleRecordBytes out{};
    encodeTitleRecord(record, out.data());
    return out;
}

}  // namespace qb
