// Whether the installed driver is recent enough, from its "ProductID".
#pragma once

// 9.76 or later: the program runs at all.
bool IsDriverSupported();
// 9.80 or later: speed and acceleration can be handed between driver and Windows.
bool IsSpeedMethodSupported();
