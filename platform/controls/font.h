#pragma once
// The font of a control. The size is in points at 96 dots per inch (the unit
// the font commands step by); pixelHeight() is what is drawn.

#include <string>

#include "platform/controls/color.h"

namespace qb {

struct Font {
    std::string name = "Arial";
    int size = 9;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Color color = clWindowText;

    int pixelHeight() const { return (size * 96 + 36) / 72; }
    void setPixelHeight(int px) { size = (px * 72 + 48) / 96; }

    // A font given by its pixel height, e.g. fromPixels("Arial", 13, true).
    static Font fromPixels(std::string fontName, int px, bool isBold = false) {
        Font f;
        f.name = std::move(fontName);
        f.setPixelHeight(px);
        f.bold = isBold;
        return f;
    }

    bool operator==(const Font&) const = default;
};

}  // namespace qb
