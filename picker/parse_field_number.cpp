// Placeholder body: being written.
#include "picker/controller.h"

namespace palette {

std::int64_t ParseFieldNumber(std::string_view) { return 0; }

} // namespace palette
