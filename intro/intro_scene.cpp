#include "intro_scene.h"

#include "frame_rate.h"
#include "gl_constants.h"
#include "gl_entry_points.h"

namespace zef {

namespace {

constexpr int kWalls = 4;

// One wall in the plane z = h of the current frame. Its lower edge has the
// texture coordinate t = 0, so the picture stands upright.
void DrawWall(float h)
{
    CallGL(gl.glBegin, kGlQuads);
    CallGL(gl.glTexCoord2f, 0.0f, 0.0f);
    CallGL(gl.glVertex3f, -h, -h, h);
    CallGL(gl.glTexCoord2f, 1.0f, 0.0f);
    CallGL(gl.glVertex3f, h, -h, h);
    CallGL(gl.glTexCoord2f, 1.0f, 1.0f);
    CallGL(gl.glVertex3f, h, h, h);
    CallGL(gl.glTexCoord2f, 0.0f, 1.0f);
    CallGL(gl.glVertex3f, -h, h, h);
    CallGL(gl.glEnd);
}

// The quarter turn before each wall walks round the four sides; after four
// walls the frame is back where it started.
void TurnToNextWall() { CallGL(gl.glRotatef, 90.0f, 0.0f, 1.0f, 0.0f); }

void DrawInnerWalls()
{
    CallGL(gl.glColor4f, 1.0f, 1.0f, 1.0f, 1.0f);
    for (int wall = 0; wall < kWalls; ++wall) {
        TurnToNextWall();
        DrawWall(1.0f);
    }
}

void DrawOuterWalls(long double s)
{
    const float alpha = static_cast<float>((2.0L - s) / 2.0L);
    for (int wall = 0; wall < kWalls; ++wall) {
        TurnToNextWall();
        CallGL(gl.glColor4f, 0.9f, 0.9f, 0.9f, alpha);
        DrawWall(static_cast<float>(s));
    }
}

void AdvanceAnimation(IntroScene& scene, std::int32_t frameRate)
{
    // FrameRate is 0 only in the first half second after the tick counter
    // starts or wraps; dividing by it would make the angle infinite for good
    // and every later rotation undefined, so the scene stands still instead.
    if (frameRate == 0) {
        return;
    }
    const long double rate = frameRate;
    scene.spinAngle += 10.0L / rate;
    scene.pulseScale += 0.1L / rate;
    if (scene.pulseScale >= 2.0L) {
        scene.pulseScale = 1.0L;
    }
}

}  // namespace

void DrawIntroScene(IntroScene& scene, std::int32_t frameRate)
{
    CallGL(gl.glLoadIdentity);
    CallGL(gl.glBlendFunc, kGlSrcAlpha, kGlOneMinusSrcAlpha);
    CallGL(gl.glEnable, kGlBlend);
    CallGL(gl.glRotatef, 15.0f, 0.0f, 0.0f, 1.0f);
    CallGL(gl.glRotatef, 17.0f, 1.0f, 0.0f, 0.0f);
    CallGL(gl.glTranslatef, 0.0f, -1.2f, -4.0f);
    CallGL(gl.glRotatef, static_cast<float>(scene.spinAngle), 0.0f, 1.0f, 0.0f);
    DrawInnerWalls();
    DrawOuterWalls(scene.pulseScale);
    AdvanceAnimation(scene, frameRate);
}

}  // namespace zef
