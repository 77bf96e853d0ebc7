#include "standard_output.h"

namespace zef {

void KeepStandardOutputBinary() {}

}  // namespace zef
