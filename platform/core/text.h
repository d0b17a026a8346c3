#pragma once
// Text rules of the suite. File names and text files are UTF-8, which plays the
// part of a single-byte code page: rules about characters act on characters;
// byte limits of binary layouts are byte limits, and text is cut at the last
// whole character that fits, never inside one. ID3v1 fields are ISO-8859-1.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qb::text {

// The longest prefix of s of at most maxBytes bytes that ends on a whole UTF-8
// character. Invalid bytes count as one character each.
std::string_view cutUtf8(std::string_view s, std::size_t maxBytes);

// Number of characters (code points; an invalid byte counts as one).
std::size_t charCount(std::string_view s);

// The first n characters (or all when shorter).
std::string_view leftChars(std::string_view s, std::size_t n);

// Split into characters: each element is the bytes of one character.
std::vector<std::string_view> chars(std::string_view s);

// ISO-8859-1 bytes to UTF-8 and back; characters outside Latin-1 become '?'.
std::string latin1ToUtf8(std::string_view latin1);
std::string utf8ToLatin1(std::string_view utf8);

// Upper case of Latin-1 letters and ASCII, acting on characters ("ä" -> "Ä";
// "ß" and "ÿ" stay as they are). Other characters pass unchanged.
std::string upperLatin(std::string_view utf8);

// Case-insensitive "less" as the list boxes and the list-file order use it:
// compares upperLatin() of both texts byte by byte.
bool lessNoCase(std::string_view a, std::string_view b);

// Lines of a text file: split at CR LF, LF or CR; a last empty line after a
// final line break is not returned.
std::vector<std::string> splitLines(std::string_view content);

// Read a whole file; false when it cannot be opened.
bool readFile(const std::string& path, std::string& out);

// Write lines ended by CR LF (no byte-order mark); false on any error.
bool writeCrLfLines(const std::string& path, const std::vector<std::string>& lines);

// Append one line ended by CR LF; false when the file cannot be opened.
bool appendCrLfLine(const std::string& path, std::string_view line);

}  // namespace qb::text
