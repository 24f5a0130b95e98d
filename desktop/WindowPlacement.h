#pragma once

#include <QRect>

// True when at least a quarter of the window would show on one of the current screens: enough to
// see it and drag it back.
bool ShowsEnoughOnAScreen(const QRect& window);
