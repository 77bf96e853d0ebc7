#include "intro_picture.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zef {
namespace {

using Texel = std::array<std::uint8_t, 3>;

Texel TexelAt(const IntroImage& image, std::size_t offset)
{
    return {image.pixels[offset], image.pixels[offset + 1], image.pixels[offset + 2]};
}

template <typename T>
T LittleEndianAt(const QByteArray& bytes, int offset)
{
    T value{};
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

TEST(IntroPicture, IsAnUncompressedBottomUp24BitBitmap)
{
    QFile file(IntroPicturePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bmp = file.readAll();
    ASSERT_EQ(bmp.size(), 196662);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(LittleEndianAt<std::uint32_t>(bmp, 2), 196662u);  // file size
    EXPECT_EQ(LittleEndianAt<std::uint32_t>(bmp, 10), 54u);     // pixel offset
    EXPECT_EQ(LittleEndianAt<std::uint32_t>(bmp, 14), 40u);     // header size
    EXPECT_EQ(LittleEndianAt<std::int32_t>(bmp, 18), 256);      // width
    EXPECT_EQ(LittleEndianAt<std::int32_t>(bmp, 22), 256);      // height; positive: bottom-up
    EXPECT_EQ(LittleEndianAt<std::uint16_t>(bmp, 28), 24u);     // bits per pixel
    EXPECT_EQ(LittleEndianAt<std::uint32_t>(bmp, 30), 0u);      // no compression
    EXPECT_EQ(LittleEndianAt<std::int32_t>(bmp, 38), 2834);     // pixels per metre
    EXPECT_EQ(LittleEndianAt<std::int32_t>(bmp, 42), 2834);
}

TEST(IntroPicture, ShowsYellowLettersOnBlackAboveADarkRedStrip)
{
    const QImage picture = IntroPicture();
    ASSERT_EQ(picture.size(), QSize(256, 256));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
    const QRgb letter = picture.pixel(128, 120);  // the middle bar of the E
    EXPECT_GT(qRed(letter), 200);
    EXPECT_GT(qGreen(letter), 180);
    EXPECT_LT(qBlue(letter), 80);
    const QRgb strip = picture.pixel(2, 250);
    EXPECT_GT(qRed(strip), 90);
    EXPECT_LT(qGreen(strip), 30);
    EXPECT_LT(qBlue(strip), 30);
}

// The conversion of a QImage, in the intro texture's suite.
TEST(IntroTexture, ReadsAQImageTheSameWay)
{
    QImage picture(256, 256, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(255, 255, qRgb(0, 0, 255));
    picture.setPixel(0, 255, qRgb(1, 2, 3));
    const IntroImage image = ConvertIntroPicture(picture);
    EXPECT_EQ(TexelAt(image, 195840), (Texel{255, 0, 0}));
    EXPECT_EQ(TexelAt(image, 765), (Texel{0, 0, 255}));
    EXPECT_EQ(TexelAt(image, 0), (Texel{1, 2, 3}));
}

TEST(IntroTexture, SmallerQImageReadsBlackOutside)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const IntroImage image = ConvertIntroPicture(picture);
    EXPECT_EQ(TexelAt(image, 195840), (Texel{255, 255, 255}));  // (0, 0)
    EXPECT_EQ(TexelAt(image, 0), (Texel{0, 0, 0}));             // (0, 255)
}

}  // namespace
}  // namespace zef
