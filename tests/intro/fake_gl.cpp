#include "fake_gl.h"

#include <cstdio>

namespace zef::test {

namespace {

template <typename... Args>
void Record(const char* name, Args... args)
{
    FakeGL::Calls().push_back(CallText(name, args...));
}

}  // namespace

std::string ArgText(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9gf", static_cast<double>(value));
    return text;
}

std::string ArgText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string ArgText(std::int32_t value) { return std::to_string(value); }

std::string ArgText(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(value));
    return text;
}

std::vector<std::string>& FakeGL::Calls()
{
    static std::vector<std::string> calls;
    return calls;
}

std::vector<std::uint8_t>& FakeGL::TexImagePixels()
{
    static std::vector<std::uint8_t> pixels;
    return pixels;
}

GLEntryPoints FakeGL::RecordingTable()
{
    GLEntryPoints t{};
    t.glViewport = [](GLint x, GLint y, GLsizei w, GLsizei h) ZEF_GLAPI { Record("glViewport", x, y, w, h); };
    t.glMatrixMode = [](GLenum mode) ZEF_GLAPI { Record("glMatrixMode", mode); };
    t.glLoadIdentity = []() ZEF_GLAPI { Record("glLoadIdentity"); };
    t.glClear = [](GLbitfield mask) ZEF_GLAPI { Record("glClear", mask); };
    t.glClearColor = [](GLclampf r, GLclampf g, GLclampf b, GLclampf a)
                         ZEF_GLAPI { Record("glClearColor", r, g, b, a); };
    t.glClearDepth = [](GLclampd depth) ZEF_GLAPI { Record("glClearDepth", depth); };
    t.glFlush = []() ZEF_GLAPI { Record("glFlush"); };
    t.glEnable = [](GLenum capability) ZEF_GLAPI { Record("glEnable", capability); };
    t.glDepthFunc = [](GLenum func) ZEF_GLAPI { Record("glDepthFunc", func); };
    t.glBlendFunc = [](GLenum source, GLenum destination) ZEF_GLAPI { Record("glBlendFunc", source, destination); };
    t.glGenTextures = [](GLsizei n, GLuint* textures) ZEF_GLAPI {
        Record("glGenTextures", n);
        for (GLsizei i = 0; i < n; ++i) {
            textures[i] = kTextureName + static_cast<GLuint>(i);
        }
    };
    t.glBindTexture = [](GLenum target, GLuint texture) ZEF_GLAPI { Record("glBindTexture", target, texture); };
    t.glTexParameteri = [](GLenum target, GLenum name, GLint value)
                            ZEF_GLAPI { Record("glTexParameteri", target, name, value); };
    t.glTexImage2D = [](GLenum target, GLint level, GLint internalFormat, GLsizei w, GLsizei h, GLint border,
                        GLenum format, GLenum type, const void* pixels) ZEF_GLAPI {
        Record("glTexImage2D", target, level, internalFormat, w, h, border, format, type);
        const auto* bytes = static_cast<const std::uint8_t*>(pixels);
        TexImagePixels().assign(bytes, bytes + static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
    };
    t.glRotatef = [](GLfloat angle, GLfloat x, GLfloat y, GLfloat z) ZEF_GLAPI { Record("glRotatef", angle, x, y, z); };
    t.glTranslatef = [](GLfloat x, GLfloat y, GLfloat z) ZEF_GLAPI { Record("glTranslatef", x, y, z); };
    t.glColor4f = [](GLfloat r, GLfloat g, GLfloat b, GLfloat a) ZEF_GLAPI { Record("glColor4f", r, g, b, a); };
    t.glBegin = [](GLenum mode) ZEF_GLAPI { Record("glBegin", mode); };
    t.glEnd = []() ZEF_GLAPI { Record("glEnd"); };
    t.glTexCoord2f = [](GLfloat s, GLfloat tc) ZEF_GLAPI { Record("glTexCoord2f", s, tc); };
    t.glVertex3f = [](GLfloat x, GLfloat y, GLfloat z) ZEF_GLAPI { Record("glVertex3f", x, y, z); };
    t.gluPerspective = [](GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar)
                           ZEF_GLAPI { Record("gluPerspective", fovy, aspect, zNear, zFar); };
    return t;
}

FakeGL::FakeGL() : FakeGL(RecordingTable()) {}

FakeGL::FakeGL(const GLEntryPoints& table) : saved_(gl)
{
    gl = table;
    Calls().clear();
    TexImagePixels().clear();
}

FakeGL::~FakeGL() { gl = saved_; }

}  // namespace zef::test
