#include "intro_picture.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>

#include <cstdint>
#include <cstring>

namespace zef {
namespace {

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

}  // namespace
}  // namespace zef
