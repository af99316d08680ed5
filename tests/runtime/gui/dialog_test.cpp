#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "display_fixture.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/视窗.h"
#include "runtime/源码/视窗支持.h"

namespace {

// Template words in order, read back from a built block.
struct TemplateView {
    DWORD style, exStyle;
    WORD count;
    short x, y, cx, cy;
    WORD menu, windowClass;
    std::wstring title;
    WORD pointSize;
    std::wstring face;
};

TemplateView ReadTemplate(HGLOBAL block)
{
    TemplateView view;
    const BYTE* p = static_cast<const BYTE*>(GlobalLock(block));
    auto word = [&p]() { WORD w = static_cast<WORD>(p[0] | (p[1] << 8)); p += 2; return w; };
    auto text = [&]() {
        std::wstring s;
        for (WORD w; (w = word()) != 0;)
            s += static_cast<wchar_t>(w);
        return s;
    };
    view.style = word();
    view.style |= static_cast<DWORD>(word()) << 16;
    view.exStyle = word();
    view.exStyle |= static_cast<DWORD>(word()) << 16;
    view.count = word();
    view.x = static_cast<short>(word());
    view.y = static_cast<short>(word());
    view.cx = static_cast<short>(word());
    view.cy = static_cast<short>(word());
    view.menu = word();
    view.windowClass = word();
    view.title = text();
    view.pointSize = word();
    view.face = text();
    GlobalUnlock(block);
    return view;
}

std::wstring Wide(const char* gbk)
{
    wchar_t buffer[512] = {};
    MultiByteToWideChar(CP_ACP, 0, gbk, -1, buffer, 512);
    return buffer;
}

TEST(DialogTemplate, PixelsToDialogUnits)
{
    DialogUnitsRect units = DlgPixelsToUnits(80, 160, 160, 160, MAKELONG(8, 16));
    EXPECT_EQ(units.x, 40);
    EXPECT_EQ(units.y, 80);
    EXPECT_EQ(units.cx, 80);
    EXPECT_EQ(units.cy, 80);
    units = DlgPixelsToUnits(7, 15, 9, 17, MAKELONG(8, 16));
    EXPECT_EQ(units.x, 3);  // integer division
    EXPECT_EQ(units.y, 7);
    EXPECT_EQ(units.cx, 4);
    EXPECT_EQ(units.cy, 8);
}

TEST(DialogTemplate, HeaderTitleAndFont)
{
    HGLOBAL block = DlgBuildTemplate("对话框", 0, 0, 100, 50, "黑体", 9, 0x90CA00C0, 0x80);
    ASSERT_NE(block, nullptr);
    TemplateView view = ReadTemplate(block);
    EXPECT_EQ(view.style, 0x90CA00C0u);
    EXPECT_EQ(view.exStyle, 0x80u);
    EXPECT_EQ(view.count, 0);
    DialogUnitsRect units = DlgPixelsToUnits(0, 0, 100, 50, GetDialogBaseUnits());
    EXPECT_EQ(view.cx, units.cx);
    EXPECT_EQ(view.cy, units.cy);
    EXPECT_EQ(view.menu, 0);
    EXPECT_EQ(view.windowClass, 0);
    EXPECT_EQ(view.title, Wide("对话框"));
    EXPECT_EQ(view.pointSize, 9);
    EXPECT_EQ(view.face, Wide("黑体"));
    GlobalFree(block);
}

TEST(DialogTemplate, NoFaceGivesSongAtTwelvePoints)
{
    HGLOBAL block = DlgBuildTemplate(nullptr, 0, 0, 10, 10, nullptr, 30, 0x90CA00C0, 0);
    ASSERT_NE(block, nullptr);
    TemplateView view = ReadTemplate(block);
    EXPECT_EQ(view.title, L"");
    EXPECT_EQ(view.pointSize, 12);
    EXPECT_EQ(view.face, Wide("宋体"));
    GlobalFree(block);
}

TEST(DialogTemplate, LongTitleAndFaceAreCutAtACharacterBoundary)
{
    // One ASCII letter, then double-byte characters: 127 units would end half-way through
    // a character if the text were cut by bytes.
    std::string title = "a";
    for (int i = 0; i < 200; ++i)
        title += "墨";
    HGLOBAL block = DlgBuildTemplate(title.c_str(), 0, 0, 10, 10, title.c_str(), 9, 0x90CA00C0, 0);
    ASSERT_NE(block, nullptr);
    TemplateView view = ReadTemplate(block);
    std::wstring expected = L"a" + std::wstring(126, Wide("墨")[0]);
    EXPECT_EQ(view.title, expected);
    EXPECT_EQ(view.face, expected);
    EXPECT_EQ(view.pointSize, 9);
    GlobalFree(block);
}

HGLOBAL WINAPI FailingAllocator(UINT, SIZE_T)
{
    return nullptr;
}

INT_PTR CALLBACK NeverCalled(HWND, UINT, WPARAM, LPARAM)
{
    ADD_FAILURE() << "no dialog should have been created";
    return FALSE;
}

TEST(DialogTemplate, FailedTemplateAllocationReturnsTheFailureResult)
{
    DlgTemplateAllocator previous = DlgSetTemplateAllocator(FailingAllocator);
    EXPECT_EQ(DlgRunFromTemplateModal(nullptr, "t", 0, 0, 100, 100, NeverCalled, 0, nullptr, 0,
                                      0x90CA00C0, 0), -1);
    EXPECT_EQ(DlgCreateFromTemplateModeless(nullptr, "t", 0, 0, 100, 100, NeverCalled, 0,
                                            nullptr, 0, 0x90CA00C0, 0), nullptr);
    DlgSetTemplateAllocator(previous);
}

// Pop-up, caption, system menu and minimize box of the default word (the dialog is not
// visible yet while it is initialised).
const DWORD kDefaultFrameBits = 0x80CA0000;

// What a dialog saw of itself when it was initialised.
struct SeenDialog {
    DWORD style = 0;
    std::string title;
    LPARAM initParam = 0;
    HWND owner = nullptr;
    RECT rect = {};
};

INT_PTR CALLBACK RecordingDialog(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    SeenDialog* seen = reinterpret_cast<SeenDialog*>(lParam);
    seen->style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    char title[64] = {};
    GetWindowTextA(dialog, title, sizeof title);
    seen->title = title;
    seen->initParam = lParam;
    seen->owner = GetWindow(dialog, GW_OWNER);
    GetWindowRect(dialog, &seen->rect);
    EndDialog(dialog, 42);
    return TRUE;
}

INT_PTR CALLBACK PassiveDialog(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

class DialogStyleTest : public DisplayTest {
protected:
    void TearDown() override
    {
        WndDialogStyle(重置, 0, 0, nullptr);
        DisplayTest::TearDown();
    }
};

TEST_F(DialogStyleTest, ClearingTheSystemMenuReportsTheDefaultWord)
{
    DWORD old = 0;
    WndDialogStyle(清除, WS_SYSMENU, 0, &old);
    EXPECT_EQ(old, 0x90CA00C0u);
    DWORD now = 0;
    WndDialogStyle(0, 0, 0, &now);
    EXPECT_EQ(now, 0x90C200C0u);

    SeenDialog seen;
    EXPECT_EQ(WndRunDialog(nullptr, "无菜单", 0, 0, 200, 100, RecordingDialog,
                           reinterpret_cast<LPARAM>(&seen), nullptr, 0), 42);
    EXPECT_EQ(seen.style & WS_SYSMENU, 0u);
    EXPECT_EQ(seen.title, "无菜单");
}

TEST_F(DialogStyleTest, ResetRestoresTheDefaultAndSetAndAddWork)
{
    DWORD old = 0;
    WndDialogStyle(设置, 0x80C00000, 0, nullptr);
    WndDialogStyle(添加, 0x40, 0, &old);
    EXPECT_EQ(old, 0x80C00000u);
    WndDialogStyle(添加, WS_EX_TOOLWINDOW, 1, &old);
    EXPECT_EQ(old, 0u);
    WndDialogStyle(重置, 0, 1, &old);
    EXPECT_EQ(old, static_cast<DWORD>(WS_EX_TOOLWINDOW));
    WndDialogStyle(0, 0, 0, &old);
    EXPECT_EQ(old, 0x90CA00C0u);
    WndDialogStyle(0, 0, 1, &old);
    EXPECT_EQ(old, 0u);

    SeenDialog seen;
    WndRunDialog(nullptr, "默认", 0, 0, 200, 100, RecordingDialog, reinterpret_cast<LPARAM>(&seen),
                 nullptr, 0);
    EXPECT_EQ(seen.style & kDefaultFrameBits, kDefaultFrameBits);
}

TEST_F(DialogStyleTest, LargeXCentresTheDialogAndIgnoresY)
{
    OpenDisplay();
    SeenDialog seen;
    EXPECT_EQ(WndRunDialog(nullptr, "居中", 0x100000, 12345, 200, 100, RecordingDialog,
                           reinterpret_cast<LPARAM>(&seen), nullptr, 0), 42);
    EXPECT_EQ(seen.owner, Window());
    EXPECT_EQ(seen.initParam, reinterpret_cast<LPARAM>(&seen));
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_LT(std::abs((seen.rect.left + seen.rect.right) / 2 - screenWidth / 2), 40);
    EXPECT_LT(std::abs((seen.rect.top + seen.rect.bottom) / 2 - screenHeight / 2), 40);
}

TEST_F(DialogStyleTest, ModelessDialogAndCentredRun)
{
    OpenDisplay();
    SeenDialog seen;
    EXPECT_EQ(WndRunDialogCentered("中", 200, 100, RecordingDialog,
                                   reinterpret_cast<LPARAM>(&seen)), 42);
    EXPECT_EQ(seen.owner, Window());
    EXPECT_EQ(seen.style & kDefaultFrameBits, kDefaultFrameBits);

    HWND dialog = WndCreateDialog(nullptr, "非模态", 10, 10, 200, 100, PassiveDialog, 0, "宋体", 9);
    ASSERT_NE(dialog, nullptr);
    char title[32] = {};
    GetWindowTextA(dialog, title, sizeof title);
    EXPECT_STREQ(title, "非模态");
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), Window());
    DestroyWindow(dialog);
}

