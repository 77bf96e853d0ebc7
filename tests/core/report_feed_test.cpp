// The report view's feed: a report that only grew is appended at the end of
// what the control shows, counted in the control's own units; anything else
// reloads the control whole.
#include "report_feed.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <vector>

namespace zef {
namespace {

// Counts a text's length in code points, as a control of UTF-16 counts a
// Czech letter once where UTF-8 has two bytes.
std::size_t CodePoints(const std::string& text)
{
    std::size_t count = 0;
    for (const char byte : text) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

class RecordedControl : public ReportControl {
public:
    std::size_t setText(const std::string& text) override
    {
        last = "whole " + text;
        // The control tells of its own change, as EN_CHANGE does.
        feed->changed();
        return CodePoints(text);
    }
    std::size_t insertText(std::size_t position, const std::string& text) override
    {
        last = "at " + std::to_string(position) + " " + text;
        feed->changed();
        return CodePoints(text);
    }
    void scrollToEnd() override { ++scrolls; }

    ReportFeed* feed = nullptr;
    std::string last;
    int scrolls = 0;
};

struct FeedCase {
    std::string name;
    std::vector<std::string> shownBefore;  // Windows-1250
    bool editedSince = false;
    std::string report;
    std::string expected;  // what the control was told last (UTF-8, '\n')
};

class ReportFeedTest : public ::testing::TestWithParam<FeedCase> {};

TEST_P(ReportFeedTest, TellsTheControlWhatToShow)
{
    const FeedCase& c = GetParam();
    RecordedControl control;
    ReportFeed feed(control);
    control.feed = &feed;
    for (const std::string& report : c.shownBefore) {
        feed.show(report);
    }
    if (c.editedSince) {
        feed.changed();
    }
    control.last.clear();
    feed.show(c.report);
    EXPECT_EQ(control.last, c.expected);
    EXPECT_EQ(control.scrolls, static_cast<int>(c.shownBefore.size()) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportFeedTest,
    ::testing::Values(FeedCase{"FirstIsWhole", {}, false, "a\r\n", "whole a\n"},
                      FeedCase{"GrowthAppendsTheNewPart", {"a\r\n"}, false, "a\r\nb\r\n", "at 2 b\n"},
                      FeedCase{"PositionInTheControlsUnits", {"\xE8\r\n"}, false, "\xE8\r\nx", "at 2 x"},
                      FeedCase{"SameReportAddsNothing", {"a\r\n"}, false, "a\r\n", ""},
                      FeedCase{"EditedViewReloadsWhole", {"a\r\n"}, true, "a\r\nb", "whole a\nb"},
                      FeedCase{"ShorterReportReloadsWhole", {"abc"}, false, "x", "whole x"},
                      FeedCase{"CrAtTheOldEndReloadsWhole", {"a\r"}, false, "a\r\nb", "whole a\nb"}),
    testing::CaseName<FeedCase>);

}  // namespace
}  // namespace zef
