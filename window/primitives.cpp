#include "window/primitives.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace palette::raster {

PixelRect PixelRect::Intersected(const PixelRect& other) const
{
    return {std::max(left, other.left), std::max(top, other.top),
            std::min(right, other.right), std::min(bottom, other.bottom)};
}

PixelRect Bounds(const Surface& surface)
{
    return {0, 0, surface.Width(), surface.Height()};
}

void FillRect(Surface& surface, const PixelRect& rect, std::uint32_t word)
{
    const PixelRect clip = rect.Intersected(Bounds(surface));
    if (clip.IsEmpty())
        return;
    const auto count = std::size_t(clip.right - clip.left);
    for (auto y = clip.top; y < clip.bottom; ++y)
        std::fill_n(surface.Row(std::int32_t(y)) + clip.left, count, word);
}

RowSpan CopySurface(Surface& target, const Surface& source, std::int64_t x, std::int64_t y)
{
    if (&target == &source) {
        // Overlapping rows would read pixels already overwritten.
        const Surface snapshot = source;
        return CopySurface(target, snapshot, x, y);
    }
    const PixelRect placed{x, y, x + source.Width(), y + source.Height()};
    const PixelRect clip = placed.Intersected(Bounds(target));
    if (clip.IsEmpty())
        return {};
    RowSpan changed;
    const auto bytes = std::size_t(clip.right - clip.left) * sizeof(std::uint32_t);
    for (auto ty = clip.top; ty < clip.bottom; ++ty) {
        std::uint32_t* to = target.Row(std::int32_t(ty)) + clip.left;
        const std::uint32_t* from = source.Row(std::int32_t(ty - y)) + (clip.left - x);
        // A canvas redrawn from the same image differs in a few rows only: leave the rest untouched.
        if (std::memcmp(to, from, bytes) == 0)
            continue;
        std::memcpy(to, from, bytes);
        if (changed.IsEmpty())
            changed.top = std::int32_t(ty);
        changed.bottom = std::int32_t(ty) + 1;
    }
    return changed;
}

namespace {

// round(i * minor / major), halves away from the start, without overflowing
// 64 bits: i <= major < 2^32 and minor <= major.
std::uint64_t MinorOffset(std::uint64_t i, std::uint64_t minor, std::uint64_t major)
{
    const std::uint64_t product = i * minor;
    return product / major + (2 * (product % major) >= major ? 1 : 0);
}

std::int64_t Sign(std::int64_t v) { return v < 0 ? -1 : 1; }

// Steps along the longer axis; only the steps whose major coordinate lies on
// the surface are visited, so the loop never outgrows the surface.
void DrawSlopedLine(Surface& surface, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                    std::uint32_t word)
{
    const bool xMajor = std::abs(x2 - x1) >= std::abs(y2 - y1);
    const std::int64_t m1 = xMajor ? x1 : y1;
    const std::int64_t n1 = xMajor ? y1 : x1;
    const std::int64_t majorDelta = xMajor ? x2 - x1 : y2 - y1;
    const std::int64_t minorDelta = xMajor ? y2 - y1 : x2 - x1;
    const std::int64_t majorLimit = xMajor ? surface.Width() : surface.Height();
    const std::int64_t minorLimit = xMajor ? surface.Height() : surface.Width();

    const std::int64_t steps = std::abs(majorDelta);
    const std::int64_t majorSign = Sign(majorDelta);
    const std::int64_t minorSign = Sign(minorDelta);
    const std::int64_t first = majorSign > 0 ? std::max<std::int64_t>(0, -m1) : std::max<std::int64_t>(0, m1 - (majorLimit - 1));
    const std::int64_t last = majorSign > 0 ? std::min(steps, majorLimit - 1 - m1) : std::min(steps, m1);

    for (auto i = first; i <= last; ++i) {
        const auto offset = std::int64_t(MinorOffset(std::uint64_t(i), std::uint64_t(std::abs(minorDelta)), std::uint64_t(steps)));
        const std::int64_t m = m1 + majorSign * i;
        const std::int64_t n = n1 + minorSign * offset;
        if (n < 0 || n >= minorLimit)
            continue;
        if (xMajor)
            surface.Row(std::int32_t(n))[m] = word;
        else
            surface.Row(std::int32_t(m))[n] = word;
    }
}

} // namespace

