#pragma once
#include <windows.h>

#include <string>

#include "editor/view/ViewInterfaces.h"

// The system clipboard as CF_TEXT, opened for one owner window: what the views and the
// output window copy to and paste from.
class CSystemClipboard : public IClipboard {
public:
    explicit CSystemClipboard(HWND owner) : m_owner(owner) {}
    // Empties the clipboard and puts the bytes in a movable shared block with a zero byte
    // after them; false when the clipboard cannot be opened or the block not made.
    bool PutText(const char* bytes, int length) override;
    bool GetText(std::string& bytes) override;

private:
    HWND m_owner;
};

// A CF_TEXT block's text, bounded by the block's size and ended by its first NUL.
bool ReadTextBytes(HGLOBAL block, std::string& bytes);