TEST_F(DialogStyleTest, DialogItemsDefaultToTheDisplayWindow)
{
    OpenDisplay();
    HWND edit = WndCreateEdit(nullptr, "", 0, 0, 80, 20, 0, 1004);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(WndGetDlgItem(nullptr, 1004), edit);
    EXPECT_TRUE(WndSetDlgItemText(nullptr, 1004, "阿满"));
    char text[10] = {};
    EXPECT_EQ(WndGetDlgItemText(nullptr, 1004, text, sizeof text), 4u);
    EXPECT_STREQ(text, "阿满");
    EXPECT_TRUE(WndSetDlgItemInt(nullptr, 1004, static_cast<UINT>(-5), TRUE));
    BOOL translated = FALSE;
    EXPECT_EQ(static_cast<int>(WndGetDlgItemInt(nullptr, 1004, &translated, TRUE)), -5);
    EXPECT_TRUE(translated);
}

TEST(FileDialogFilter, DefaultFilterBecomesTwoStringsAndAnEmptyOne)
{
    char* block = DlgConvertFilter(nullptr);
    ASSERT_NE(block, nullptr);
    std::string all(block, std::strlen("全部(*.*)|*.*") + 2);
    EXPECT_EQ(all, std::string("全部(*.*)\0*.*\0\0", all.size()));
    MemFree(block, __FILE__, __LINE__);
}

