#include "editor/shell/SystemClipboard.h"

#include <cstring>

bool CSystemClipboard::PutText(const char* bytes, int length)
{
    if (length < 0 || (length > 0 && bytes == nullptr) || !::OpenClipboard(m_owner))
        return false;
    ::EmptyClipboard();
    bool done = false;
    if (HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, (SIZE_T)length + 1)) {
        if (char* data = static_cast<char*>(::GlobalLock(block))) {
            if (length > 0)
                memcpy(data, bytes, (size_t)length);
            data[length] = '\0';
            ::GlobalUnlock(block);
            done = ::SetClipboardData(CF_TEXT, block) != nullptr;
        }
        // Once the clipboard took the block it is the clipboard's to free.
        if (!done)
            ::GlobalFree(block);
    }
    ::CloseClipboard();
    return done;
}

bool CSystemClipboard::GetText(std::string& bytes)
{
    if (!::OpenClipboard(m_owner))
        return false;
    const bool found = ReadTextBytes(::GetClipboardData(CF_TEXT), bytes);
    ::CloseClipboard();
    return found;
}

bool ReadTextBytes(HGLOBAL block, std::string& bytes)
{
    if (!block)
        return false;
    const char* data = static_cast<const char*>(::GlobalLock(block));
    if (!data)
        return false;
    const SIZE_T size = ::GlobalSize(block);
    const void* nul = memchr(data, 0, size);
    bytes.assign(data, nul ? (size_t)(static_cast<const char*>(nul) - data) : size);
    ::GlobalUnlock(block);
    return true;
}
