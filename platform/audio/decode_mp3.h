#pragma once
// MPEG audio files (layer 3, also 1 and 2) through libmpg123. The whole file
// is scanned first, so the length is exact also for variable bit rate files
// without a header that tells it; encoder delay and padding recorded by the
// encoder are removed (gapless), so a file made from a WAV has the WAV's
// length to the frame. Mono files become two equal channels.

#include "platform/audio/pcm.h"

#include <string>

namespace qb {

// Decode into out; false when no MPEG audio frame can be decoded. A file cut
// short or damaged gives the frames that decode.
bool decodeMp3(const std::string& path, Pcm& out);

}  // namespace qb