TEST(FileDialogFilter, FilterBarIsReplacedOnlyAsASingleByteCharacter)
{
    // 0x81 0x7C is one GBK character whose trail byte is '|'.
    const char filter[] = "\x81\x7C|*.txt";
    char* block = DlgConvertFilter(filter);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::string(block, sizeof filter + 1), std::string("\x81\x7C\0*.txt\0\0", sizeof filter + 1));
    MemFree(block, __FILE__, __LINE__);
}

TEST(FileDialogFilter, FilterEndingInPartOfACharacterKeepsItsBytesAndTerminators)
{
    // A lead byte, or a lead byte and a digit, at the end: the scan must stop at the copy's
    // end rather than join them with the bytes after it.
    const std::string cases[] = {
        std::string("a|\x81"),
        std::string("a|\x81\x30"),
        std::string("a|\x81\x30\x81"),
    };
    for (const std::string& filter : cases) {
        SCOPED_TRACE(testing::PrintToString(filter));
        char* block = DlgConvertFilter(filter.c_str());
        ASSERT_NE(block, nullptr);
        std::string expected = filter + std::string(2, '\0');
        expected[1] = '\0';
        EXPECT_EQ(std::string(block, filter.size() + 2), expected);
        MemFree(block, __FILE__, __LINE__);
    }
}

TEST(FileDialogFlags, LibraryAndPlatformFlags)
{
    struct {
        DWORD flags;
        int save;
        DWORD expected;
    } cases[] = {
        {0, 0, 0x80000},
        {0, 1, 0x88000},
        {0x80000000, 0, 0x80000},
        {0x80000001, 0, 0x80200},
        {0x80000001, 1, 0x88000},            // multiple selection is for opening only
        {0x80000002 | 0x4, 0, 0x83000},
        {0x80000008 | 0x10, 1, 0x8800A},
        {0x80000020, 0, 0x88000},
        {0x80000020, 1, 0x88000},
        {OFN_FILEMUSTEXIST, 0, OFN_FILEMUSTEXIST},  // platform flags replace the start value
    };
    for (const auto& c : cases)
        EXPECT_EQ(DlgFileDialogFlags(c.flags, c.save), c.expected) << std::hex << c.flags;
}

TEST(FileDialog, BufferBelowFourBytesIsRefused)
{
    char buffer[3] = {};
    EXPECT_EQ(WndOpenFileDialog(buffer, 3, nullptr, nullptr, 0, nullptr, nullptr, 0), -1);
    EXPECT_EQ(WndSaveFileDialog(nullptr, 10, nullptr, nullptr, 0, nullptr, nullptr, 0), -1);
}

}  // namespace
