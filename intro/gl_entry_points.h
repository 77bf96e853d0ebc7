// The OpenGL and GLU entry points the intro uses, resolved by name at run
// time (gl_libraries.h) into one table. Nothing of GL or GLU is linked, so a
// program that never runs the intro never loads either library.
//
// Every call goes through CallGL, which skips an entry point that did not
// resolve: a missing function leaves its step out instead of crashing.
#pragma once

#include <cstdint>
#include <type_traits>

// GL and GLU use the platform's GL calling convention (APIENTRY): __stdcall
// on 32-bit Windows, where calling through a pointer of another convention
// would unbalance the stack, and the C convention everywhere else.
#if defined(_WIN32) && !defined(_WIN64)
#define ZEF_GLAPI __stdcall
#else
#define ZEF_GLAPI
#endif

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
    void(ZEF_GLAPI* glViewport)(GLint x, GLint y, GLsizei width, GLsizei height);
    void(ZEF_GLAPI* glMatrixMode)(GLenum mode);
    void(ZEF_GLAPI* glLoadIdentity)();
    void(ZEF_GLAPI* glClear)(GLbitfield mask);
    void(ZEF_GLAPI* glClearColor)(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha);
    void(ZEF_GLAPI* glClearDepth)(GLclampd depth);
    void(ZEF_GLAPI* glFlush)();
    void(ZEF_GLAPI* glEnable)(GLenum capability);
    void(ZEF_GLAPI* glDepthFunc)(GLenum func);
    void(ZEF_GLAPI* glBlendFunc)(GLenum sourceFactor, GLenum destinationFactor);
    void(ZEF_GLAPI* glGenTextures)(GLsizei n, GLuint* textures);
    void(ZEF_GLAPI* glBindTexture)(GLenum target, GLuint texture);
    void(ZEF_GLAPI* glTexParameteri)(GLenum target, GLenum name, GLint value);
    void(ZEF_GLAPI* glTexImage2D)(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                                  GLint border, GLenum format, GLenum type, const void* pixels);
    void(ZEF_GLAPI* glRotatef)(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
    void(ZEF_GLAPI* glTranslatef)(GLfloat x, GLfloat y, GLfloat z);
    void(ZEF_GLAPI* glColor4f)(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
    void(ZEF_GLAPI* glBegin)(GLenum mode);
    void(ZEF_GLAPI* glEnd)();
    void(ZEF_GLAPI* glTexCoord2f)(GLfloat s, GLfloat t);
    void(ZEF_GLAPI* glVertex3f)(GLfloat x, GLfloat y, GLfloat z);
    void(ZEF_GLAPI* gluPerspective)(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);
};

// The process's one table; all null until LoadGLLibraries fills it. Tests
// replace it with recording fakes.
extern GLEntryPoints gl;

// Calls an entry point if it resolved. The arguments convert to the entry
// point's own parameter types, exactly as in a direct call.
template <typename... Params>
void CallGL(void(ZEF_GLAPI* entry)(Params...), std::type_identity_t<Params>... args)
{
    if (entry != nullptr) {
        entry(args...);
    }
}

}  // namespace zef
