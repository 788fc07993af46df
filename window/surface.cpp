#include "window/surface.h"

#include <algorithm>
#include <utility>

namespace palette {

Surface::Surface(std::int32_t width, std::int32_t height, PackedRgb fill)
    : m_width(width > 0 ? width : 0)
    , m_height(height > 0 ? height : 0)
    , m_words(std::size_t(m_width) * std::size_t(m_height), ToPixelWord(fill))
    , m_marked{0, m_height}
{
}

PackedRgb Surface::Pixel(std::int32_t x, std::int32_t y) const
{
    return FromPixelWord(Row(y)[x]);
}

void Surface::MarkRows(std::int64_t top, std::int64_t bottom)
{
    top = std::max<std::int64_t>(top, 0);
    bottom = std::min<std::int64_t>(bottom, m_height);
    if (top >= bottom)
        return;
    if (m_marked.IsEmpty()) {
        m_marked = {std::int32_t(top), std::int32_t(bottom)};
        return;
    }
    m_marked.top = std::min(m_marked.top, std::int32_t(top));
    m_marked.bottom = std::max(m_marked.bottom, std::int32_t(bottom));
}

RowSpan Surface::TakeMarkedRows()
{
    return std::exchange(m_marked, RowSpan{});
}

} // namespace palette
