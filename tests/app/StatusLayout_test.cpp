#include "app/StatusLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(TwipsToPixels, ScalesWithTheScreensResolutionAndRounds) {
    struct Case {
        int twips;
        double dpi;
        int pixels;
    };
    const Case cases[] = {
        {1440, 96, 96}, {500, 96, 33},  {100, 96, 7},   {900, 96, 60}, {20, 96, 1}, {4320, 96, 288},
        {500, 144, 50}, {100, 144, 10}, {900, 120, 75}, {100, 120, 8}, {0, 96, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
    }
}

TEST(ComputeStatusLayout, ListsBelowTheBandWithAGapAndTheWindowFitsBoth) {
    struct Case {
        int currentHeight;
        int upcomingHeight;
        double dpi;
        StatusLayout expected;
    };
    const Case cases[] = {
        {15, 15, 96, {33, 55, 90}},   {15, 45, 96, {33, 55, 120}}, {60, 15, 96, {33, 100, 135}},
        {19, 38, 144, {50, 79, 147}}, {0, 0, 96, {33, 40, 60}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComputeStatusLayout(c.currentHeight, c.upcomingHeight, c.dpi), c.expected)
            << c.currentHeight << "+" << c.upcomingHeight << " at " << c.dpi;
    }
}

}  // namespace
