#pragma once
#include <windows.h>

#include <vector>

// Presses the keys in order with the modifier (0: none) held around them, through the
// platform's input as the keyboard does; they go to whatever window has the focus.
inline void PressKeys(WORD modifier, const std::vector<WORD>& keys)
{
    std::vector<INPUT> inputs;
    auto add = [&](WORD key, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (modifier != 0)
        add(modifier, 0);
    for (WORD key : keys) {
        add(key, 0);
        add(key, KEYEVENTF_KEYUP);
    }
    if (modifier != 0)
        add(modifier, KEYEVENTF_KEYUP);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Sends mouse buttons (MOUSEEVENTF_LEFTDOWN…) through the platform's input, each at the screen
// point given rather than wherever the pointer stands: Wine can still apply a late pointer
// event of an earlier SetCursorPos after a wait saw the pointer in place, and a button sent
// without a position then lands there.
inline void PressMouseAt(POINT at, const std::vector<DWORD>& buttons)
{
    std::vector<INPUT> inputs;
    for (DWORD button : buttons) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = at.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = at.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = button | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
