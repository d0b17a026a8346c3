#pragma once
// Record operations on one list file: a plain sequence of 384-byte TitleRecords
// with no header. Every operation opens the file, does its work and closes it
// again, so that Tonello and Tonello_Preview can both rewrite records of the
// same file between events. Failures (missing file, short read or write) are
// reported by the return value.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tonello/library/title_record.h"

namespace qb {

// Number of whole records (size / 384; a partial record at the end does not
// count). nullopt when the file cannot be examined.
std::optional<std::uint64_t> listFileRecordCount(const std::string& path);

// Creates the file with no records (an existing one is emptied).
bool createEmptyListFile(const std::string& path);

// Writes the record at the position of the file's record count. The file must
// exist; a partial record at its end is overwritten, so the file stays a whole
// number of records.
bool appendTitleRecord(const std::string& path, const TitleRecord& record);

// Record k (0-based, at byte k * 384); nullopt when the file cannot be opened
// or holds no whole record k.
std::optional<TitleRecord> readTitleRecord(const std::string& path, std::uint64_t k);

// Reads record k, lets `change` alter fields and writes the whole 384 bytes back
// in place; every byte that `change` does not alter stays as it was.
bool rewriteTitleRecord(const std::string& path, std::uint64_t k,
                        const std::function<void(TitleRecord&)>& change);

// All whole records of the file in order (replaces `out`); false when the file
// cannot be opened or read, in which case `out` is left unchanged.
bool readAllTitleRecords(const std::string& path, std::vector<TitleRecord>& out);

}  // namespace qb
