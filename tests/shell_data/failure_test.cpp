// A numerical failure in the list ends it at the failing line: what was written stays, nothing
// escapes to the caller, no infinity or NaN is written, and the next click works.

#include <cmath>

#include "data_fixture.h"

namespace shelldata {
namespace {

class ListFailure : public DataListTest {};

TEST_F(ListFailure, ZeroDenominatorEndsTheListAtItsLine) {
    // The last run was at the equator; the latitude box now says 45. The horizontal hour
    // divides by tan(30) * sin(latitude of the run) = 0.
    wall("30", "0");
    lastRun(0);
    inputs.setText("txtLAT", "45");
    ASSERT_NO_THROW(click());
    const auto all = texts();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front(), "DATA: ");
    EXPECT_EQ(all.back(), "substyle hour:    18 h");
    EXPECT_EQ(plot.displayList().texts.size(), all.size());
    EXPECT_FALSE(services.busy);
    EXPECT_TRUE(services.messages.empty());

    // After a run at the new latitude the whole list is written again.
    lastRun(45);
    device.forget();
    click();
    EXPECT_EQ(texts().back(), "critical declination of the sun = -20.7");
}

TEST_F(ListFailure, OverflowNeverReachesTheText) {
    inputs.setText("txtStilo", "1e300");  // its square overflows
    ASSERT_NO_THROW(click());
    const auto all = texts();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back(), "Perpendicular style: cathetus 1E+300");
    for (const auto& text : all) {
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    }
}

TEST_F(ListFailure, FailureBeforeAnyLineWritesNothing) {
    inputs.setText("txtReclinZ", "1e308");  // degrees to radians overflows
    ASSERT_NO_THROW(click());
    EXPECT_TRUE(texts().empty());
    EXPECT_TRUE(plot.displayList().texts.empty());
}

}  // namespace
}  // namespace shelldata
