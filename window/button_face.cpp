// Placeholder body: the drawing layer is being written.
#include "window/drawing.h"

namespace palette {

PackedRgb ButtonFaceColor() { return 0; }

} // namespace palette
