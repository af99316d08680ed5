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
