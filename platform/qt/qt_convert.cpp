#include "platform/qt/qt_convert.h"

#include <QKeyEvent>

namespace qb {

QFont toQFont(const Font& f) {
    QFont q(qs(f.name));
    q.setPixelSize(std::max(1, f.pixelHeight()));
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikeOut);
    return q;
}

Font fromQFont(const QFont& q, Color keepColor) {
    Font f;
    f.name = ss(q.family());
    if (q.pointSize() > 0) f.size = q.pointSize();
    else f.setPixelHeight(q.pixelSize());
    f.bold = q.bold();
    f.italic = q.italic();
    f.underline = q.underline();
    f.strikeOut = q.strikeOut();
    f.color = keepColor;
    return f;
}

int keyOf(const QKeyEvent& e) {
    const int k = e.key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return key::F1 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Backspace: return key::Back;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return key::Tab;
        case Qt::Key_Return:
        case Qt::Key_Enter: return key::Return;
        case Qt::Key_Shift: return key::Shift;
        case Qt::Key_Control: return key::Control;
        case Qt::Key_Alt: return key::Alt;
        case Qt::Key_Pause: return key::Pause;
        case Qt::Key_Escape: return key::Escape;
        case Qt::Key_Space: return key::Space;
        case Qt::Key_PageUp: return key::PageUp;
        case Qt::Key_PageDown: return key::PageDown;
        case Qt::Key_End: return key::End;
        case Qt::Key_Home: return key::Home;
        case Qt::Key_Left: return key::Left;
        case Qt::Key_Up: return key::Up;
        case Qt::Key_Right: return key::Right;
        case Qt::Key_Down: return key::Down;
        case Qt::Key_Insert: return key::Insert;
        case Qt::Key_Delete: return key::Delete;
        case Qt::Key_Plus: return (e.modifiers() & Qt::KeypadModifier) ? key::NumPlus : 0;
        case Qt::Key_Minus: return (e.modifiers() & Qt::KeypadModifier) ? key::NumMinus : 0;
        default: return 0;
    }
}

ShiftState shiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b) {
    ShiftState s = 0;
    if (m & Qt::ShiftModifier) s |= ssShift;
    if (m & Qt::ControlModifier) s |= ssCtrl;
    if (m & Qt::AltModifier) s |= ssAlt;
    if (b & Qt::LeftButton) s |= ssLeft;
    if (b & Qt::RightButton) s |= ssRight;
    if (b & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

}  // namespace qb
