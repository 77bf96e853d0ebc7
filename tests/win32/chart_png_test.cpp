// The treasury chart as PNG: drawn with GDI and encoded by GDI+.
#include "chart_png.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zef {
namespace {

TurnRecording Recording()
{
    TurnRecording recording;
    for (int turn = 1; turn <= 10; ++turn) {
        recording.samples.push_back({turn, 3, 1000.0 - 250 * turn, 100.0 * turn, 0, 0, 0, 0, 0});
    }
    recording.lines.push_back({3, "Kopi", recording.samples.front(), recording.samples.back()});
    return recording;
}

TEST(ChartPng, IsAPictureOfTheChartsSize)
{
    const std::optional<std::string> png = ChartPng(MakeChartModel(Recording()), 800, 460, 96);
    ASSERT_TRUE(png);
    ASSERT_GT(png->size(), 24u);
    EXPECT_EQ(png->substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    const auto big = [&](std::size_t at) {
        return (std::uint32_t(std::uint8_t((*png)[at])) << 24) | (std::uint32_t(std::uint8_t((*png)[at + 1])) << 16) |
               (std::uint32_t(std::uint8_t((*png)[at + 2])) << 8) | std::uint32_t(std::uint8_t((*png)[at + 3]));
    };
    EXPECT_EQ(png->substr(12, 4), "IHDR");
    EXPECT_EQ(big(16), 800u);
    EXPECT_EQ(big(20), 460u);
}

}  // namespace
}  // namespace zef
