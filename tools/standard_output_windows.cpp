#include "standard_output.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace zef {

void KeepStandardOutputBinary() { _setmode(_fileno(stdout), _O_BINARY); }

}  // namespace zef
