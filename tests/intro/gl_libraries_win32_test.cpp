// Loading opengl32.dll and glu32.dll at run time, as the Windows intro does.
#include "gl_libraries.h"

#include "gl_entry_point_names.h"
#include "wgl_entry_points.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zef {
namespace {

std::vector<std::pair<std::string, bool>> Resolved()
{
    std::vector<std::pair<std::string, bool>> resolved;
    ForEachEntryPoint(gl,
                      [&](auto& entry, const char* name, GLLibrary) { resolved.emplace_back(name, entry != nullptr); });
    resolved.emplace_back("wglCreateContext", wgl.wglCreateContext != nullptr);
    resolved.emplace_back("wglMakeCurrent", wgl.wglMakeCurrent != nullptr);
    resolved.emplace_back("wglDeleteContext", wgl.wglDeleteContext != nullptr);
    return resolved;
}

bool LibraryLoaded(const wchar_t* name) { return GetModuleHandleW(name) != nullptr; }

class GLLibrariesWin32Test : public ::testing::Test {
protected:
    void TearDown() override { UnloadGLLibraries(); }
};

TEST_F(GLLibrariesWin32Test, NothingIsLoadedBeforeTheIntroAsks)
{
    EXPECT_FALSE(LibraryLoaded(L"opengl32.dll"));
    EXPECT_FALSE(LibraryLoaded(L"glu32.dll"));
}

TEST_F(GLLibrariesWin32Test, LoadResolvesEveryEntryPoint)
{
    ASSERT_TRUE(LoadGLLibraries());
    EXPECT_TRUE(LibraryLoaded(L"opengl32.dll"));
    EXPECT_TRUE(LibraryLoaded(L"glu32.dll"));
    for (const auto& [name, resolved] : Resolved()) {
        EXPECT_TRUE(resolved) << name;
    }
}

TEST_F(GLLibrariesWin32Test, SecondLoadKeepsTheLibraries)
{
    ASSERT_TRUE(LoadGLLibraries());
    const auto viewport = gl.glViewport;
    EXPECT_TRUE(LoadGLLibraries("zef-no-such-gl.dll", "zef-no-such-glu.dll"));
    EXPECT_EQ(gl.glViewport, viewport);
}

TEST_F(GLLibrariesWin32Test, UnloadClearsEveryEntryPointAndFreesTheLibraries)
{
    ASSERT_TRUE(LoadGLLibraries());
    UnloadGLLibraries();
    for (const auto& [name, resolved] : Resolved()) {
        EXPECT_FALSE(resolved) << name;
    }
    EXPECT_FALSE(LibraryLoaded(L"glu32.dll"));
}

TEST_F(GLLibrariesWin32Test, MissingGLULeavesNothingLoaded)
{
    EXPECT_FALSE(LoadGLLibraries("opengl32.dll", "zef-no-such-glu.dll"));
    for (const auto& [name, resolved] : Resolved()) {
        EXPECT_FALSE(resolved) << name;
    }
    EXPECT_TRUE(LoadGLLibraries());
}

TEST_F(GLLibrariesWin32Test, MissingGLLeavesNothingLoaded)
{
    EXPECT_FALSE(LoadGLLibraries("zef-no-such-gl.dll", "glu32.dll"));
    EXPECT_EQ(gl.gluPerspective, nullptr);
    EXPECT_FALSE(LibraryLoaded(L"glu32.dll"));
}

}  // namespace
}  // namespace zef
