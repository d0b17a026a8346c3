#pragma once
// Every control model at once, for form headers.

#include "platform/controls/bars.h"
#include "platform/controls/buttons.h"
#include "platform/controls/containers.h"
#include "platform/controls/control.h"
#include "platform/controls/dialogs.h"
#include "platform/controls/edits.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/lists.h"
#include "platform/controls/menus.h"
#include "platform/controls/ranges.h"
#include "platform/controls/timer.h"
