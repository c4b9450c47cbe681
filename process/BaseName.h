// The file-name part of a path. Platform-free: it also builds natively.
#pragma once

// The text after the last backslash of `path`, or the whole path when it holds none.
// Points into `path`; a null path gives "".
const char* BaseNameOf(const char* path);
