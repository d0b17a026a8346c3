#pragma once
// Decode a sound file by its content (not its name): RIFF WAVE, else MPEG audio.

#include "platform/audio/pcm.h"

#include <string>

namespace qb {

// False (and out empty) when the file cannot be opened or decoded, or holds
// no frame at all.
bool decodeFile(const std::string& path, Pcm& out);

}  // namespace qb
