// The arguments are the bytes the system keeps, passed on unchanged: a name
// is found again whatever its encoding.
#include "utf8_main.h"

int main(int argc, char** argv) { return zef::Utf8Main(argc, argv); }
