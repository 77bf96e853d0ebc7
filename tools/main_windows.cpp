// Windows keeps the command line in UTF-16; its narrow arguments are that
// line in the ANSI code page, which folds "kůň" to "kun" and makes a Chinese
// name question marks. The wide arguments, made UTF-8, lose nothing.
#include "utf16.h"
#include "utf8_main.h"

#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> arguments;
    std::vector<char*> pointers;
    arguments.reserve(static_cast<std::size_t>(argc));
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(zef::Utf8(argv[i]));
    }
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    return zef::Utf8Main(argc, pointers.data());
}
