#pragma once
// Pictures: a 32-bit pixel buffer, a canvas that draws on it, and the image
// control that shows it.
//
// A pixel is a 32-bit word 0x00RRGGBB: in memory the bytes blue, green, red
// and 0, the row layout of 32-bit bitmap files (rows top-down here). The
// canvas takes Color values (0x00BBGGRR) and converts.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/control.h"

namespace qb {

constexpr std::uint32_t pixelOf(Color c) {
    return static_cast<std::uint32_t>((redOf(c) << 16) | (greenOf(c) << 8) | blueOf(c));
}
constexpr Color colorOfPixel(std::uint32_t p) {
    return rgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
               static_cast<int>(p & 0xFF));
}

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Color fill = clWhite);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    // Resize, keeping the overlapping pixels; new pixels are fill.
    void setSize(int width, int height, Color fill = clWhite);

    std::uint32_t* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
    const std::uint32_t* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
    std::vector<std::uint32_t>& pixels() { return pixels_; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    // Outside the bitmap: pixel() gives clBlack, setPixel() does nothing.
    Color pixel(int x, int y) const;
    void setPixel(int x, int y, Color c);

private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

enum class BrushStyle { Solid, Clear };

// Drawing on a bitmap. Coordinates as on screen: (0,0) top left. Rectangles
// and ellipses take (x1, y1, x2, y2) with the right and bottom edges
// excluded; lines exclude their end point. Everything is clipped.
class Canvas {
public:
    explicit Canvas(Bitmap& target) : bmp_(&target) {}

    struct Pen {
        Color color = clBlack;
        int width = 1;
    } pen;
    struct Brush {
        Color color = clWhite;
        BrushStyle style = BrushStyle::Solid;
    } brush;

    void moveTo(int x, int y) { penX_ = x; penY_ = y; }
    void lineTo(int x, int y);
    int penX() const { return penX_; }
    int penY() const { return penY_; }
    // Outline with the pen, inside with the brush (unless clear).
    void rectangle(int x1, int y1, int x2, int y2);
    // Inside with the brush only.
    void fillRect(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    Color pixel(int x, int y) const { return bmp_->pixel(x, y); }
    void setPixel(int x, int y, Color c) { bmp_->setPixel(x, y, c); }

private:
    void plot(int x, int y);  // a dot of the pen's width
    Bitmap* bmp_;
    int penX_ = 0, penY_ = 0;
};

// The image control. Draw on canvas() (or change bitmap()), then call
// changedPicture() so that the view shows the new pixels.
class Image : public Control {
public:
    Image(Control* parent, std::string name);
    ControlKind kind() const override { return ControlKind::Image; }

    Bitmap& bitmap() { return bitmap_; }
    const Bitmap& bitmap() const { return bitmap_; }
    void setBitmap(Bitmap b);
    Canvas& canvas() { return canvas_; }
    void changedPicture() { changed(change::Pixels); }

    bool stretch() const { return stretch_; }
    void setStretch(bool s);
    bool proportional() const { return proportional_; }
    void setProportional(bool p);
    bool center() const { return center_; }
    void setCenter(bool c);

private:
    Bitmap bitmap_;
    Canvas canvas_{bitmap_};
    bool stretch_ = false;
    bool proportional_ = false;
    bool center_ = false;
};

}  // namespace qb
