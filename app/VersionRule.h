// The driver version rule. Platform-free: it also builds natively.
#pragma once

#include <string>

// True when the "major.minor" text names major 9 with at least `minorThreshold`,
// or any later major. The minor is padded to two digits ("9.8" is 9.80) and compared
// as a number; both parts convert like atoi.
bool IsVersionAtLeast(const std::string& productId, int minorThreshold);
