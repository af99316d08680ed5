/* The input waits of the display and the key map. */
#include "runtime/源码/显示输入.h"
#include "runtime/源码/显示.h"

#include <stdlib.h>
#include <string.h>

int VdMapVirtualKey(int virtualKey)
{
    if (virtualKey >= VK_PRIOR && virtualKey <= VK_HOME)
        return kKeyPageUp + (virtualKey - VK_PRIOR);
    if (virtualKey == VK_DELETE)
        return kKeyDelete;
    if (virtualKey >= VK_LEFT && virtualKey <= VK_DOWN)
        return kKeyArrowLeft + (virtualKey - VK_LEFT);
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9)
        return kKeyNumPad0 + (virtualKey - VK_NUMPAD0);
    if (virtualKey >= VK_F1 && virtualKey <= VK_F12)
        return kKeyF1 + (virtualKey - VK_F1);
    return 0;
}

/* Whether a message is input for the waits; stores its key and notes its lParam. */
static int TakeInput(DisplayState* display, const MSG* message, int* key)
{
    if (message->hwnd != display->window)
        return 0;
    int value;
    if (message->message == display->awaitedMessage) {
        value = (int)message->wParam;
    } else if (display->systemKeys && message->message == WM_SYSKEYDOWN) {
        value = (int)message->wParam;
    } else if (!display->systemKeys && display->awaitedMessage == WM_CHAR &&
               message->message == WM_KEYDOWN &&
               (value = VdMapVirtualKey((int)message->wParam)) != 0) {
        /* value holds the mapped code */
    } else {
        return 0;
    }
    *key = value;
    display->lastInputParam = message->lParam;
    return 1;
}

static int PasteUnread(const DisplayState* display)
{
    return display->pasteBuffer && display->pasteBuffer[display->pastePosition];
}

/* The next pasted byte; CR LF arrives as one LF. */
static int TakePasteByte(DisplayState* display)
{
    const unsigned char* text = (const unsigned char*)display->pasteBuffer;
    int byte = text[display->pastePosition++];
    if (byte == '\r' && text[display->pastePosition] == '\n') {
        byte = '\n';
        display->pastePosition++;
    }
    display->lastInputParam = 0;
    return byte;
}

static int IsPasteRequest(const MSG* message)
{
    if (message->message == WM_RBUTTONDOWN)
        return 1;
    return message->message == WM_KEYDOWN && message->wParam == 'V' &&
           (GetKeyState(VK_CONTROL) & 0x8000);
}

/* Copies the clipboard text into the paste buffer; 0 when there is none or it is empty.
   The block need not hold a NUL, so the copy stops at its size. */
static int CopyClipboardText(DisplayState* display)
{
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(display->window))
        return 0;
    int copied = 0;
    HANDLE block = GetClipboardData(CF_TEXT);
    const char* text = block ? (const char*)GlobalLock(block) : NULL;
    if (text) {
        size_t blockSize = GlobalSize(block);
        size_t length = strnlen(text, blockSize);
        char* copy = length ? (char*)malloc(length + 1) : NULL;
        if (copy) {
            memcpy(copy, text, length);
            copy[length] = '\0';
            free(display->pasteBuffer);
            display->pasteBuffer = copy;
            display->pastePosition = 0;
            copied = 1;
        }
        GlobalUnlock(block);
    }
    CloseClipboard();
    return copied;
}

int VdPollInput(int* key)
{
    DisplayState* display = VdState();
    if (!display || !display->open || display->inLoop || !key)
        return 0;
    display->inLoop = 1;
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            display->exitCode = (int)message.wParam;
            VdReleaseDisplay();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
        if (TakeInput(display, &message, key)) {
            display->inLoop = 0;
            return 1;
        }
    }
    display->inLoop = 0;
    if (PasteUnread(display)) {
        *key = TakePasteByte(display);
        return 1;
    }
    return 0;
}

int VdWaitInput(int* key)
{
    DisplayState* display = VdState();
    if (!display || !display->open || display->inLoop || !key)
        return 0;
    /* Keys already queued come before the rest of a paste. */
    if (PasteUnread(display) && VdPollInput(key) == 1)
        return 1;

    display->inLoop = 1;
    MSG message = { 0 };
    BOOL got;
    int value = 0;
    int pasted = 0;
    while ((got = GetMessageA(&message, NULL, 0, 0)) != 0 && got != -1) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        if (TakeInput(display, &message, &value))
            break;
        if (message.hwnd == display->window && IsPasteRequest(&message) &&
            CopyClipboardText(display)) {
            pasted = 1;
            break;
        }
    }
    display->inLoop = 0;
    if (got == 0 || got == -1) {
        VdReleaseDisplay();
        display->exitCode = (int)message.wParam;
        return 0;
    }
    *key = pasted ? TakePasteByte(display) : value;
    return 1;
}

int GfxWaitKey(int* key)
{
    return VdWaitInput(key);
}

int GfxPollKey(int* key)
{
    return VdPollInput(key);
}

int VdGetInputParam(void)
{
    DisplayState* display = VdState();
    return display ? (int)display->lastInputParam : 0;
}

int GfxGetInputParam(void)
{
    return VdGetInputParam();
}
