#include "app/StatusLayout.h"

#include <cmath>

int TwipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

StatusLayout ComputeStatusLayout(int currentHeight, int upcomingHeight, double dotsPerInch) {
    StatusLayout layout;
    layout.currentTop = TwipsToPixels(kCurrentLabelTopTwips, dotsPerInch);
    layout.upcomingTop =
        layout.currentTop + currentHeight + TwipsToPixels(kLabelGapTwips, dotsPerInch);
    layout.windowHeight =
        TwipsToPixels(kHeightAllowanceTwips, dotsPerInch) + currentHeight + upcomingHeight;
    return layout;
}
