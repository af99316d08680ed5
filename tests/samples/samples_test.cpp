#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "sample_process.h"

namespace {

const char kDialogClass[] = "#32770";
const char kDisplayClass[] = "星盒—虚拟显示器";

// One control of a dialog template as the running dialog shows it.
struct ControlRow {
    int id;
    const char* className;
    const char* text;
    DWORD style;
};

// The template's style bits as the control keeps them: edits in a dialog with the 3-D look
// trade WS_BORDER for a client edge, and the tab control adds WS_CLIPSIBLINGS.
DWORD TemplateBits(DWORD style) { return style & ~(DWORD)(WS_BORDER | WS_CLIPSIBLINGS); }

void ExpectControls(HWND dialog, const ControlRow* rows, size_t count)
{
    for (size_t i = 0; i < count; i++) {
        const ControlRow& row = rows[i];
        SCOPED_TRACE(testing::Message() << "control " << row.id << " " << row.className);
        HWND control = nullptr;
        if (row.id != -1) {
            // Under load Wine may show the dialog before its last controls are made.
            WaitUntil([&] { return (control = GetDlgItem(dialog, row.id)) != nullptr; });
        } else {
            for (HWND child = GetWindow(dialog, GW_CHILD); child && !control;
                 child = GetWindow(child, GW_HWNDNEXT))
                if ((GetDlgCtrlID(child) & 0xFFFF) == 0xFFFF && TextOf(child) == row.text)
                    control = child;
        }
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(lstrcmpiA(ClassOf(control).c_str(), row.className), 0) << ClassOf(control);
        if (row.text) {
            EXPECT_EQ(TextOf(control), row.text);
        }
        EXPECT_EQ(TemplateBits((DWORD)GetWindowLongA(control, GWL_STYLE)), TemplateBits(row.style));
    }
}

// Posts the click of a push button to its dialog, as the button itself would.
void Click(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

void SetText(HWND control, const char* text)
{
    SendMessageTimeoutA(control, WM_SETTEXT, 0, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, nullptr);
}

// The dialog over the sample's hidden display window.
HWND SampleDialog(const SampleProcess& sample, const char* caption)
{
    HWND dialog = sample.WaitForWindow(kDialogClass, caption);
    if (!dialog)
        return nullptr;
    // The dialog window exists with its caption before its controls do; it is shown only
    // after the last control is made, so under load a check right after finding it raced
    // the creation of the later controls.
    EXPECT_TRUE(WaitUntil([dialog] { return IsWindowVisible(dialog) != FALSE; }));
    HWND display = sample.WaitForWindow(kDisplayClass, nullptr);
    EXPECT_NE(display, nullptr);
    EXPECT_FALSE(IsWindowVisible(display)) << "the display stays hidden";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), display) << "the display owns the dialog";
    EXPECT_TRUE(IsWindowVisible(dialog));
    return dialog;
}

// Whether the program carries the icon that its display window's class takes.
bool HasDisplayIcon(const char* program)
{
    HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return false;
    HICON icon = LoadIconA(module, "墨语言图标");
    FreeLibrary(module);
    return icon != nullptr;
}

}  // namespace

TEST(SamplesTest, CarryTheDisplayIcon)
{
    EXPECT_TRUE(HasDisplayIcon(MOYU_WIDGETDEMO_EXE));
    EXPECT_TRUE(HasDisplayIcon(MOYU_LOGINDEMO_EXE));
}

TEST(WidgetDemoTest, ShowsItsDialogWithTheCommonControls)
{
    // Regression: the template's progress bar, tab control and tree view need their classes
    // registered before the dialog can be created.
    SampleProcess sample(MOYU_WIDGETDEMO_EXE);
    ASSERT_TRUE(sample.Started());
    HWND dialog = SampleDialog(sample, "我的应用");
    ASSERT_NE(dialog, nullptr);
    const ControlRow rows[] = {
        { 1, "Button", "确认", 0x50010001 },
        { 2, "Button", "取消", 0x50010000 },
        { 1002, "msctls_progress32", nullptr, 0x50000000 },
        { 1003, "SysTabControl32", nullptr, 0x50000000 },
        { 1004, "Edit", "", 0x50810080 },
        { -1, "Static", "Static", 0x50020000 },
        { 1000, "SysTreeView32", nullptr, 0x50812800 },
    };
    ExpectControls(dialog, rows, sizeof rows / sizeof rows[0]);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 1003), TCM_GETITEMCOUNT, 0, 0), 0) << "no tabs";
    Click(dialog, IDOK);
    EXPECT_EQ(sample.WaitForExit(), 0u);
}

