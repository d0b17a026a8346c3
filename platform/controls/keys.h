#pragma once
// Key codes, shift states, mouse buttons and menu shortcuts of the control
// models. Key codes are the classic virtual-key numbers: letters and digits are
// their upper-case ASCII codes ('A' = 65, '0' = 48), the rest as below.

#include <string>
#include <string_view>

namespace qb {

namespace key {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Alt = 18, Pause = 19,
              Escape = 27, Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36,
              Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
              NumPlus = 107, NumMinus = 109, F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116,
              F6 = 117, F7 = 118, F8 = 119, F9 = 120, F10 = 121, F11 = 122, F12 = 123;
}

// Shift state: a set of these bits.
using ShiftState = unsigned;
constexpr ShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                     ssDouble = 64;

enum class MouseButton { Left, Right, Middle };

// A menu shortcut: a key with Shift, Ctrl and Alt (other bits are ignored).
struct ShortCut {
    int key = 0;  // 0: none
    ShiftState shift = 0;
    bool empty() const { return key == 0; }
    bool operator==(const ShortCut&) const = default;
};

// "Ctrl+N", "Alt+X", "Ctrl+Ins", "Ctrl+Insert", "Ctrl+F10", "Shift+Ctrl+Del",
// "Enter", "Esc", "Space", "PgUp", ... ; an empty or unknown text gives none.
ShortCut parseShortCut(std::string_view text);
// The canonical text: "Ctrl+N", "Alt+X", "Ctrl+Ins", "Ctrl+Del", "Ctrl+F10".
std::string shortCutText(ShortCut sc);
// Only the Shift, Ctrl and Alt bits of a shift state.
constexpr ShiftState modifierBits(ShiftState s) { return s & (ssShift | ssAlt | ssCtrl); }

// The accelerator of a caption: the character after a single '&', upper case
// ASCII key code, or 0 ("&&" is a literal ampersand). "Ö&ffnen" gives 'F'.
int acceleratorKey(std::string_view caption);
// The caption without its '&' marks ("&&" becomes "&").
std::string stripAccelerator(std::string_view caption);

}  // namespace qb
