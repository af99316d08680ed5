#pragma once
// A test fixture with a fresh display record for each test, and helpers to open the display
// window and to post it input. The library registers its window class once and never
// unregisters it, so the fixture unregisters it after each test for the next one to open.
#include <gtest/gtest.h>

#include <windows.h>

#include "runtime/源码/显示.h"
#include "wait.h"

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    DisplayState& State() { return *VdState(); }
    // GfxInit with the given canvas request and mode, then GfxShowDisplay; asserts that the
    // display is open. Hidden by default: under a display without a window manager, hiding
    // a shown window makes Wine wait two seconds.
    void OpenDisplay(int width = 320, int height = 240, KindWord mode = 0, KindWord show = 隐藏);
    HWND Window() const { return VdGetDisplayWindow(); }

    // Posted to the display window; read by the next wait.
    void PostChar(int character);
    void PostChars(const char* text);
    void PostKeyDown(int virtualKey);
};

// The width of a text on dc in the console's default font ("新宋体", height 16).
int ConsoleTextWidth(HDC dc, const char* text);
