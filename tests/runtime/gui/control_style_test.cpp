#include <gtest/gtest.h>

#include <cstring>

#include "display_fixture.h"
#include "runtime/源码/视窗.h"

namespace {

const ControlStyle kProgramSet = {0x10000000, 0x10000000};

struct StyleCase {
    const char* what;
    ControlKind kind;
    DWORD word;
    DWORD style;
    DWORD exStyle;
};

const StyleCase kStyleCases[] = {
    {"word 0 is kind 0 of the table", kControlButton, 0, 0x50010000, 0},
    {"button kind 1", kControlButton, 0x80000001, 0x50018000, 0},
    {"button kind 2", kControlButton, 0x80000002, 0x50818000, 0},
    {"button kind 4", kControlButton, 0x80000004, 0x50010000, 0x20000},
    {"button kind 6", kControlButton, 0x80000006, 0x50010000, 0x201},
    {"invisible default push button", kControlButton, 0x80000000 | 0x400 | 0x1000, 0x40010001, 0},
    {"button flat and multi-line", kControlButton, 0x80000000 | 0x2000 | 0x100, 0x50016000, 0},
    {"disabled adds WS_DISABLED", kControlButton, 0x80000000 | 0x8000000, 0x58010000, 0},
    {"transparent adds to the extended style", kControlButton, 0x80000003 | 0x800, 0x50010000, 0x21},
    {"word without bit 31 is the platform style", kControlButton, 0x50000400 | 0x800, 0x50000C00, 0},
    {"exactly kind 7 takes the program pair", kControlButton, 0x80000007, 0x10000000, 0x10000000},
    {"kind 7 with flags applies them to the pair", kControlButton, 0x80000007 | 0x1000, 0x10000001, 0x10000000},
    {"kind beyond the table takes the pair", kControlCheckBox, 0x80000002, 0x10000000, 0x10000000},
    {"check box kind 1 has its text on the left", kControlCheckBox, 0x80000001, 0x50010023, 0},
    {"check box push-like", kControlCheckBox, 0x80000000 | 0x1000, 0x50030003, 0},
    {"radio button", kControlRadioButton, 0x80000000, 0x50010009, 0},
    {"radio button kind 1", kControlRadioButton, 0x80000001 | 0x100, 0x50014029, 0},
    {"group box kind 2", kControlGroupBox, 0x80000002, 0x50808007, 0},
    {"group box kind 4 takes the button's extended style", kControlGroupBox, 0x80000004, 0x50000007, 0x20000},
    {"group box ignores the button flags", kControlGroupBox, 0x80000000 | 0x1000, 0x50000007, 0},
    {"label keeps its 0xC style", kControlLabel, 0x80000000, 0x5000000C, 0},
    {"label 0x1000 gives 0xE", kControlLabel, 0x80000000 | 0x1000, 0x5000000E, 0},
    {"label 0x1000 and 0x2000 give 0x2", kControlLabel, 0x80000000 | 0x1000 | 0x2000, 0x50000002, 0},
    {"label kind 5 sunken", kControlLabel, 0x80000005, 0x5000000C, 0x200},
    {"label kind 4", kControlLabel, 0x80000004 | 0x100, 0x5000500C, 0},
    {"picture", kControlPicture, 0x80000002, 0x5080000E, 0},
    {"picture 0x1000 becomes an icon frame", kControlPicture, 0x80000000 | 0x1000 | 0x200, 0x50000203, 0},
    {"edit kind 0 is sunken", kControlEdit, 0x80000000, 0x50010000, 0x200},
    {"edit kind 6 keeps 0xC", kControlEdit, 0x80000006, 0x5000000C, 0x201},
    {"edit password, right, multi-line, want-return", kControlEdit, 0x80000001 | 0x20 | 0x1000 | 0x200 | 0x2000 | 0x100, 0x50011026, 0},
    {"edit centred", kControlEdit, 0x80000001 | 0x200, 0x50010001, 0},
    {"rich edit ignores the edit's alignment", kControlRichEdit, 0x80000001 | 0x1000 | 0x2000, 0x50010004, 0},
    {"combo box kind 1", kControlComboBox, 0x80000001, 0x50010002, 0},
    {"combo box kind 2", kControlComboBox, 0x80000002, 0x50010003, 0},
    {"combo box kind 3", kControlComboBox, 0x80000003, 0x50010001, 0},
    {"combo box kind 4 takes the pair", kControlComboBox, 0x80000004, 0x10000000, 0x10000000},
    {"list box", kControlListBox, 0x80000000 | 0x2000 | 0x1000, 0x5001014B, 0x200},
    {"list box kind 6", kControlListBox, 0x80000006, 0x50010141, 0x201},
    {"vertical scroll bar", kControlScrollBar, 0x80000002, 0x50000001, 0},
    {"scroll bar has no transparent style", kControlScrollBar, 0x80000000 | 0x800, 0x50000000, 0},
};

TEST(ControlStyleWords, ResolveTable)
{
    for (const StyleCase& c : kStyleCases) {
        ControlStyle s = WndResolveControlStyle(c.kind, c.word, kProgramSet);
        EXPECT_EQ(s.style, c.style) << c.what;
        EXPECT_EQ(s.exStyle, c.exStyle) << c.what;
    }
}

TEST(ControlClassNames, MapTable)
{
    struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"按钮", "BUTTON"},
        {"组合框", "COMBOBOX"},
        {"编辑框", "EDIT"},
        {"列表框", "LISTBOX"},
        {"多文档用户区", "MDICLIENT"},
        {"富文本编辑框", "RichEdit"},
        {"富文本2代", "RICHEDIT_CLASS"},
        {"滚动条", "SCROLLBAR"},
        {"静态框", "STATIC"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(WndMapClassName(c.name), c.expected);
}

TEST(ControlClassNames, OtherNamesPassThroughUnchanged)
{
    const char* longer = "按钮组";
    const char* unknown = "MyClass";
    const char* prefixOnly = "按";
    EXPECT_EQ(WndMapClassName(longer), longer);
    EXPECT_EQ(WndMapClassName(unknown), unknown);
    EXPECT_EQ(WndMapClassName(prefixOnly), prefixOnly);
    EXPECT_EQ(WndMapClassName(nullptr), nullptr);
}

class ControlTest : public DisplayTest {
protected:
    void TearDown() override
    {
        WndSetControlStyle(0x10000000, 0x10000000);
        WndSetDefaultControlFont(nullptr);
        DisplayTest::TearDown();
    }
};

TEST_F(ControlTest, ButtonWithWordZeroIsAVisibleTabStopPushButtonOfTheDisplay)
{
    OpenDisplay();
    HWND button = WndCreateButton(nullptr, "确认", 10, 10, 80, 24, 0, 101);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetParent(button), Window());
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)), 0x50010000u);
    EXPECT_EQ(GetDlgCtrlID(button), 101);
    char text[16] = {};
    GetWindowTextA(button, text, sizeof text);
    EXPECT_STREQ(text, "确认");
}

