#include "window/surface_changes.h"

#include <algorithm>
#include <cstring>

namespace palette {

PixelRect TakeChanges(const Surface& drawn, Surface& shown, RowSpan rows)
{
    const std::int32_t width = drawn.Width();
    std::int32_t left = width, right = -1, top = -1, bottom = -1;
    for (std::int32_t y = std::max(rows.top, 0); y < std::min(rows.bottom, drawn.Height()); ++y) {
        const std::uint32_t* from = drawn.Row(y);
        std::uint32_t* to = shown.Row(y);
        if (std::memcmp(from, to, std::size_t(width) * sizeof *from) == 0)
            continue;
        std::int32_t first = 0;
        while (from[first] == to[first])
            ++first;
        std::int32_t last = width - 1;
        while (from[last] == to[last])
            --last;
        std::copy(from + first, from + last + 1, to + first);
        left = std::min(left, first);
        right = std::max(right, last);
        if (top < 0)
            top = y;
        bottom = y;
    }
    if (top < 0)
        return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

} // namespace palette
