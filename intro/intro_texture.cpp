#include "intro_texture.h"

#include "gl_constants.h"

#include <cstddef>

namespace zef {

IntroImage ConvertIntroPicture(const PixelColorAt& colorAt)
{
    IntroImage image;
    const int texels = image.width * image.height;
    image.pixels.resize(static_cast<std::size_t>(texels) * 3);
    for (int i = 0; i < texels; ++i) {
        const int x = i % image.width;
        const int y = image.height - 1 - i / image.width;
        const std::uint32_t c = colorAt(x, y);
        std::uint8_t* texel = &image.pixels[static_cast<std::size_t>(i) * 3];
        texel[0] = static_cast<std::uint8_t>(c & 0xFF);
        texel[1] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
        texel[2] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
    }
    return image;
}

GLuint UploadIntroTexture(const IntroImage& image)
{
    // Three bytes a texel give rows of 768 bytes, a multiple of the default
    // unpack alignment of 4, so no pixel-store call is needed.
    constexpr GLint kThreeComponents = 3;
    GLuint texture = 0;
    CallGL(gl.glGenTextures, 1, &texture);
    CallGL(gl.glBindTexture, kGlTexture2D, texture);
    CallGL(gl.glTexParameteri, kGlTexture2D, kGlTextureMinFilter, static_cast<GLint>(kGlLinear));
    CallGL(gl.glTexParameteri, kGlTexture2D, kGlTextureMagFilter, static_cast<GLint>(kGlLinear));
    CallGL(gl.glTexImage2D, kGlTexture2D, 0, kThreeComponents, image.width, image.height, 0, kGlRgb, kGlUnsignedByte,
           image.pixels.data());
    return texture;
}

}  // namespace zef
