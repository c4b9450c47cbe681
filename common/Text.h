// Text rules shared by the whole program. Platform-free: they also build natively.
#pragma once

namespace text {

// atoi semantics (leading white space, an optional sign, digits up to the first
// non-digit, 0 without digits), saturating at the int range instead of overflowing.
int ToInt(const char* text);

// Whole-text comparison that folds only the letters A-Z onto a-z.
bool EqualsIgnoreCase(const char* a, const char* b);

}  // namespace text
