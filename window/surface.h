#pragma once

// A Surface is a plain grid of 24-bit pixels, independent of any toolkit.
// Layout: width x height 32-bit words, top row first, each row left to right
// with no padding (stride = width). A word holds 0xFFRRGGBB, Qt's RGB32 order,
// so a canvas can show it without converting; the top byte is always 0xFF and
// is not alpha. The origin is the top-left pixel, x grows right, y down. Every
// write replaces the pixel; nothing blends.

#include "color/color_model.h"

#include <cstdint>
#include <vector>

namespace palette {

// Rows top <= y < bottom.
struct RowSpan {
    std::int32_t top = 0;
    std::int32_t bottom = 0;

    bool IsEmpty() const { return top >= bottom; }
};

class Surface {
public:
    Surface() = default;
    Surface(std::int32_t width, std::int32_t height, PackedRgb fill);

    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    bool Contains(std::int32_t x, std::int32_t y) const
    {
        return x >= 0 && y >= 0 && x < m_width && y < m_height;
    }

    // The pixel at (x, y), which must lie inside.
    PackedRgb Pixel(std::int32_t x, std::int32_t y) const;

    std::uint32_t* Row(std::int32_t y) { return m_words.data() + std::size_t(y) * std::size_t(m_width); }
    const std::uint32_t* Row(std::int32_t y) const { return m_words.data() + std::size_t(y) * std::size_t(m_width); }
    const std::uint32_t* Bits() const { return m_words.data(); }

    // The rows that drawing on a canvas may have changed since they were last
    // taken for showing; every row at first. Spans are clipped to the surface.
    void MarkRows(std::int64_t top, std::int64_t bottom);
    RowSpan TakeMarkedRows();

private:
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
    std::vector<std::uint32_t> m_words;
    RowSpan m_marked;
};

// Conversions between the colour word of the drawing operations and a stored pixel.
constexpr std::uint32_t ToPixelWord(PackedRgb c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr PackedRgb FromPixelWord(std::uint32_t w)
{
    return ((w >> 16) & 0xFFu) | (w & 0xFF00u) | ((w & 0xFFu) << 16);
}

} // namespace palette
