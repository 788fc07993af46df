#include "window/control_table.h"

#include "window/control_numbers.h"

namespace palette {
namespace {

using enum ControlKind;

// Positions are in the parent's client pixels; the palette swatches' parent is PaletteBox.
constexpr ControlRow controlTable[] = {
    // number           name               kind        x    y    w    h    text
    {ColorField,        "ColorField",      Canvas,     5,   15,  257, 257, ""},
    {LightnessBar,      "LightnessBar",    Canvas,     275, 15,  28,  257, ""},
    {NewSwatch,         "NewSwatch",       Label,      415, 60,  70,  35,  ""},
    {PreviewFrame,      "PreviewFrame",    Frame,      320, 9,   175, 95,  "Preview"},
    {CurrentSwatch,     "CurrentSwatch",   Canvas,     415, 25,  70,  35,  ""},
    {CurrentLabel,      "CurrentLabel",    Label,      330, 40,  75,  15,  "current Color:"},
    {NewLabel,          "NewLabel",        Label,      330, 75,  75,  15,  "new Color:"},
    {SettingsFrame,     "SettingsFrame",   Frame,      320, 105, 175, 160, "Color Settings"},
    {RedLabel,          "RedLabel",        Label,      330, 130, 15,  20,  "R"},
    {RedEdit,           "RedEdit",         EditField,  350, 125, 40,  25,  ""},
    {GreenEdit,         "GreenEdit",       EditField,  350, 160, 40,  25,  ""},
    {GreenLabel,        "GreenLabel",      Label,      330, 165, 15,  20,  "G"},
    {BlueLabel,         "BlueLabel",       Label,      330, 200, 15,  20,  "B"},
    {BlueEdit,          "BlueEdit",        EditField,  350, 195, 40,  25,  ""},
    {AlphaLabel,        "AlphaLabel",      Label,      330, 235, 15,  20,  "A"},
    {AlphaEdit,         "AlphaEdit",       EditField,  350, 230, 40,  25,  "1.0"},
    {HueLabel,          "HueLabel",        Label,      425, 130, 15,  20,  "H"},
    {SaturationLabel,   "SaturationLabel", Label,      425, 165, 15,  20,  "S"},
    {LightnessLabel,    "LightnessLabel",  Label,      425, 200, 15,  20,  "L"},
    {RedTrack,          "RedTrack",        TrackBar,   390, 125, 20,  25,  ""},
    {GreenTrack,        "GreenTrack",      TrackBar,   390, 160, 20,  25,  ""},
    {BlueTrack,         "BlueTrack",       TrackBar,   390, 195, 20,  25,  ""},
    {HueEdit,           "HueEdit",         EditField,  445, 125, 40,  25,  "100"},
    {SaturationEdit,    "SaturationEdit",  EditField,  445, 160, 40,  25,  "100"},
    {LightnessEdit,     "LightnessEdit",   EditField,  445, 195, 40,  25,  "100"},
    {OkButton,          "OkButton",        PushButton, 425, 295, 70,  45,  "OK"},
    {CancelButton,      "CancelButton",    PushButton, 325, 295, 70,  45,  "Cancel"},
    {PaletteBox,        "PaletteBox",      Container,  10,  280, 250, 60,  ""},
    {30,                "PaletteSwatch",   Canvas,     10,  10,  20,  20,  ""},
    {31,                "PaletteSwatch",   Canvas,     40,  10,  20,  20,  ""},
    {32,                "PaletteSwatch",   Canvas,     70,  10,  20,  20,  ""},
    {33,                "PaletteSwatch",   Canvas,     100, 10,  20,  20,  ""},
    {34,                "PaletteSwatch",   Canvas,     130, 10,  20,  20,  ""},
    {35,                "PaletteSwatch",   Canvas,     160, 10,  20,  20,  ""},
    {36,                "PaletteSwatch",   Canvas,     190, 10,  20,  20,  ""},
    {37,                "PaletteSwatch",   Canvas,     220, 10,  20,  20,  ""},
    {38,                "PaletteSwatch",   Canvas,     10,  40,  20,  20,  ""},
    {39,                "PaletteSwatch",   Canvas,     40,  40,  20,  20,  ""},
    {40,                "PaletteSwatch",   Canvas,     70,  40,  20,  20,  ""},
    {41,                "PaletteSwatch",   Canvas,     100, 40,  20,  20,  ""},
    {42,                "PaletteSwatch",   Canvas,     130, 40,  20,  20,  ""},
    {43,                "PaletteSwatch",   Canvas,     160, 40,  20,  20,  ""},
    {44,                "PaletteSwatch",   Canvas,     190, 40,  20,  20,  ""},
    {45,                "PaletteSwatch",   Canvas,     220, 40,  20,  20,  ""},
    {PaletteBox,        "PaletteBox",      EndContainer, 0, 0,   0,   0,   ""},
};

} // namespace

std::span<const ControlRow> PickerControls()
{
    return controlTable;
}

} // namespace palette