void DrawLine(Surface& surface, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
              std::uint32_t word)
{
    if (y1 == y2) {
        FillRect(surface, {std::min(x1, x2), y1, std::max(x1, x2) + 1, y1 + 1}, word);
        return;
    }
    if (x1 == x2) {
        FillRect(surface, {x1, std::min(y1, y2), x1 + 1, std::max(y1, y2) + 1}, word);
        return;
    }
    DrawSlopedLine(surface, x1, y1, x2, y2, word);
}

namespace {

// Scanline fill: each popped seed grows into its whole run on the row, and
// the rows above and below get one seed per run of fillable pixels touching
// it. Only pixels directly above or below a run count, so the region never
// joins diagonally. The visited mask keeps the fill finite when `fill`
// equals `border` or the region's own colour.
class RegionFill {
public:
    RegionFill(Surface& surface, std::uint32_t border, std::uint32_t fill)
        : m_surface(surface)
        , m_border(border)
        , m_fill(fill)
        , m_visited(std::size_t(surface.Width()) * std::size_t(surface.Height()), 0)
    {
    }

    void Run(std::int32_t x, std::int32_t y)
    {
        m_seeds.push_back({x, y});
        while (!m_seeds.empty()) {
            const Seed seed = m_seeds.back();
            m_seeds.pop_back();
            if (Fillable(seed.x, seed.y))
                FillRun(seed.x, seed.y);
        }
    }

private:
    struct Seed {
        std::int32_t x;
        std::int32_t y;
    };

    bool Fillable(std::int32_t x, std::int32_t y) const
    {
        return !m_visited[Index(x, y)] && m_surface.Row(y)[x] != m_border;
    }

    std::size_t Index(std::int32_t x, std::int32_t y) const
    {
        return std::size_t(y) * std::size_t(m_surface.Width()) + std::size_t(x);
    }

    void FillRun(std::int32_t x, std::int32_t y)
    {
        std::int32_t left = x;
        while (left > 0 && Fillable(left - 1, y))
            --left;
        std::int32_t right = x;
        while (right + 1 < m_surface.Width() && Fillable(right + 1, y))
            ++right;

        std::uint32_t* row = m_surface.Row(y);
        for (std::int32_t i = left; i <= right; ++i) {
            m_visited[Index(i, y)] = 1;
            row[i] = m_fill;
        }
        if (y > 0)
            SeedRuns(left, right, y - 1);
        if (y + 1 < m_surface.Height())
            SeedRuns(left, right, y + 1);
    }

    void SeedRuns(std::int32_t left, std::int32_t right, std::int32_t y)
    {
        bool inRun = false;
        for (std::int32_t i = left; i <= right; ++i) {
            const bool fillable = Fillable(i, y);
            if (fillable && !inRun)
                m_seeds.push_back({i, y});
            inRun = fillable;
        }
    }

    Surface& m_surface;
    std::uint32_t m_border;
    std::uint32_t m_fill;
    std::vector<std::uint8_t> m_visited;
    std::vector<Seed> m_seeds;
};

} // namespace

void FloodFill(Surface& surface, std::int64_t x, std::int64_t y, std::uint32_t border, std::uint32_t fill)
{
    if (x < 0 || y < 0 || x >= surface.Width() || y >= surface.Height())
        return;
    if (surface.Row(std::int32_t(y))[x] == border)
        return;
    RegionFill(surface, border, fill).Run(std::int32_t(x), std::int32_t(y));
}

} // namespace palette::raster
