#include "windows1250_to_utf8.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace zef {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

class Converter {
public:
    Converter() : cd_(iconv_open("UTF-8", "WINDOWS-1250"))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("this system's iconv cannot convert from Windows-1250");
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one byte; an undefined byte gives the replacement character.
    void append(char byte, std::string& out)
    {
        char in[1] = {byte};
        char buffer[8];
        char* inPtr = in;
        std::size_t inLeft = 1;
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            out += kReplacementCharacter;
            return;
        }
        out.append(buffer, outPtr);
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string Windows1250ToUtf8(std::string_view text)
{
    Converter converter;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            out.push_back(text[i]);
        } else {
            converter.append(text[i], out);
        }
    }
    return out;
}

}  // namespace zef
