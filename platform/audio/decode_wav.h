#pragma once
// RIFF WAVE files: integer PCM of 8, 16, 24 or 32 bits and 32-bit float, mono
// or stereo (of more channels the first two are kept), any sample rate.
//
// Chunk sizes are not trusted: a data chunk that claims more than the file
// holds gives the whole frames that are really there; a size of 0 or
// 0xFFFFFFFF (left by a writer that never finished) means "to the end of the
// file".

#include "platform/audio/pcm.h"

#include <string>

namespace qb {

// True when the first bytes are those of a RIFF WAVE file.
bool looksLikeWav(const unsigned char* head, std::size_t n);

// Decode into out; false when the file is no WAVE file this reader knows or
// holds no whole frame.
bool decodeWav(const std::string& path, Pcm& out);

}  // namespace qb
