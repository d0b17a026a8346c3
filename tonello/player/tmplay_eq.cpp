// The equalizer's part of the main window: the bands laid on each title as it
// starts.
#include "tonello/player/tmplay_form.h"

namespace qb::tonello {

void TMPlayForm::seteq(StreamHandle /*stream*/) {
    // The equalizer window's bands come with the equalizer work.
}

}  // namespace qb::tonello