TEST_F(ControlTest, HiddenDefaultPushButton)
{
    OpenDisplay();
    HWND button = WndCreateButton(nullptr, "OK", 0, 0, 80, 24, 0x80000000 | 0x400 | 0x1000, 1);
    ASSERT_NE(button, nullptr);
    DWORD style = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
    EXPECT_FALSE(IsWindowVisible(button));
    EXPECT_EQ(style & 0xF, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST_F(ControlTest, EditKindSixAndProgramSetPair)
{
    OpenDisplay();
    HWND edit = WndCreateEdit(nullptr, "", 0, 0, 80, 24, 0x80000006, 2);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(edit, GWL_EXSTYLE)) & 0x201, 0x201u);

    WndSetControlStyle(0x50000000 | ES_READONLY, 0);
    EXPECT_EQ(WndGetControlStyle(0), static_cast<DWORD>(0x50000000 | ES_READONLY));
    EXPECT_EQ(WndGetControlStyle(1), 0u);
    HWND readOnly = WndCreateEdit(nullptr, "", 0, 30, 80, 24, 0x80000007, 3);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_TRUE(GetWindowLongA(readOnly, GWL_STYLE) & ES_READONLY);
}

TEST_F(ControlTest, DefaultControlFontIsSentToNewControls)
{
    OpenDisplay();
    HFONT font = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
    WndSetDefaultControlFont(font);
    EXPECT_EQ(WndGetDefaultControlFont(), font);
    HWND label = WndCreateLabel(nullptr, "标签", 0, 0, 80, 24, 0, 4);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), font);
    DestroyWindow(label);
    DeleteObject(font);
}

TEST_F(ControlTest, ConstructorsCreateTheirClasses)
{
    OpenDisplay();
    struct {
        HWND (*create)(HWND, const char*, int, int, int, int, DWORD, int);
        const char* className;
    } cases[] = {
        {WndCreateCheckBox, "Button"}, {WndCreateRadioButton, "Button"},
        {WndCreateGroupBox, "Button"}, {WndCreatePicture, "Static"},
        {WndCreateComboBox, "ComboBox"}, {WndCreateListBox, "ListBox"},
        {WndCreateScrollBar, "ScrollBar"},
    };
    int id = 10;
    for (const auto& c : cases) {
        HWND control = c.create(nullptr, "", 0, 0, 60, 60, 0, id++);
        ASSERT_NE(control, nullptr) << c.className;
        char name[32] = {};
        GetClassNameA(control, name, sizeof name);
        EXPECT_EQ(lstrcmpiA(name, c.className), 0) << name;
    }
}

TEST_F(ControlTest, WindowsOfRegisteredClassesAndChineseClassNames)
{
    OpenDisplay();
    ATOM atom = WndRegisterClass("墨测试窗口", DefWindowProcA, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(atom, 0);
    WNDCLASSA info = {};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "墨测试窗口", &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(2));
    EXPECT_NE(info.hCursor, nullptr);

    HWND top = WndCreate("墨测试窗口", "标题", 0, 0, 0, 100, 100, GetDesktopWindow(), nullptr, nullptr);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(top, GWL_STYLE)) & WS_OVERLAPPEDWINDOW,
              static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
    HWND edit = WndCreateEx(WS_EX_CLIENTEDGE, "编辑框", "x", WS_CHILD, 0, 0, 50, 20, top,
                            reinterpret_cast<HMENU>(7), nullptr);
    ASSERT_NE(edit, nullptr);
    char name[16] = {};
    GetClassNameA(edit, name, sizeof name);
    EXPECT_EQ(lstrcmpiA(name, "Edit"), 0);
    DestroyWindow(top);
    UnregisterClassA("墨测试窗口", GetModuleHandleA(nullptr));
}

}  // namespace
