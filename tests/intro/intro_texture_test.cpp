#include "intro_texture.h"

#include "case_name.h"
#include "fake_gl.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zef {
namespace {

using test::CallText;
using test::FakeGL;

using Texel = std::array<std::uint8_t, 3>;

Texel TexelAt(const IntroImage& image, std::size_t offset)
{
    return {image.pixels[offset], image.pixels[offset + 1], image.pixels[offset + 2]};
}

// A picture whose pixel (x, y) has red x, green y and blue 0x40, so every
// texel tells where it came from.
std::uint32_t CoordinateColour(int x, int y)
{
    return static_cast<std::uint32_t>(x) | static_cast<std::uint32_t>(y) << 8 | 0x40u << 16;
}

TEST(IntroTexture, HasTheFixedSize)
{
    const IntroImage image = ConvertIntroPicture(CoordinateColour);
    EXPECT_EQ(image.width, 256);
    EXPECT_EQ(image.height, 256);
    EXPECT_EQ(image.pixels.size(), 196608u);
}

TEST(IntroTexture, FirstRowIsTheBottomRowAndNotMirrored)
{
    const IntroImage image = ConvertIntroPicture(CoordinateColour);
    for (std::size_t i = 0; i < 65536; ++i) {
        const Texel expected = {static_cast<std::uint8_t>(i % 256), static_cast<std::uint8_t>(255 - i / 256), 0x40};
        ASSERT_EQ(TexelAt(image, 3 * i), expected) << "texel " << i;
    }
}

struct CornerCase {
    const char* name;
    int x;
    int y;
    std::size_t offset;
};

class TextureCornerTest : public ::testing::TestWithParam<CornerCase> {};

TEST_P(TextureCornerTest, LandsAtItsOffset)
{
    const CornerCase& c = GetParam();
    const IntroImage image =
        ConvertIntroPicture([&c](int x, int y) -> std::uint32_t { return x == c.x && y == c.y ? 0x00FFFFFFu : 0u; });
    EXPECT_EQ(TexelAt(image, c.offset), (Texel{255, 255, 255}));
    std::size_t lit = 0;
    for (const std::uint8_t byte : image.pixels) {
        lit += byte != 0 ? 1 : 0;
    }
    EXPECT_EQ(lit, 3u);
}

INSTANTIATE_TEST_SUITE_P(Corners, TextureCornerTest,
                         ::testing::Values(CornerCase{"TopLeft", 0, 0, 195840}, CornerCase{"BottomLeft", 0, 255, 0},
                                           CornerCase{"BottomRight", 255, 255, 765},
                                           CornerCase{"TopRight", 255, 0, 196605}),
                         testing::CaseName<CornerCase>);

struct ColourCase {
    const char* name;
    std::uint32_t colour;  // 0x00BBGGRR
    Texel bytes;
};

class TextureColourTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(TextureColourTest, StoresRedGreenBlue)
{
    const IntroImage image = ConvertIntroPicture([](int, int) { return GetParam().colour; });
    EXPECT_EQ(TexelAt(image, 0), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Colours, TextureColourTest,
                         ::testing::Values(ColourCase{"Red", 0x000000FF, {255, 0, 0}},
                                           ColourCase{"Green", 0x0000FF00, {0, 255, 0}},
                                           ColourCase{"Blue", 0x00FF0000, {0, 0, 255}},
                                           ColourCase{"TopByteIgnored", 0xFF123456, {0x56, 0x34, 0x12}}),
                         testing::CaseName<ColourCase>);

TEST(IntroTexture, UploadCallsInOrder)
{
    const IntroImage image = ConvertIntroPicture(CoordinateColour);
    FakeGL fake;
    const GLuint texture = UploadIntroTexture(image);
    const std::vector<std::string> expected = {
        CallText("glGenTextures", 1),
        CallText("glBindTexture", 0x0DE1u, FakeGL::kTextureName),
        CallText("glTexParameteri", 0x0DE1u, 0x2801u, 0x2601),
        CallText("glTexParameteri", 0x0DE1u, 0x2800u, 0x2601),
        CallText("glTexImage2D", 0x0DE1u, 0, 3, 256, 256, 0, 0x1907u, 0x1401u),
    };
    EXPECT_EQ(FakeGL::Calls(), expected);
    EXPECT_EQ(texture, FakeGL::kTextureName);
    EXPECT_EQ(FakeGL::TexImagePixels(), image.pixels);
}

TEST(IntroTexture, UploadWithoutEntryPointsDoesNothing)
{
    FakeGL fake(GLEntryPoints{});
    const GLuint texture = UploadIntroTexture(ConvertIntroPicture(CoordinateColour));
    EXPECT_TRUE(FakeGL::Calls().empty());
    EXPECT_EQ(texture, 0u);
}

}  // namespace
}  // namespace zef
