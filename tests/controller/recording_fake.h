#pragma once

// Stands in for the window layer's text operations and the three picture
// operations: it keeps the controls' texts and records every call in order.

#include <QStringList>

#include <cstdint>
#include <map>
#include <string>

namespace fake {

struct Recorder {
    // "Get 17", "Set 17 254", "RenderFieldImage", and the drawings with the
    // hue, lightness and saturation they would read: "DrawColorField 0 127 255".
    QStringList calls;
    std::map<std::int32_t, std::string> texts;
};

inline Recorder recorder;

} // namespace fake
