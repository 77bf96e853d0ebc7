// The name of every entry point in the table `gl` and the library it comes
// from, written once for every platform's loader (posix/, win32/).
#pragma once

#include "gl_entry_points.h"

namespace zef {

enum class GLLibrary { GL, GLU };

// Calls resolve(entry, name, library) for every entry point of `table`;
// resolve stores the address it finds for `name` in `entry`.
template <typename Resolve>
void ForEachEntryPoint(GLEntryPoints& table, Resolve&& resolve)
{
    resolve(table.glViewport, "glViewport", GLLibrary::GL);
    resolve(table.glMatrixMode, "glMatrixMode", GLLibrary::GL);
    resolve(table.glLoadIdentity, "glLoadIdentity", GLLibrary::GL);
    resolve(table.glClear, "glClear", GLLibrary::GL);
    resolve(table.glClearColor, "glClearColor", GLLibrary::GL);
    resolve(table.glClearDepth, "glClearDepth", GLLibrary::GL);
    resolve(table.glFlush, "glFlush", GLLibrary::GL);
    resolve(table.glEnable, "glEnable", GLLibrary::GL);
    resolve(table.glDepthFunc, "glDepthFunc", GLLibrary::GL);
    resolve(table.glBlendFunc, "glBlendFunc", GLLibrary::GL);
    resolve(table.glGenTextures, "glGenTextures", GLLibrary::GL);
    resolve(table.glBindTexture, "glBindTexture", GLLibrary::GL);
    resolve(table.glTexParameteri, "glTexParameteri", GLLibrary::GL);
    resolve(table.glTexImage2D, "glTexImage2D", GLLibrary::GL);
    resolve(table.glRotatef, "glRotatef", GLLibrary::GL);
    resolve(table.glTranslatef, "glTranslatef", GLLibrary::GL);
    resolve(table.glColor4f, "glColor4f", GLLibrary::GL);
    resolve(table.glBegin, "glBegin", GLLibrary::GL);
    resolve(table.glEnd, "glEnd", GLLibrary::GL);
    resolve(table.glTexCoord2f, "glTexCoord2f", GLLibrary::GL);
    resolve(table.glVertex3f, "glVertex3f", GLLibrary::GL);
    resolve(table.gluPerspective, "gluPerspective", GLLibrary::GLU);
}

}  // namespace zef
