#include "display_fixture.h"

#include "runtime/源码/系统.h"
#include "runtime/源码/文本控制台.h"

void DisplayTest::SetUp()
{
    VdDiscardState();
    ASSERT_NE(VdAllocState(), nullptr);
    State().instance = GetModuleHandleA(nullptr);
    SysInit();
    SysSetNoKeyboard();
    GfxSetCursorPos(0, 0, 0);
    GfxMarkScrollTop();
}

void DisplayTest::TearDown()
{
    if (VdIsOpen())
        GfxCloseDisplay(立即);
    // A loop that ended on a posted WM_QUIT leaves the window itself in place.
    if (VdState() && IsWindow(State().window))
        DestroyWindow(State().window);
    GfxFreeState();
    SysSetRedirect(0);
    SysCleanup();
    VdDiscardState();
    UnregisterClassA(kDisplayClassName, GetModuleHandleA(nullptr));
    // Anything left for a closed display must not reach the next test.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void DisplayTest::OpenDisplay(int width, int height, KindWord mode, KindWord show)
{
    ASSERT_EQ(GfxInit(nullptr, &width, &height, nullptr, mode, nullptr), 0);
    ASSERT_EQ(GfxShowDisplay(show), 0);
    ASSERT_TRUE(VdIsOpen());
}

void DisplayTest::PostChar(int character)
{
    PostMessageA(Window(), WM_CHAR, (WPARAM)character, 1);
}

void DisplayTest::PostChars(const char* text)
{
    for (const unsigned char* p = (const unsigned char*)text; *p; p++)
        PostChar(*p);
}

void DisplayTest::PostKeyDown(int virtualKey)
{
    PostMessageA(Window(), WM_KEYDOWN, (WPARAM)virtualKey, 1);
}

int ConsoleTextWidth(HDC dc, const char* text)
{
    LOGFONTA record = {};
    record.lfHeight = 16;
    lstrcpyA(record.lfFaceName, "新宋体");
    HFONT font = CreateFontIndirectA(&record);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    return size.cx;
}
