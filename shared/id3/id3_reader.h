#pragma once
// ReadId3: the title texts of a music file, first from its file name, then, for
// ".mp3" files, from its ID3 tag. The reader is deliberately small: it reads
// the first 131072 and the last 128 bytes of a file, prefers an ID3v1 tag over
// an ID3v2 tag, and of an ID3v2 tag sees only the frames that begin within the
// first 240 bytes after its header, with the lowest byte of each frame size.
// The list files store what it returns, so these limits are its behaviour.
//
// The file layer is thin: readId3Tags() does the tag work on bytes in memory.
// The reader keeps its read buffer in static storage (no allocation per call);
// like the rest of the suite it runs on one thread.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/id3/title_info.h"

namespace qb {

inline constexpr std::size_t kId3HeadBytes = 131072;
inline constexpr std::size_t kId3TailBytes = 128;

// Overwrites every field of `info`. A file that cannot be opened, is shorter
// than 128 bytes or carries no tag gives the values of its file name.
void ReadId3(const std::string& path, TitleInfo& info);
TitleInfo ReadId3(const std::string& path);

// The values a file name gives: every field cleared, then the name without its
// last 4 characters, without a leading "NN_", "_" turned into blanks, split at
// the first " - " into Interpret and Titel; Track "1", Genre "Other".
void titleInfoFromFileName(std::string_view fileName, TitleInfo& info);

// The tag part of ReadId3 for a file that could be opened: `head` holds the
// first headSize bytes of the file (bytes behind them count as zero), `tail`
// the last 128 bytes, or nullptr when the file is shorter than that. Reads an
// ID3v1 tag, else ID3v2 frames, over the fields from the file name, then
// blanks every non-digit among the first 4 characters of Jahr and the first 2
// of Track.
void readId3Tags(const std::uint8_t* head, std::size_t headSize, const std::uint8_t* tail, TitleInfo& info);

}  // namespace qb
