#pragma once
// Conversions between the control models' values and Qt's.

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "platform/controls/color.h"
#include "platform/controls/font.h"
#include "platform/controls/keys.h"

class QKeyEvent;

namespace qb {

inline QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string ss(const QString& s) { return s.toUtf8().toStdString(); }

inline QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline Color fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

QFont toQFont(const Font& f);
// The colour is not part of a QFont: it is taken from keepColor.
Font fromQFont(const QFont& f, Color keepColor);

// The key code of a key event (0 for keys without one) and the shift state of
// its modifiers.
int keyOf(const QKeyEvent& e);
ShiftState shiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons b = Qt::NoButton);

}  // namespace qb
