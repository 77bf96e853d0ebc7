#pragma once

namespace zef {

// The program's own main, called by the entry point of each system
// (main_posix.cpp, main_windows.cpp) with its arguments as UTF-8 text.
int Utf8Main(int argc, char** argv);

}  // namespace zef
