#include "framework/AppState.h"
#include "framework/CString.h"

#include "ControlsTestResources.h"

#include <gtest/gtest.h>

// The resource script is UTF-8; what the program reads is GBK, as the users' programs see it.

TEST(ResourcesTest, StringTableTextIsGbk)
{
    char text[64] = "";
    ASSERT_GT(::LoadString(AfxGetResourceHandle(), IDS_COPY_PROMPT, text, sizeof text), 0);
    EXPECT_STREQ("复制选中的文字\n复制", text);
}

TEST(ResourcesTest, AcceleratorTableHoldsItsKeys)
{
    HACCEL table = ::LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_TEST_ACCELERATORS));
    ASSERT_NE(nullptr, table);
    ACCEL entries[4];
    ASSERT_EQ(2, ::CopyAcceleratorTable(table, entries, 4));
    EXPECT_EQ(VK_F5, entries[0].key);
    EXPECT_EQ(ID_TEST_OPEN, entries[0].cmd);
    EXPECT_EQ(FVIRTKEY | FCONTROL, entries[0].fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT));
    // windres compiles "^C" as the virtual key C with Ctrl, which fires on the same keys.
    EXPECT_EQ('C', entries[1].key);
    EXPECT_EQ(FVIRTKEY | FCONTROL, entries[1].fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT));
    EXPECT_EQ(ID_TEST_COPY, entries[1].cmd);
    ::DestroyAcceleratorTable(table);
}

TEST(ResourcesTest, IconCursorAndBitmapLoad)
{
    HINSTANCE module = AfxGetResourceHandle();
    EXPECT_NE(nullptr, ::LoadIcon(module, MAKEINTRESOURCE(IDI_FRAME)));
    EXPECT_NE(nullptr, ::LoadIcon(module, "墨语言图标"));
    HCURSOR cursor = ::LoadCursor(module, MAKEINTRESOURCE(IDC_FRAME_CURSOR));
    ASSERT_NE(nullptr, cursor);
    ICONINFO info;
    ASSERT_TRUE(::GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    // The 16-pixel cursor is stretched to the system's cursor size, its hot spot with it.
    EXPECT_EQ((DWORD)(8 * ::GetSystemMetrics(SM_CXCURSOR) / 16), info.xHotspot);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    HBITMAP bitmap = ::LoadBitmap(module, MAKEINTRESOURCE(IDB_ARROWS));
    ASSERT_NE(nullptr, bitmap);
    BITMAP size;
    ::GetObject(bitmap, sizeof size, &size);
    EXPECT_EQ(27, size.bmWidth);
    EXPECT_EQ(9, size.bmHeight);
    ::DeleteObject(bitmap);
}

TEST(ResourcesTest, ToolBarResourceListsItsButtons)
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResource(module, MAKEINTRESOURCE(IDR_TEST_TOOLBAR), MAKEINTRESOURCE(241));
    ASSERT_NE(nullptr, found);
    ASSERT_EQ(16u, ::SizeofResource(module, found));
    const WORD* words = static_cast<const WORD*>(::LockResource(::LoadResource(module, found)));
    const WORD expected[] = {1, 9, 9, 4, ID_TEST_OPEN, 0, ID_TEST_COPY, ID_TEST_PASTE};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], words[i]) << i;
}
