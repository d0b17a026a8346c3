#include "platform/controls/image.h"

#include <algorithm>
#include <cstdlib>

namespace qb {

// ---- Bitmap ----

Bitmap::Bitmap(int width, int height, Color fill) { setSize(width, height, fill); }

void Bitmap::setSize(int width, int height, Color fill) {
    width = std::max(0, width);
    height = std::max(0, height);
    std::vector<std::uint32_t> p(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), pixelOf(fill));
    const int w = std::min(width, width_), h = std::min(height, height_);
    for (int y = 0; y < h; ++y)
        std::copy_n(row(y), w, p.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width));
    pixels_ = std::move(p);
    width_ = width;
    height_ = height;
}

Color Bitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
    return colorOfPixel(row(y)[x]);
}

void Bitmap::setPixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    row(y)[x] = pixelOf(c);
}

// ---- Canvas ----

void Canvas::plot(int x, int y) {
    const int w = std::max(1, pen.width);
    const int x0 = x - (w - 1) / 2, y0 = y - (w - 1) / 2;
    for (int dy = 0; dy < w; ++dy)
        for (int dx = 0; dx < w; ++dx) bmp_->setPixel(x0 + dx, y0 + dy, pen.color);
}

void Canvas::lineTo(int x, int y) {
    // Bresenham from the pen position to (x, y), the end point left out.
    int x0 = penX_, y0 = penY_;
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        plot(x0, y0);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    penX_ = x;
    penY_ = y;
}

static void normalise(int& x1, int& y1, int& x2, int& y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
}

void Canvas::fillRect(int x1, int y1, int x2, int y2) {
    if (brush.style == BrushStyle::Clear) return;
    normalise(x1, y1, x2, y2);
    x1 = std::max(0, x1);
    y1 = std::max(0, y1);
    x2 = std::min(bmp_->width(), x2);
    y2 = std::min(bmp_->height(), y2);
    const std::uint32_t p = pixelOf(brush.color);
    for (int y = y1; y < y2; ++y) std::fill(bmp_->row(y) + x1, bmp_->row(y) + std::max(x1, x2), p);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    normalise(x1, y1, x2, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    fillRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
    for (int x = x1; x < x2; ++x) {
        plot(x, y1);
        plot(x, y2 - 1);
    }
    for (int y = y1; y < y2; ++y) {
        plot(x1, y);
        plot(x2 - 1, y);
    }
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    normalise(x1, y1, x2, y2);
    const double a = (x2 - x1) / 2.0, b = (y2 - y1) / 2.0;
    if (a <= 0 || b <= 0) return;
    const double cx = x1 + a, cy = y1 + b;
    auto inside = [&](int x, int y) {
        if (x < x1 || x >= x2 || y < y1 || y >= y2) return false;
        const double u = (x + 0.5 - cx) / a, v = (y + 0.5 - cy) / b;
        return u * u + v * v <= 1.0;
    };
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x) {
            if (!inside(x, y)) continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (edge) plot(x, y);
            else if (brush.style == BrushStyle::Solid) bmp_->setPixel(x, y, brush.color);
        }
}

// ---- Image ----

Image::Image(Control* parent, std::string name) : Control(parent, std::move(name)) { setBounds(0, 0, 105, 105); }

void Image::setBitmap(Bitmap b) {
    bitmap_ = std::move(b);
    changed(change::Pixels);
}

void Image::setStretch(bool s) {
    if (s == stretch_) return;
    stretch_ = s;
    changed(change::Options);
}

void Image::setProportional(bool p) {
    if (p == proportional_) return;
    proportional_ = p;
    changed(change::Options);
}

void Image::setCenter(bool c) {
    if (c == center_) return;
    center_ = c;
    changed(change::Options);
}

}  // namespace qb
