#pragma once
// The REGEDIT4 text of settings keys: parsing (tolerant) and writing (exact).
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Quillbrook\Orvelia]
//   "Top"=dword:00000000
//   "Musikordner"="/home/dj/Musik"
//   "Start"=hex:9a,99,99,99,59,2e,e6,40
//
// Strings are UTF-8 with \\ and \" escaped; a line break inside a string is
// written as \n (and \r), so that every value stays on one line.

#include <string>
#include <string_view>
#include <vector>

#include "platform/settings/settings_store.h"

namespace qb::reg {

struct Section {
    std::string key;  // without the "HKEY_CURRENT_USER\" prefix
    RegValues values;
};

// Every section of the text with the values that could be read. Lines end in
// LF or CR LF; a UTF-8 byte-order mark, unknown lines, malformed values and
// deletion entries are skipped (a dword needs its 8 hex digits, so a cut-off
// one is not misread). Long hex values may continue on the next line
// after a trailing backslash. A value named twice keeps its last entry.
std::vector<Section> parse(std::string_view text);

// The file text: "REGEDIT4", a blank line, then each section with its values
// in name order, sections separated by a blank line; lines end in LF.
std::string format(const std::vector<Section>& sections);

// Registry key and value names compare without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);

// Set values into target. A value whose name matches an existing one except
// for case replaces it (the new spelling is kept), so no name appears twice.
void merge(RegValues& target, const RegValues& values);

// The value named name: exact spelling first, else one differing in case only.
const RegValue* find(const RegValues& values, std::string_view name);

}  // namespace qb::reg
