#include "editor/view/ClipboardText.h"

#include <algorithm>

bool SetClipboardText(IClipboard& clipboard, const CStringLineList& lines)
{
    const int size = lines.TotalLength() + 2;
    std::string buffer((size_t)size, '\0');
    const int written = lines.JoinCrLf(&buffer[0], size);
    // JoinCrLf ends the text with two zero bytes; the clipboard gets the text itself.
    const int length = std::max(0, written - 2);
    return clipboard.PutText(buffer.data(), length);
}

bool GetClipboardText(IClipboard& clipboard, CStringLineList& lines)
{
    std::string bytes;
    if (!clipboard.GetText(bytes))
        return false;
    lines.SplitText(bytes.data(), (int)bytes.size());
    return true;
}
