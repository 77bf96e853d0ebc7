#include "gl_libraries.h"

#include "gl_entry_points.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>
#include <utility>
#include <vector>

namespace zef {
namespace {

std::vector<std::pair<std::string, bool>> Resolved(const GLEntryPoints& t)
{
    return {
        {"glViewport", t.glViewport != nullptr},
        {"glMatrixMode", t.glMatrixMode != nullptr},
        {"glLoadIdentity", t.glLoadIdentity != nullptr},
        {"glClear", t.glClear != nullptr},
        {"glClearColor", t.glClearColor != nullptr},
        {"glClearDepth", t.glClearDepth != nullptr},
        {"glFlush", t.glFlush != nullptr},
        {"glEnable", t.glEnable != nullptr},
        {"glDepthFunc", t.glDepthFunc != nullptr},
        {"glBlendFunc", t.glBlendFunc != nullptr},
        {"glGenTextures", t.glGenTextures != nullptr},
        {"glBindTexture", t.glBindTexture != nullptr},
        {"glTexParameteri", t.glTexParameteri != nullptr},
        {"glTexImage2D", t.glTexImage2D != nullptr},
        {"glRotatef", t.glRotatef != nullptr},
        {"glTranslatef", t.glTranslatef != nullptr},
        {"glColor4f", t.glColor4f != nullptr},
        {"glBegin", t.glBegin != nullptr},
        {"glEnd", t.glEnd != nullptr},
        {"glTexCoord2f", t.glTexCoord2f != nullptr},
        {"glVertex3f", t.glVertex3f != nullptr},
        {"gluPerspective", t.gluPerspective != nullptr},
    };
}

bool LibraryLoaded(const char* name)
{
    void* library = dlopen(name, RTLD_NOW | RTLD_NOLOAD);
    if (library == nullptr) {
        return false;
    }
    dlclose(library);
    return true;
}

bool LibraryPresent(const char* name)
{
    void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return false;
    }
    dlclose(library);
    return true;
}

class GLLibrariesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!LibraryPresent("libGL.so.1") || !LibraryPresent("libGLU.so.1")) {
            GTEST_SKIP() << "libGL.so.1 or libGLU.so.1 is not installed";
        }
    }
    void TearDown() override { UnloadGLLibraries(); }
};

TEST_F(GLLibrariesTest, LoadResolvesEveryEntryPoint)
{
    ASSERT_TRUE(LoadGLLibraries());
    for (const auto& [name, resolved] : Resolved(gl)) {
        EXPECT_TRUE(resolved) << name;
    }
}

TEST_F(GLLibrariesTest, SecondLoadKeepsTheLibraries)
{
    ASSERT_TRUE(LoadGLLibraries());
    const auto viewport = gl.glViewport;
    EXPECT_TRUE(LoadGLLibraries("libzef-no-such-gl.so.0", "libzef-no-such-glu.so.0"));
    EXPECT_EQ(gl.glViewport, viewport);
}

TEST_F(GLLibrariesTest, UnloadClearsEveryEntryPoint)
{
    ASSERT_TRUE(LoadGLLibraries());
    UnloadGLLibraries();
    for (const auto& [name, resolved] : Resolved(gl)) {
        EXPECT_FALSE(resolved) << name;
    }
}

TEST_F(GLLibrariesTest, MissingGLULeavesNothingLoaded)
{
    EXPECT_FALSE(LoadGLLibraries("libGL.so.1", "libzef-no-such-glu.so.0"));
    for (const auto& [name, resolved] : Resolved(gl)) {
        EXPECT_FALSE(resolved) << name;
    }
    EXPECT_FALSE(LibraryLoaded("libGL.so.1"));
    EXPECT_TRUE(LoadGLLibraries());
}

TEST_F(GLLibrariesTest, MissingGLLeavesNothingLoaded)
{
    EXPECT_FALSE(LoadGLLibraries("libzef-no-such-gl.so.0", "libGLU.so.1"));
    EXPECT_EQ(gl.gluPerspective, nullptr);
    EXPECT_FALSE(LibraryLoaded("libGLU.so.1"));
}

}  // namespace
}  // namespace zef
