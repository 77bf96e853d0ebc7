#pragma once

namespace zef {

// The report's CR LF must reach standard output as they are: Windows would
// otherwise write every LF as CR LF. Elsewhere there is nothing to do.
void KeepStandardOutputBinary();

}  // namespace zef
