// Reading the rundial driver's output.

#include <gtest/gtest.h>

#include "support/rundial_output.h"

namespace {

TEST(RundialOutput, ReadsEveryRecordKindInOrder) {
    const auto out = rundial::parseRundialOutput(
        "message\tPlease use variable Y !!\n"
        "title\tDeclining,reclining dial by 3D analytic geometry, variable X\n"
        "P\t0.10000000000000001\t-0.25\t12\n"
        "L\t-1\t0\t1\t0.5\t9\r\n"
        "C\t0\t0\t0.02\t15\t-1\t1\t0\t3.1415926540000001\n"
        "P\t1e-3\t2.5e-2\t6406400\n"
        "T\t-0.5\t0.75\tQibla from South = -58.02501\xC2\xB0 azimuth\n"
        "T\t0\t0\t\n");
    EXPECT_TRUE(out.errors.empty());
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0], "Please use variable Y !!");
    EXPECT_EQ(out.title, "Declining,reclining dial by 3D analytic geometry, variable X");
    ASSERT_EQ(out.points.size(), 2u);
    EXPECT_EQ(out.points[0].x, 0.1);
    EXPECT_EQ(out.points[0].y, -0.25);
    EXPECT_EQ(out.points[1].colour, 6406400);
    ASSERT_EQ(out.lines.size(), 1u);
    EXPECT_EQ(out.lines[0].y2, 0.5);
    EXPECT_EQ(out.lines[0].colour, 9);
    ASSERT_EQ(out.circles.size(), 1u);
    EXPECT_EQ(out.circles[0].end, 3.141592654);
    ASSERT_EQ(out.drawOrder.size(), 4u);
    EXPECT_TRUE(std::holds_alternative<rundial::Point>(out.drawOrder[0]));
    EXPECT_TRUE(std::holds_alternative<rundial::Circle>(out.drawOrder[2]));
    ASSERT_EQ(out.texts.size(), 2u);
    EXPECT_EQ(out.texts[0].text, "Qibla from South = -58.02501\xC2\xB0 azimuth");
    EXPECT_EQ(out.texts[1].text, "");

    // Dial coordinates turn the plot's downward y back up.
    const auto all = rundial::dialPoints(out);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].y, 0.25);
    const auto twelve = rundial::dialPoints(out, 12);
    ASSERT_EQ(twelve.size(), 1u);
    EXPECT_EQ(twelve[0].x, 0.1);
}

TEST(RundialOutput, ReportsLinesItCannotRead) {
    const auto out = rundial::parseRundialOutput("P\t1\t2\nP\t1\tx\t3\nZ\t1\nL\t1\t2\t3\t4\t5\t6\nP 1 2 3\n");
    ASSERT_EQ(out.errors.size(), 4u);
    EXPECT_EQ(out.errors[0], "line 1: P\t1\t2");
    EXPECT_EQ(out.errors[2], "line 3: Z\t1");
    ASSERT_EQ(out.points.size(), 1u);  // a record written with blanks is read too
    EXPECT_EQ(out.points[0].colour, 3);
}

}  // namespace
