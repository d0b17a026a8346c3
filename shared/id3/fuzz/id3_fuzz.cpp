// libFuzzer target for the tag reader, the file-name rules and the search
// folding. The input is taken as the bytes of a whole file (its first 131072
// and last 128 bytes go to the tag reader) and as a file name and a title line.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shared/id3/fold_search_text.h"
#include "shared/id3/id3_reader.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

void checkFields(const qb::TitleInfo& info) {
    for (const std::string* f : {&info.Titel, &info.Interpret, &info.Album, &info.Jahr, &info.Kommentar,
                                 &info.Track, &info.Genre})
        check(f->size() <= qb::kTitleInfoMaxBytes);
    check(!info.Genre.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view asText(reinterpret_cast<const char*>(data), size);

    qb::TitleInfo info;
    qb::titleInfoFromFileName(asText, info);
    checkFields(info);
    check(info.Track == "1" && info.Genre == "Other");

    const std::size_t head = std::min(size, qb::kId3HeadBytes);
    qb::readId3Tags(data, head, size >= qb::kId3TailBytes ? data + size - qb::kId3TailBytes : nullptr, info);
    checkFields(info);

    const std::string key = qb::FoldSearchText(asText);
    check(!key.empty() && key.size() <= qb::kTitleInfoMaxBytes);
    check(key == "  " || std::all_of(key.begin(), key.end(), [](char c) {
              return c == '+' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
          }));
    return 0;
}
