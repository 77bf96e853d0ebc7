#include "gl_entry_points.h"

namespace zef {

GLEntryPoints gl{};

}  // namespace zef
