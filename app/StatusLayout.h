#pragma once

// Geometry of the status window. Sizes are kept in twips (1440 per inch) and turned into pixels
// through the screen's logical resolution, so the window keeps its proportions on any screen.

inline constexpr int kCurrentLabelTopTwips = 500;  // bare band above the lists: the drag handle
inline constexpr int kLabelGapTwips = 100;         // between the two lists
inline constexpr int kHeightAllowanceTwips = 900;  // window height beyond the two lists
inline constexpr int kCloseLabelMarginTwips = 20;  // closeLabel from the top and the right edge
inline constexpr int kInitialWidthTwips = 4320;    // three inches; the width never changes
inline constexpr int kScreenMarginTwips = 240;     // initial distance from the screen's corner

// Rounded to the nearest pixel.
int TwipsToPixels(int twips, double dotsPerInch);

// Where the two lists go and how tall the window is, in pixels.
struct StatusLayout {
    int currentTop = 0;
    int upcomingTop = 0;
    int windowHeight = 0;
    friend bool operator==(const StatusLayout&, const StatusLayout&) = default;
};

// currentLabel starts 500 twips from the top, upcomingLabel 100 twips below the bottom of
// currentLabel, and the window is 900 twips taller than the two lists together.
StatusLayout ComputeStatusLayout(int currentHeight, int upcomingHeight, double dotsPerInch);
