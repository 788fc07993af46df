#include "window/surface.h"

namespace palette {

Surface::Surface(std::int32_t width, std::int32_t height, PackedRgb fill)
    : m_width(width > 0 ? width : 0)
    , m_height(height > 0 ? height : 0)
    , m_words(std::size_t(m_width) * std::size_t(m_height), ToPixelWord(fill))
{
}

PackedRgb Surface::Pixel(std::int32_t x, std::int32_t y) const
{
    return FromPixelWord(Row(y)[x]);
}

} // namespace palette