TEST(WidgetDemoTest, CancelAndTheCloseBoxEndTheDialog)
{
    for (bool closeBox : { false, true }) {
        SCOPED_TRACE(closeBox ? "close box" : "cancel");
        SampleProcess sample(MOYU_WIDGETDEMO_EXE);
        HWND dialog = sample.WaitForWindow(kDialogClass, "我的应用");
        ASSERT_NE(dialog, nullptr);
        if (closeBox)
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            Click(dialog, IDCANCEL);
        EXPECT_EQ(sample.WaitForExit(), 0u);
    }
}

TEST(WidgetDemoTest, ExitsNonZeroWhenItsDialogCannotBeCreated)
{
    SampleProcess sample(MOYU_WIDGETDEMO_WITHOUT_TEMPLATE_EXE);
    ASSERT_TRUE(sample.Started());
    DWORD code = sample.WaitForExit();
    EXPECT_NE(code, 0u);
    EXPECT_NE(code, STILL_ACTIVE);
}

class LoginDemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sample.Started());
        m_dialog = SampleDialog(m_sample, "登陆器");
        ASSERT_NE(m_dialog, nullptr);
        m_account = GetDlgItem(m_dialog, 1000);
        m_password = GetDlgItem(m_dialog, 1004);
    }

    // Clicks OK with a wrong password, checks the message box and answers it.
    void ExpectPasswordRefused()
    {
        Click(m_dialog, IDOK);
        HWND box = m_sample.WaitForWindow(kDialogClass, "错误");
        ASSERT_NE(box, nullptr) << "no \"密码错误\" box";
        HWND message = GetDlgItem(box, 0xFFFF);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(TextOf(message), "密码错误");
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
        EXPECT_TRUE(WaitUntil([&] { return TextOf(m_password).empty(); }))
            << "the password field is emptied";
        EXPECT_TRUE(WaitUntil([&] { return FocusOf(m_sample.ThreadId()) == m_password; }))
            << "the focus goes back to the password";
        EXPECT_TRUE(IsWindow(m_dialog)) << "the dialog stays open";
        EXPECT_EQ(m_sample.WaitForExit(0), STILL_ACTIVE);
    }

    SampleProcess m_sample{ MOYU_LOGINDEMO_EXE };
    HWND m_dialog = nullptr;
    HWND m_account = nullptr;
    HWND m_password = nullptr;
};

TEST_F(LoginDemoTest, ShowsTheLoginDialogWithItsPresetTexts)
{
    const ControlRow rows[] = {
        { 1, "Button", "确认", 0x50010001 },
        { 2, "Button", "取消", 0x50010000 },
        { 1000, "Edit", "阿满", 0x50810080 },
        { -1, "Static", "账号：", 0x50020000 },
        { 1004, "Edit", "507", 0x508100A0 },
        { -1, "Static", "密码：", 0x50020000 },
    };
    ExpectControls(m_dialog, rows, sizeof rows / sizeof rows[0]);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(m_sample.ThreadId()) == m_password; }))
        << "the password field has the focus";
    Click(m_dialog, IDCANCEL);
    EXPECT_EQ(m_sample.WaitForExit(), 0u);
}

TEST_F(LoginDemoTest, PresetPasswordIsRefusedThenTheRightOneEnds)
{
    ExpectPasswordRefused();
    SetText(m_password, "80631");
    Click(m_dialog, IDOK);
    EXPECT_EQ(m_sample.WaitForExit(), 0u);
}

TEST_F(LoginDemoTest, RightPasswordEndsWhateverTheAccount)
{
    SetText(m_account, "");
    SetText(m_password, "80631");
    Click(m_dialog, IDOK);
    EXPECT_EQ(m_sample.WaitForExit(), 0u);
}

TEST_F(LoginDemoTest, LongerPasswordIsCutToNineBytesAndRefused)
{
    SetText(m_password, "8063112345");
    ExpectPasswordRefused();
    Click(m_dialog, IDCANCEL);
    EXPECT_EQ(m_sample.WaitForExit(), 0u);
}

TEST_F(LoginDemoTest, CloseBoxCancels)
{
    PostMessageA(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(m_sample.WaitForExit(), 0u);
}

TEST(LoginDemoWithoutTemplateTest, ExitsNonZeroWhenItsDialogCannotBeCreated)
{
    SampleProcess sample(MOYU_LOGINDEMO_WITHOUT_TEMPLATE_EXE);
    ASSERT_TRUE(sample.Started());
    DWORD code = sample.WaitForExit();
    EXPECT_NE(code, 0u);
    EXPECT_NE(code, STILL_ACTIVE);
}
