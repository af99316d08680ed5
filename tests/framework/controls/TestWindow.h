#pragma once
#include "framework/Wnd.h"

// A hidden top-level window of the framework's own class to hold controls under test.
class TestWindow : public CWnd {
public:
    TestWindow()
    {
        CreateEx(0, nullptr, "控件测试", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr);
    }
    ~TestWindow() override { DestroyWindow(); }
};
