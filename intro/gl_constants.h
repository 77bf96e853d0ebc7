// The GL enumerants the intro passes, under names that cannot clash with the
// macros of the system's GL headers.
#pragma once

#include "gl_entry_points.h"

namespace zef {

inline constexpr GLbitfield kGlDepthBufferBit = 0x0100;
inline constexpr GLbitfield kGlColorBufferBit = 0x4000;

inline constexpr GLenum kGlQuads = 0x0007;
inline constexpr GLenum kGlLequal = 0x0203;
inline constexpr GLenum kGlSrcAlpha = 0x0302;
inline constexpr GLenum kGlOneMinusSrcAlpha = 0x0303;
inline constexpr GLenum kGlDepthTest = 0x0B71;
inline constexpr GLenum kGlBlend = 0x0BE2;
inline constexpr GLenum kGlTexture2D = 0x0DE1;
inline constexpr GLenum kGlUnsignedByte = 0x1401;
inline constexpr GLenum kGlModelView = 0x1700;
inline constexpr GLenum kGlProjection = 0x1701;
inline constexpr GLenum kGlRgb = 0x1907;
inline constexpr GLenum kGlLinear = 0x2601;
inline constexpr GLenum kGlTextureMagFilter = 0x2800;
inline constexpr GLenum kGlTextureMinFilter = 0x2801;

}  // namespace zef
