#pragma once
// Colours of controls: 0x00BBGGRR, red in the low byte, as the suite's forms
// and the colour dialog exchange them. The named system colours are fixed
// values, so that every machine and every test shows the same.

#include <cstdint>

namespace qb {

using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Color clBlack = rgb(0, 0, 0);
constexpr Color clWhite = rgb(255, 255, 255);
constexpr Color clRed = rgb(255, 0, 0);
constexpr Color clLime = rgb(0, 255, 0);
constexpr Color clGreen = rgb(0, 128, 0);
constexpr Color clBlue = rgb(0, 0, 255);
constexpr Color clNavy = rgb(0, 0, 128);
constexpr Color clMaroon = rgb(128, 0, 0);
constexpr Color clYellow = rgb(255, 255, 0);
constexpr Color clOlive = rgb(128, 128, 0);
constexpr Color clAqua = rgb(0, 255, 255);
constexpr Color clTeal = rgb(0, 128, 128);
constexpr Color clFuchsia = rgb(255, 0, 255);
constexpr Color clPurple = rgb(128, 0, 128);
constexpr Color clGray = rgb(128, 128, 128);
constexpr Color clSilver = rgb(192, 192, 192);
// The system colours (fixed).
constexpr Color clBtnFace = rgb(240, 240, 240);
constexpr Color clWindow = rgb(255, 255, 255);
constexpr Color clWindowText = rgb(0, 0, 0);
constexpr Color clAppWorkSpace = rgb(171, 171, 171);
constexpr Color clHighlight = rgb(0, 120, 215);
constexpr Color clHighlightText = rgb(255, 255, 255);
constexpr Color clInfoBk = rgb(255, 255, 225);
// "No colour": a list item or line with it uses the control's colours.
constexpr Color clNone = 0x1FFFFFFF;

}  // namespace qb
