// A fake GL entry-point table that records every call as one line of text,
// e.g. "glRotatef(15f, 0f, 0f, 1f)". Floats print with a trailing f and enough
// digits to tell any two apart, so a recorded line pins the exact single- or
// double-precision value that was passed.
#pragma once

#include "gl_entry_points.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zef::test {

std::string ArgText(float value);
std::string ArgText(double value);
std::string ArgText(std::int32_t value);
std::string ArgText(std::uint32_t value);

template <typename... Args>
std::string CallText(const char* name, Args... args)
{
    std::string text = name;
    text += '(';
    [[maybe_unused]] const char* separator = "";
    ((text += separator, text += ArgText(args), separator = ", "), ...);
    text += ')';
    return text;
}

// Installs the recording table for its lifetime and puts the previous table
// back afterwards.
class FakeGL {
public:
    // The name glGenTextures hands out.
    static constexpr GLuint kTextureName = 7;

    FakeGL();
    explicit FakeGL(const GLEntryPoints& table);
    ~FakeGL();
    FakeGL(const FakeGL&) = delete;
    FakeGL& operator=(const FakeGL&) = delete;

    // Every entry point recording.
    static GLEntryPoints RecordingTable();

    static std::vector<std::string>& Calls();
    // The bytes passed to the last glTexImage2D.
    static std::vector<std::uint8_t>& TexImagePixels();

private:
    GLEntryPoints saved_;
};

}  // namespace zef::test
