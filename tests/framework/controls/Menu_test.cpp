#include "framework/Menu.h"
#include "framework/Wnd.h"

#include "ControlsTestResources.h"
#include "PopupMenuDriver.h"

#include <gtest/gtest.h>

TEST(MenuTest, LoadsChineseTextsFromTheResourceScript)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    ASSERT_EQ(2u, menu.GetMenuItemCount());
    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_STREQ("文件(&F)", text);
    menu.GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_STREQ("编辑(&E)", text);

    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, file);
    EXPECT_EQ(3u, file->GetMenuItemCount());
    EXPECT_EQ((UINT)ID_TEST_OPEN, file->GetMenuItemID(0));
    EXPECT_EQ(0u, file->GetMenuItemID(1));
    int length = file->GetMenuString(ID_TEST_OPEN, text, MF_BYCOMMAND);
    EXPECT_STREQ("打开(&O)...\tCtrl+F5", text);
    EXPECT_EQ(text.GetLength(), length);
    file->GetMenuString(ID_TEST_EXIT, text, MF_BYCOMMAND);
    EXPECT_STREQ("退出(&X)", text);

    CMenu* edit = menu.GetSubMenu(1);
    EXPECT_EQ((UINT)-1, edit->GetMenuItemID(2));
    EXPECT_NE(0u, edit->GetMenuState(ID_TEST_COPY, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_NE(0u, edit->GetMenuState(ID_TEST_PASTE, MF_BYCOMMAND) & MF_GRAYED);
    ASSERT_NE(nullptr, edit->GetSubMenu(2));
    edit->GetSubMenu(2)->GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_STREQ("第一项", text);
    EXPECT_EQ(nullptr, edit->GetSubMenu(0));
}

TEST(MenuTest, LoadsAMenuByItsQuotedChineseName)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu("右键菜单"));
    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_STREQ("TAB_NULL", text);
    EXPECT_EQ((UINT)ID_TEST_MENU_NAMED, menu.GetSubMenu(0)->GetMenuItemID(0));
}

TEST(MenuTest, MissingResourceLeavesTheMenuEmpty)
{
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(9999));
    EXPECT_EQ(nullptr, menu.GetSafeHmenu());
    EXPECT_EQ(0u, menu.GetMenuItemCount());
}

TEST(MenuTest, CheckEnableAndModifyReturnThePreviousState)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMenu* edit = menu.GetSubMenu(1);
    EXPECT_EQ((UINT)MF_CHECKED, edit->CheckMenuItem(ID_TEST_COPY, MF_BYCOMMAND | MF_UNCHECKED));
    EXPECT_EQ(0u, edit->GetMenuState(ID_TEST_COPY, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ((UINT)MF_GRAYED, edit->EnableMenuItem(ID_TEST_PASTE, MF_BYCOMMAND | MF_ENABLED));
    EXPECT_EQ(0u, edit->GetMenuState(ID_TEST_PASTE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ((UINT)-1, edit->CheckMenuItem(12345, MF_BYCOMMAND | MF_CHECKED));

    ASSERT_TRUE(edit->ModifyMenu(ID_TEST_COPY, MF_BYCOMMAND | MF_STRING, ID_TEST_COPY, "剪切(&T)"));
    CString text;
    edit->GetMenuString(ID_TEST_COPY, text, MF_BYCOMMAND);
    EXPECT_STREQ("剪切(&T)", text);
}

TEST(MenuTest, DeleteMenuOfAPopupDestroysItAndRemoveMenuKeepsIt)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    HMENU more = ::GetSubMenu(menu.GetSubMenu(1)->GetSafeHmenu(), 2);
    ASSERT_TRUE(menu.GetSubMenu(1)->RemoveMenu(2, MF_BYPOSITION));
    EXPECT_TRUE(::IsMenu(more));
    CMenu kept;
    ASSERT_TRUE(kept.Attach(more));

    HMENU file = menu.GetSubMenu(0)->GetSafeHmenu();
    ASSERT_TRUE(menu.DeleteMenu(0, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(file));
    EXPECT_EQ(1u, menu.GetMenuItemCount());
}

TEST(MenuTest, BuiltPopupIsDestroyedWithItsOwner)
{
    HMENU handle;
    {
        CMenu popup;
        ASSERT_TRUE(popup.CreatePopupMenu());
        popup.AppendMenu(MF_STRING, 1, "一");
        popup.AppendMenu(MF_SEPARATOR);
        popup.InsertMenu(0, MF_BYPOSITION | MF_STRING, 2, "二");
        EXPECT_EQ(3u, popup.GetMenuItemCount());
        EXPECT_EQ(2u, popup.GetMenuItemID(0));
        handle = popup;
        CMenu::FromHandle(handle);
        CMenu::DeleteTempMap();
        EXPECT_TRUE(::IsMenu(handle));
    }
    EXPECT_FALSE(::IsMenu(handle));
}

TEST(MenuTest, TrackPopupMenuReturnsTheCommandChosenWithTheKeyboard)
{
    // A plain window as the owner: a framework window would disable the items, which have no
    // handlers on its command route, when the popup opens.
    HWND plain = ::CreateWindowEx(0, "STATIC", "菜单", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(nullptr, plain);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    BOOL command;
    {
        // The menu's loop reads the keys posted to the popup: Down selects the first item.
        PopupMenuDriver driver(::GetCurrentThreadId(), [](HWND popup) {
            ::PostMessage(popup, WM_KEYDOWN, VK_DOWN, 0);
            ::PostMessage(popup, WM_KEYDOWN, VK_RETURN, 0);
        });
        command = menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, 20, 20,
                                                     CWnd::FromHandle(plain));
        EXPECT_TRUE(driver.Found());
    }
    EXPECT_EQ(ID_TEST_OPEN, command);
#ifdef NDEBUG
    // A missing owner is a caller's fault that assertions stop; without them it is refused.
    EXPECT_FALSE(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr));
#endif
    ::DestroyWindow(plain);
}
