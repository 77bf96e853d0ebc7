// The OpenGL and GLU entry points the intro uses, resolved by name at run
// time (gl_libraries.h) into one table. Nothing of GL or GLU is linked, so a
// program that never runs the intro never loads either library.
//
// Every call goes through CallGL, which skips an entry point that did not
// resolve: a missing function leaves its step out instead of crashing.
#pragma once

#include <cstdint>
#include <type_traits>

namespace zef {

using GLenum = std::uint32_t;
using GLbitfield = std::uint32_t;
using GLuint = std::uint32_t;
using GLint = std::int32_t;
using GLsizei = std::int32_t;
using GLfloat = float;
using GLclampf = float;
using GLdouble = double;
using GLclampd = double;

struct GLEntryPoints {
    void (*glViewport)(GLint x, GLint y, GLsizei width, GLsizei height);
    void (*glMatrixMode)(GLenum mode);
    void (*glLoadIdentity)();
    void (*glClear)(GLbitfield mask);
    void (*glClearColor)(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha);
    void (*glClearDepth)(GLclampd depth);
    void (*glFlush)();
    void (*glEnable)(GLenum capability);
    void (*glDepthFunc)(GLenum func);
    void (*glBlendFunc)(GLenum sourceFactor, GLenum destinationFactor);
    void (*glGenTextures)(GLsizei n, GLuint* textures);
    void (*glBindTexture)(GLenum target, GLuint texture);
    void (*glTexParameteri)(GLenum target, GLenum name, GLint value);
    void (*glTexImage2D)(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                         GLenum format, GLenum type, const void* pixels);
    void (*glRotatef)(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
    void (*glTranslatef)(GLfloat x, GLfloat y, GLfloat z);
    void (*glColor4f)(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
    void (*glBegin)(GLenum mode);
    void (*glEnd)();
    void (*glTexCoord2f)(GLfloat s, GLfloat t);
    void (*glVertex3f)(GLfloat x, GLfloat y, GLfloat z);
    void (*gluPerspective)(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);
};

// The process's one table; all null until LoadGLLibraries fills it. Tests
// replace it with recording fakes.
extern GLEntryPoints gl;

// Calls an entry point if it resolved. The arguments convert to the entry
// point's own parameter types, exactly as in a direct call.
template <typename... Params>
void CallGL(void (*entry)(Params...), std::type_identity_t<Params>... args)
{
    if (entry != nullptr) {
        entry(args...);
    }
}

}  // namespace zef
