#include "color/color_model.h"

#include <algorithm>
#include <cmath>

// Each operation is carried out in double on operands that are floats,
// integers or small exact constants, so every double result is correctly
// rounded; Stored() then rounds it to float where a step keeps the value.
// -ffp-contract=off keeps the compiler from fusing a multiply into an add.

namespace palette {
namespace {

float Stored(double v) { return static_cast<float>(v); }

// Arguments outside 0..255 never come from the picker; for them the integer
// conversions saturate (NaN gives 0) instead of overflowing the cast.
std::int32_t ToInt32(double v)
{
    if (!(v == v))
        return 0;
    return static_cast<std::int32_t>(std::clamp(v, -2147483648.0, 2147483647.0));
}

// Nearest integer, ties to even. Adding and removing 2^52 leaves no fraction
// bits, so the default rounding mode rounds exactly as nearbyint() does,
// without a library call per channel.
std::int32_t Rounded(double v)
{
    const double magnitude = std::fabs(v);
    if (magnitude < 0x1p52)
        v = std::copysign((magnitude + 0x1p52) - 0x1p52, v);
    return ToInt32(v);
}

std::int32_t Truncated(float v) { return ToInt32(std::trunc(double(v))); }

std::int32_t ClampComponent(std::int32_t v) { return std::clamp(v, 0, 255); }

// Written so that NaN lands on 0.
float ClampArgument(float v) { return v > 255.0f ? 255.0f : (v >= 0.0f ? v : 0.0f); }

} // namespace

namespace {

inline std::int32_t ChannelLevel(float p, float q, float h)
{
    // One wrap each way at most; exactly 360 stays 360.
    if (h > 360.0f)
        h = Stored(double(h) + -360.0);
    if (h < 0.0f)
        h = Stored(double(h) + 360.0);

    float v;
    if (h < 60.0f)
        v = Stored(double(p) + ((double(q) - double(p)) * double(h)) / 60.0);
    else if (h < 180.0f)
        v = q;
    else if (h < 240.0f)
        v = Stored(double(p) + ((double(q) - double(p)) * (240.0 - double(h))) / 60.0);
    else
        v = p;
    return Rounded(double(v) * 255.0);
}

} // namespace

std::int32_t HueToChannel(float p, float q, float h)
{
    return ChannelLevel(p, q, h);
}

void HslToRgb(float hue, float lightness, float saturation,
              std::int32_t& red, std::int32_t& green, std::int32_t& blue)
{
    hue = ClampArgument(hue);
    lightness = ClampArgument(lightness);
    saturation = ClampArgument(saturation);

    const float H = Stored((double(hue) * 360.0) / 255.0);
    const float L = Stored(double(lightness) / 255.0);
    const float S = Stored(double(saturation) / 255.0);

    if (S == 0.0f) {
        red = green = blue = Rounded(double(L) * 255.0);
        return;
    }

    const float q = L <= 0.5f ? Stored(double(L) + double(L) * double(S))
                              : Stored((double(L) + double(S)) - double(L) * double(S));
    const float p = Stored(double(L) * 2.0 - double(q));

    red = ChannelLevel(p, q, Stored(double(H) + 120.0));
    green = ChannelLevel(p, q, H);
    blue = ChannelLevel(p, q, Stored(double(H) + -120.0));
}

void RgbToHsl(std::int32_t red, std::int32_t green, std::int32_t blue,
              std::int32_t& hue, std::int32_t& lightness, std::int32_t& saturation)
{
    // Out-of-range components would overflow max - min and max + min.
    red = ClampComponent(red);
    green = ClampComponent(green);
    blue = ClampComponent(blue);

    const std::int32_t max = std::max({red, green, blue});
    const std::int32_t min = std::min({red, green, blue});
    const std::int32_t delta = max - min;
    const std::int32_t sum = max + min;

    float L = Stored(double(sum) / 510.0);
    float H = 0.0f;
    float S = 0.0f;

    if (max != min) {
        const float redDistance = Stored(double(max - red) / double(delta));
        const float greenDistance = Stored(double(max - green) / double(delta));
        const float blueDistance = Stored(double(max - blue) / double(delta));

        S = L > 0.5f ? Stored(double(delta) / double(510 - sum))
                     : Stored(double(delta) / double(sum));

        // Later matches overwrite: blue wins over green, green over red.
        if (red == max)
            H = Stored(((double(blueDistance) - double(greenDistance)) + 6.0) * 60.0);
        if (green == max)
            H = Stored(((double(redDistance) - double(blueDistance)) + 2.0) * 60.0);
        if (blue == max)
            H = Stored(((double(greenDistance) - double(redDistance)) + 4.0) * 60.0);

        if (H >= 360.0f)
            H = Stored(double(H) - 360.0);
    }

    H = Stored((double(H) / 360.0) * 255.0);
    L = Stored(double(L) * 255.0);
    S = Stored(double(S) * 255.0);

    hue = Truncated(H);
    lightness = Truncated(L);
    saturation = Truncated(S);
}

PackedRgb PackRgb(std::int32_t red, std::int32_t green, std::int32_t blue)
{
    // Unsigned, so that no argument can overflow a signed int.
    return static_cast<PackedRgb>(red) + static_cast<PackedRgb>(green) * 256u
        + static_cast<PackedRgb>(blue) * 65536u;
}

} // namespace palette
