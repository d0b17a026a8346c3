#include <gtest/gtest.h>

#include <cstring>

#include "platform/controls/image.h"

using namespace qb;

namespace {

// The picture as rows of characters: '.' for white, '#' for the pen, 'o' for the brush.
std::vector<std::string> art(const Bitmap& b, Color pen, Color brush) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.height(); ++y) {
        std::string r;
        for (int x = 0; x < b.width(); ++x) {
            const Color c = b.pixel(x, y);
            r += c == pen ? '#' : c == brush ? 'o' : c == clWhite ? '.' : '?';
        }
        rows.push_back(r);
    }
    return rows;
}

}  // namespace

TEST(Bitmap, PixelsAreBlueGreenRedZeroInMemory) {
    Bitmap b(2, 1, clBlack);
    b.setPixel(1, 0, rgb(0x11, 0x22, 0x33));
    unsigned char bytes[8];
    std::memcpy(bytes, b.pixels().data(), 8);
    EXPECT_EQ(bytes[4], 0x33);  // blue
    EXPECT_EQ(bytes[5], 0x22);  // green
    EXPECT_EQ(bytes[6], 0x11);  // red
    EXPECT_EQ(bytes[7], 0x00);
    EXPECT_EQ(b.pixel(1, 0), rgb(0x11, 0x22, 0x33));
    EXPECT_EQ(b.pixel(5, 0), clBlack);  // outside
    b.setPixel(-1, 0, clRed);           // outside: nothing
    b.setSize(3, 2, clWhite);
    EXPECT_EQ(b.pixel(1, 0), rgb(0x11, 0x22, 0x33));
    EXPECT_EQ(b.pixel(2, 1), clWhite);
}

TEST(Canvas, RectangleLeavesOutRightAndBottomEdges) {
    Bitmap b(7, 5, clWhite);
    Canvas c(b);
    c.pen.color = clBlack;
    c.brush.color = clRed;
    c.rectangle(1, 1, 6, 5);
    EXPECT_EQ(art(b, clBlack, clRed), (std::vector<std::string>{".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####."}));
    c.brush.style = BrushStyle::Clear;
    c.brush.color = clBlue;
    c.fillRect(0, 0, 7, 5);  // a clear brush fills nothing
    EXPECT_EQ(b.pixel(0, 0), clWhite);
}

TEST(Canvas, LinesLeaveOutTheirEndPointAndClip) {
    Bitmap b(5, 5, clWhite);
    Canvas c(b);
    c.pen.color = clBlack;
    c.moveTo(0, 0);
    c.lineTo(4, 4);
    c.moveTo(-3, 4);
    c.lineTo(8, 4);
    EXPECT_EQ(art(b, clBlack, clRed), (std::vector<std::string>{"#....", ".#...", "..#..", "...#.", "#####"}));
    EXPECT_EQ(c.penX(), 8);
}

TEST(Canvas, EllipseStaysInsideItsBoxAndIsSymmetric) {
    Bitmap b(9, 7, clWhite);
    Canvas c(b);
    c.pen.color = clBlack;
    c.brush.color = clRed;
    c.ellipse(0, 0, 9, 7);
    const auto rows = art(b, clBlack, clRed);
    for (int y = 0; y < 7; ++y) {
        std::string rev(rows[static_cast<std::size_t>(y)].rbegin(), rows[static_cast<std::size_t>(y)].rend());
        EXPECT_EQ(rows[static_cast<std::size_t>(y)], rev) << y;
        EXPECT_EQ(rows[static_cast<std::size_t>(y)], rows[static_cast<std::size_t>(6 - y)]);
    }
    EXPECT_EQ(rows[3], "#ooooooo#");
    EXPECT_EQ(rows[0][0], '.');
    EXPECT_EQ(rows[0][4], '#');
}
