#pragma once

#include <cstdint>

namespace palette {

// Controls are addressed by these fixed numbers only.
enum : std::int32_t {
    ColorField = 0,
    LightnessBar = 1,
    CurrentLabel = 2,
    NewLabel = 3,
    RedLabel = 4,
    GreenLabel = 5,
    BlueLabel = 6,
    AlphaLabel = 7,
    HueLabel = 8,
    SaturationLabel = 9,
    LightnessLabel = 10,
    PreviewFrame = 11,
    SettingsFrame = 12,
    CurrentSwatch = 15,
    NewSwatch = 16,
    RedEdit = 17,
    GreenEdit = 18,
    BlueEdit = 19,
    AlphaEdit = 20,
    HueEdit = 21,
    SaturationEdit = 22,
    LightnessEdit = 23,
    RedTrack = 24,
    GreenTrack = 25,
    BlueTrack = 26,
    OkButton = 27,
    CancelButton = 28,
    PaletteBox = 29,
    FirstPaletteSwatch = 30, // 30..45, two rows of eight
    LastPaletteSwatch = 45,
};

} // namespace palette
