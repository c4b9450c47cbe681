// A picture of a window as the user sees it, saved as a PNG file.
#pragma once

#include <windows.h>

// Copies the window, frame included, from its device context. False on failure.
bool SaveWindowPng(HWND window, const char* path);
