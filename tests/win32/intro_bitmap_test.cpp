// The intro picture as the Windows window reads it: the bitmap resource in
// the program, converted as the Qt window converts it. The texture's bytes must be the
// picture file's pixels, bottom row first, with blue and red changed round
// (the file holds blue, green, red).
#include "intro_bitmap.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace zef {
namespace {

std::string FileBytes(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(IntroBitmap, TextureIsThePictureFilesPixels)
{
    const BitmapHandle bitmap = LoadIntroBitmap();
    ASSERT_TRUE(bitmap);
    const IntroImage image = ConvertIntroBitmap(bitmap.get());
    const std::string bmp = FileBytes(ZEF_SOURCE_DIR "/resources/intro.bmp");
    ASSERT_EQ(bmp.size(), 196662u);
    ASSERT_EQ(image.pixels.size(), 196608u);
    for (std::size_t i = 0; i < 65536; ++i) {
        const std::size_t at = 54 + 3 * i;
        ASSERT_EQ(image.pixels[3 * i], std::uint8_t(bmp[at + 2])) << "texel " << i;
        ASSERT_EQ(image.pixels[3 * i + 1], std::uint8_t(bmp[at + 1])) << "texel " << i;
        ASSERT_EQ(image.pixels[3 * i + 2], std::uint8_t(bmp[at])) << "texel " << i;
    }
}

TEST(IntroBitmap, SmallerBitmapReadsBlackOutside)
{
    const BitmapHandle bitmap(CreateBitmap(16, 16, 1, 32, nullptr));
    const IntroImage image = ConvertIntroBitmap(bitmap.get());
    EXPECT_EQ(image.pixels.size(), 196608u);
    EXPECT_EQ(image.pixels[0], 0);  // (0, 255): outside
}

}  // namespace
}  // namespace zef
