#include "gl_setup.h"

#include "fake_gl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zef {
namespace {

using test::CallText;
using test::FakeGL;
using Calls = std::vector<std::string>;

void RecordMarker(const char* what) { FakeGL::Calls().push_back(what); }

TEST(GLSetup, InitialStateUploadsTheTextureBetweenClearColourAndClearDepth)
{
    FakeGL fake;
    InitGLState([] { RecordMarker("upload texture"); });
    const Calls expected = {
        CallText("glClearColor", 0.0f, 0.0f, 0.0f, 0.0f),
        "upload texture",
        CallText("glClearDepth", 1.0),
        CallText("glEnable", 0x0B71u),
        CallText("glDepthFunc", 0x0203u),
        CallText("glEnable", 0x0DE1u),
    };
    EXPECT_EQ(FakeGL::Calls(), expected);
}

TEST(GLSetup, ProjectionUsesTheClientAreaAndTheOuterAspect)
{
    FakeGL fake;
    SetGLProjection(571, 358, 579, 385);
    const Calls expected = {
        CallText("glViewport", 0, 0, 571, 358),
        CallText("glMatrixMode", 0x1701u),
        CallText("glLoadIdentity"),
        CallText("gluPerspective", 50.0, 579.0 / 385.0, 1.0, 100.0),
        CallText("glMatrixMode", 0x1700u),
        CallText("glLoadIdentity"),
    };
    EXPECT_EQ(FakeGL::Calls(), expected);
}

TEST(GLSetup, ProjectionOfAnEmptyWindowIsSquare)
{
    FakeGL fake;
    SetGLProjection(0, 0, 0, 0);
    ASSERT_EQ(FakeGL::Calls().size(), 6u);
    EXPECT_EQ(FakeGL::Calls()[3], CallText("gluPerspective", 50.0, 1.0, 1.0, 100.0));
}

TEST(GLSetup, FrameClearsRunsTheFrameAndFlushes)
{
    FakeGL fake;
    RenderIntroFrame([] { RecordMarker("advance intro"); });
    const Calls expected = {CallText("glClear", 0x4100u), "advance intro", CallText("glFlush")};
    EXPECT_EQ(FakeGL::Calls(), expected);
}

TEST(GLSetup, MissingEntryPointsAreSkippedButTheStepsStillRun)
{
    FakeGL fake(GLEntryPoints{});
    InitGLState([] { RecordMarker("upload texture"); });
    SetGLProjection(100, 100, 100, 100);
    RenderIntroFrame([] { RecordMarker("advance intro"); });
    const Calls expected = {"upload texture", "advance intro"};
    EXPECT_EQ(FakeGL::Calls(), expected);
}

}  // namespace
}  // namespace zef
