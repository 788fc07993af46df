#pragma once

// Small pictures written as text for drawing tests: one character a pixel,
// rows concatenated top to bottom. Failures print the same notation with
// rows separated by '|', so the difference can be read off directly.

#include "color/color_model.h"
#include "window/surface.h"

#include <QString>

#include <string_view>

namespace palette::art {

struct Ink {
    char symbol;
    PackedRgb color;
};

inline constexpr Ink Inks[] = {
    {'.', 0xFFFFFF},
    {'#', 0x000000},
    {'r', 0x0000FF},
    {'g', 0x00FF00},
    {'b', 0xFF0000},
    {'k', 0x010000}, // blue 1: almost, but not exactly, black
};

inline PackedRgb ColorOf(char symbol)
{
    for (const Ink& ink : Inks) {
        if (ink.symbol == symbol)
            return ink.color;
    }
    return 0x808080;
}

inline char SymbolOf(PackedRgb color)
{
    for (const Ink& ink : Inks) {
        if (ink.color == color)
            return ink.symbol;
    }
    return '?';
}

inline Surface FromArt(int width, std::string_view text)
{
    const int height = int(text.size()) / width;
    Surface surface(width, height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            surface.Row(y)[x] = ToPixelWord(ColorOf(text[std::size_t(y * width + x)]));
    }
    return surface;
}

inline QString ToArt(const Surface& surface)
{
    QString text;
    for (int y = 0; y < surface.Height(); ++y) {
        if (y > 0)
            text += QLatin1Char('|');
        for (int x = 0; x < surface.Width(); ++x)
            text += QLatin1Char(SymbolOf(surface.Pixel(x, y)));
    }
    return text;
}

} // namespace palette::art
