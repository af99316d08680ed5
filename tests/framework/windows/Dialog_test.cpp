#include <gtest/gtest.h>

#include "framework/CmdUI.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/DialogDriver.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "WindowTestResources.h"
#include "WindowTestSupport.h"

#include <vector>

namespace {

// Every kind of data exchange on one template.
class ExchangeDialog : public CDialog {
public:
    ExchangeDialog() : CDialog(IDD_EXCHANGE) {}

    CString name = "张三";
    int count = 42;
    long offset = -7;
    UINT line = 12;
    DWORD size = 4000000000u;
    double ratio = 2.5;
    int wrap = 1;
    int scope = 1;
    int kind = 0;
    CString history = "第二次";
    CString font = "宋体";
    int encoding = 1;
    CWnd nameEdit;

    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_NAME, nameEdit);
        DDX_Text(dx, IDC_NAME, name);
        DDV_MaxChars(dx, name, 8);
        DDX_Text(dx, IDC_COUNT, count);
        DDV_MinMaxInt(dx, count, 1, 100);
        DDX_Text(dx, IDC_OFFSET, offset);
        DDX_Text(dx, IDC_LINE, line);
        DDV_MinMaxUInt(dx, line, 1, 5000);
        DDX_Text(dx, IDC_BYTES, size);
        DDX_Text(dx, IDC_RATIO, ratio);
        DDX_Check(dx, IDC_WRAP, wrap);
        DDX_Radio(dx, IDC_SCOPE_SELECTION, scope);
        DDX_CBIndex(dx, IDC_KIND, kind);
        DDX_CBString(dx, IDC_HISTORY, history);
        DDX_LBString(dx, IDC_FONTS, font);
        DDX_LBIndex(dx, IDC_ENCODING, encoding);
    }
};

TEST(DataExchange, ControlsShowThePresetMembersAndOkReadsThemBack)
{
    ExchangeDialog dialog;
    DialogDriver driver{[](DialogDriver& d) {
        EXPECT_STREQ(d.Caption(), "数据交换");
        EXPECT_STREQ(d.GetText(IDC_NAME), "张三");
        EXPECT_STREQ(d.GetText(IDC_COUNT), "42");
        EXPECT_STREQ(d.GetText(IDC_OFFSET), "-7");
        EXPECT_STREQ(d.GetText(IDC_LINE), "12");
        EXPECT_STREQ(d.GetText(IDC_BYTES), "4000000000");
        EXPECT_STREQ(d.GetText(IDC_RATIO), "2.5");
        EXPECT_EQ(d.GetCheck(IDC_WRAP), BST_CHECKED);
        EXPECT_EQ(d.GetCheck(IDC_SCOPE_FILE), BST_CHECKED);
        EXPECT_EQ(d.GetCheck(IDC_SCOPE_SELECTION), BST_UNCHECKED);
        EXPECT_EQ(d.GetCount(IDC_KIND), 3) << "list items shipped with the template";
        EXPECT_EQ(d.GetSelection(IDC_KIND), 0);
        EXPECT_EQ(d.GetSelection(IDC_HISTORY), 1);
        EXPECT_STREQ(d.GetItemText(IDC_FONTS, d.GetSelection(IDC_FONTS)), "宋体");
        EXPECT_EQ(d.GetSelection(IDC_ENCODING), 1);

        EXPECT_TRUE(d.SetText(IDC_NAME, "李四"));
        EXPECT_TRUE(d.SetText(IDC_COUNT, " 99 "));
        EXPECT_TRUE(d.SetText(IDC_OFFSET, "-2147483648"));
        EXPECT_TRUE(d.SetText(IDC_LINE, "5000"));
        EXPECT_TRUE(d.SetText(IDC_BYTES, "4294967295"));
        EXPECT_TRUE(d.SetText(IDC_RATIO, "-0.125"));
        EXPECT_TRUE(d.Click(IDC_WRAP));
        EXPECT_TRUE(d.Click(IDC_SCOPE_ALL));
        EXPECT_TRUE(d.Select(IDC_KIND, 2));
        EXPECT_TRUE(d.SetText(IDC_HISTORY, "不在列表里"));
        EXPECT_TRUE(d.SelectString(IDC_FONTS, "楷体"));
        EXPECT_TRUE(d.Select(IDC_ENCODING, 0));
        EXPECT_TRUE(d.PressOK());
    }};
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.LeftOpenCount(), 0);
    EXPECT_STREQ(dialog.name, "李四");
    EXPECT_EQ(dialog.count, 99);
    EXPECT_EQ(dialog.offset, -2147483647L - 1);
    EXPECT_EQ(dialog.line, 5000u);
    EXPECT_EQ(dialog.size, 4294967295u);
    EXPECT_DOUBLE_EQ(dialog.ratio, -0.125);
    EXPECT_EQ(dialog.wrap, 0);
    EXPECT_EQ(dialog.scope, 2);
    EXPECT_EQ(dialog.kind, 2);
    EXPECT_STREQ(dialog.history, "不在列表里");
    EXPECT_STREQ(dialog.font, "楷体");
    EXPECT_EQ(dialog.encoding, 0);
}

TEST(DataExchange, BadInputShowsTheStandardMessageAndKeepsTheDialogOpenOnTheControl)
{
    const struct {
        int control;
        const char* text;
        const char* message;
    } cases[] = {
        {IDC_COUNT, "abc", "请输入一个整数。"},
        {IDC_COUNT, "", "请输入一个整数。"},
        {IDC_COUNT, "12x", "请输入一个整数。"},
        {IDC_COUNT, "99999999999", "请输入一个整数。"},
        {IDC_COUNT, "0", "请输入 1 到 100 之间的整数。"},
        {IDC_OFFSET, "1.5", "请输入一个整数。"},
        {IDC_LINE, "-5", "请输入一个正整数。"},
        {IDC_LINE, "二", "请输入一个正整数。"},
        {IDC_LINE, "5001", "请输入 1 到 5000 之间的整数。"},
        {IDC_BYTES, "4294967296", "请输入一个正整数。"},
        {IDC_RATIO, "1.5.2", "请输入一个数。"},
        {IDC_RATIO, "", "请输入一个数。"},
        {IDC_NAME, "一二三四五", "请输入不超过 8 个字符。"},
    };
    for (const auto& c : cases) {
        ExchangeDialog dialog;
        ScopedMessageBoxHook boxes;
        int focusAfterFailure = 0;
        bool stillOpen = false;
        DialogDriver driver{[&](DialogDriver& d) {
            // The limit set when loading keeps typing short; a program can still set more.
            if (c.control == IDC_NAME)
                ::SendMessageA(d.Item(IDC_NAME), EM_LIMITTEXT, 0, 0);
            d.SetText(c.control, c.text);
            d.PressOK();
            focusAfterFailure = d.FocusedId();
            stillOpen = dialog.ContinueModal() != FALSE;
            d.SetText(IDC_NAME, "好");
            d.SetText(IDC_COUNT, "1");
            d.SetText(IDC_OFFSET, "0");
            d.SetText(IDC_LINE, "1");
            d.SetText(IDC_BYTES, "0");
            d.SetText(IDC_RATIO, "1e3");
            d.PressOK();
        }};
        EXPECT_EQ(dialog.DoModal(), IDOK) << c.text;
        ASSERT_EQ(boxes.Count(), 1) << c.text;
        EXPECT_STREQ(boxes.Last().text, c.message) << c.text;
        EXPECT_NE(boxes.Last().type & MB_ICONEXCLAMATION, 0u);
        EXPECT_TRUE(stillOpen) << c.text;
        EXPECT_EQ(focusAfterFailure, c.control) << c.text;
        EXPECT_DOUBLE_EQ(dialog.ratio, 1000.0);
    }
}

TEST(DataExchange, MaxCharsLimitsTheEditWhenLoading)
{
    ExchangeDialog dialog;
    DialogDriver driver{[](DialogDriver& d) {
        EXPECT_EQ(::SendMessageA(d.Item(IDC_NAME), EM_GETLIMITTEXT, 0, 0), 8);
        d.PressCancel();
    }};
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(DataExchange, CancelLeavesTheMembersAsTheCallerSetThem)
{
    ExchangeDialog dialog;
    DialogDriver driver{[](DialogDriver& d) {
        d.SetText(IDC_NAME, "改了");
        d.Click(IDC_SCOPE_SELECTION);
        d.PressCancel();
    }};
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_STREQ(dialog.name, "张三");
    EXPECT_EQ(dialog.scope, 1);
}

TEST(Dialog, OneObjectRunsModallyAgainAndAgain)
{
    ExchangeDialog dialog;
    std::vector<CString> seen;
    DialogDriver driver;
    for (const char* next : {"一", "二", "三"}) {
        driver.Queue([&seen, &dialog, next](DialogDriver& d) {
            seen.push_back(d.GetText(IDC_NAME));
            EXPECT_EQ(dialog.nameEdit.m_hWnd, d.Item(IDC_NAME)) << "subclassed again for each run";
            d.SetText(IDC_NAME, next);
            d.PressOK();
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.m_hWnd, nullptr);
        EXPECT_EQ(dialog.nameEdit.m_hWnd, nullptr);
    }
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_STREQ(seen[0], "张三");
    EXPECT_STREQ(seen[1], "一");
    EXPECT_STREQ(seen[2], "二");
    EXPECT_STREQ(dialog.name, "三");
}

TEST(Dialog, MissingTemplateFailsWithMinusOne)
{
    CDialog dialog(9999);
    DialogDriver driver;
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(driver.UnscriptedCount(), 0);
}

TEST(DialogDriver, DialogWithoutScriptIsCancelledAndCounted)
{
    ExchangeDialog dialog;
    DialogDriver driver;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(driver.UnscriptedCount(), 1);
}

// A dialog that ends by itself before its script's turn (a progress dialog whose work was
// quick) still takes its script, so the next dialog runs its own.
TEST(DialogDriver, DialogEndingBeforeItsTurnTakesItsScript)
{
    class QuickDialog : public ExchangeDialog {
        BOOL OnInitDialog() override
        {
            ExchangeDialog::OnInitDialog();
            PostMessage(WM_COMMAND, IDOK);
            return TRUE;
        }
    } quick;
    ExchangeDialog next;
    bool nextRan = false;
    DialogDriver driver{[](DialogDriver& d) { d.PressCancel(); },
                        [&](DialogDriver& d) {
                            nextRan = d.Dialog() == next.m_hWnd;
                            d.PressOK();
                        }};
    EXPECT_EQ(quick.DoModal(), IDOK);
    EXPECT_EQ(next.DoModal(), IDOK);
    EXPECT_TRUE(nextRan);
    EXPECT_EQ(driver.LeftOpenCount(), 0);
    EXPECT_EQ(driver.UnscriptedCount(), 0);
}

// Buttons with and without handlers, the default button and idle updates.
class CommandDialog : public CDialog {
public:
    CommandDialog() : CDialog(IDD_COMMANDS) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetDefID(IDC_HANDLED);
        return TRUE;
    }
    void OnHandled() { EndDialog(77); }
    void OnUpdateUpdated(CCmdUI* ui)
    {
        ui->SetText("新文字");
        ui->Enable(FALSE);
    }
    void OnTokensChanged() { ++tokenChanges; }

    int tokenChanges = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandDialog, CDialog)
    ON_BN_CLICKED(IDC_HANDLED, OnHandled)
    ON_UPDATE_COMMAND_UI(IDC_UPDATED, OnUpdateUpdated)
    ON_EN_CHANGE(IDC_TOKENS, OnTokensChanged)
END_MESSAGE_MAP()

TEST(Dialog, UpdateDialogControlsDisablesPushButtonsNobodyHandles)
{
    CommandDialog dialog;
    DialogDriver driver{[&dialog](DialogDriver& d) {
        dialog.UpdateDialogControls(&dialog, TRUE);
        EXPECT_TRUE(d.IsEnabled(IDC_HANDLED));
        EXPECT_FALSE(d.IsEnabled(IDC_UNHANDLED));
        EXPECT_TRUE(d.IsEnabled(IDC_AUTO_CHECK)) << "check boxes work without a handler";
        EXPECT_TRUE(d.IsEnabled(IDOK));
        EXPECT_FALSE(d.IsEnabled(IDC_UPDATED));
        EXPECT_STREQ(d.GetText(IDC_UPDATED), "新文字");
        EXPECT_FALSE(d.Click(IDC_UNHANDLED)) << "a disabled button cannot be clicked";
        d.PressCancel();
    }};
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// Ends itself the first time its modal loop runs out of messages.
class IdleEndingDialog : public CommandDialog {
public:
    LRESULT OnKickIdleEnd(WPARAM flags, LPARAM count)
    {
        kickFlags = static_cast<UINT>(flags);
        kickCount = static_cast<LONG>(count);
        EndDialog(55);
        return FALSE;
    }
    UINT kickFlags = 0;
    LONG kickCount = -1;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(IdleEndingDialog, CommandDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdleEnd)
END_MESSAGE_MAP()

TEST(ModalLoop, KicksTheDialogWhenTheQueueRunsEmpty)
{
    IdleEndingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 55);
    EXPECT_EQ(dialog.kickFlags, static_cast<UINT>(MSGF_DIALOGBOX));
    EXPECT_EQ(dialog.kickCount, 0);
}

TEST(Dialog, EnterInAnEditPressesTheDefaultButtonThroughTheModalLoop)
{
    CommandDialog dialog;
    DialogDriver driver{[](DialogDriver& d) {
        EXPECT_EQ(d.DefaultButton(), IDC_HANDLED);
        d.Focus(IDC_TOKENS);
        d.PostKey(IDC_TOKENS, VK_RETURN);
        d.KeepOpen();
    }};
    EXPECT_EQ(dialog.DoModal(), 77);
}

TEST(Dialog, ControlNotificationsAreNotDispatchedWhileDataIsLoaded)
{
    class TokenDialog : public CommandDialog {
    public:
        CString tokens = "甲乙";
        void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_TOKENS, tokens); }
    } dialog;
    DialogDriver driver{[](DialogDriver& d) {
        d.SetText(IDC_TOKENS, "丙");
        d.PressOK();
    }};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.tokenChanges, 1) << "only the driver's edit, not the initial load";
}

// The modal loop is the framework's: the application and the dialog pre-translate.
class ModalLoopApp : public CWinApp {
public:
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->hwnd == nullptr && msg->message == WM_USER + 1) {
            log.push_back("thread message");
            if (dialog != nullptr)
                dialog->EndDialog(IDOK);
            return TRUE;
        }
        if (msg->message == WM_KEYDOWN)
            log.push_back("app");
        return CWinApp::PreTranslateMessage(msg);
    }
    CallLog log;
    CDialog* dialog = nullptr;
};

TEST(ModalLoop, ThreadMessagesReachTheApplicationWhileADialogRuns)
{
    ModalLoopApp app;
    CommandDialog dialog;
    app.dialog = &dialog;
    DialogDriver driver{[](DialogDriver& d) {
        ::PostThreadMessageA(::GetCurrentThreadId(), WM_USER + 1, 0, 0);
        d.KeepOpen();
    }};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(app.log, CallLog{"thread message"});
}

// A key ends the dialog from its PreTranslateMessage, as the search dialogs do with F3.
class KeyDialog : public CommandDialog {
public:
    explicit KeyDialog(CallLog& log) : m_log(log) {}
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_F3) {
            m_log.push_back("dialog");
            EndDialog(IDCANCEL);
        }
        return CDialog::PreTranslateMessage(msg);
    }

private:
    CallLog& m_log;
};

TEST(ModalLoop, KeysPassTheApplicationThenTheDialog)
{
    ModalLoopApp app;
    KeyDialog dialog(app.log);
    DialogDriver driver{[](DialogDriver& d) {
        d.Focus(IDC_TOKENS);
        d.PostKey(IDC_TOKENS, VK_F3);
        d.KeepOpen();
    }};
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(app.log, (CallLog{"app", "dialog"}));
}

TEST(ModalLoop, QuitEndsTheDialogAndReachesTheOuterLoop)
{
    CommandDialog dialog;
    DialogDriver driver{[](DialogDriver& d) {
        ::PostQuitMessage(3);
        d.KeepOpen();
    }};
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Dialog, ModelessDialogRunsWithoutALoopOfItsOwn)
{
    CommandDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_COMMANDS));
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), &dialog);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TOKENS, EN_CHANGE),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, IDC_TOKENS)));
    EXPECT_EQ(dialog.tokenChanges, 1);
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

// A template built in memory: one static text and an OK button.
class MemoryTemplate {
public:
    MemoryTemplate()
    {
        DLGTEMPLATE header = {};
        header.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        header.cdit = 2;
        header.cx = 120;
        header.cy = 60;
        Append(&header, sizeof header);
        Word(0);  // no menu
        Word(0);  // the dialog class
        Text(L"内存模板");
        AddItem(WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 100, 10, 100, 0x0082, L"说明");
        AddItem(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 35, 35, 50, 14, IDOK, 0x0080, L"确定");
    }
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void Append(const void* data, size_t bytes)
    {
        const WORD* words = static_cast<const WORD*>(data);
        m_words.insert(m_words.end(), words, words + bytes / 2);
    }
    void Word(WORD value) { m_words.push_back(value); }
    void Text(const wchar_t* text)
    {
        do
            m_words.push_back(static_cast<WORD>(*text));
        while (*text++ != 0);
    }
    void AddItem(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom, const wchar_t* text)
    {
        if (m_words.size() % 2 != 0)
            Word(0);  // items start on a DWORD boundary
        DLGITEMTEMPLATE item = {};
        item.style = style;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Append(&item, sizeof item);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0);  // no creation data
    }

    std::vector<WORD> m_words;
};

TEST(Dialog, RunsFromATemplateInMemory)
{
    MemoryTemplate memory;
    CDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(memory.Get()));
    DialogDriver driver{[](DialogDriver& d) {
        EXPECT_STREQ(d.Caption(), "内存模板");
        EXPECT_STREQ(d.GetText(100), "说明");
        d.PressOK();
    }};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.ScriptsRun(), 1);
}

} // namespace

namespace {

TEST(ModalLoop, DialogOpenedFromADialogBelongsToItAndDisablesIt)
{
    CommandDialog outer;
    CommandDialog inner;
    HWND innerOwner = nullptr;
    HWND outerWindow = nullptr;
    bool outerEnabledDuringInner = true;
    DialogDriver driver;
    driver.Queue([&](DialogDriver& d) {
        EXPECT_EQ(inner.DoModal(), IDCANCEL);
        EXPECT_TRUE(::IsWindowEnabled(d.Dialog())) << "enabled again after the inner run";
        d.PressCancel();
    });
    driver.Queue([&](DialogDriver& d) {
        innerOwner = ::GetWindow(d.Dialog(), GW_OWNER);
        outerWindow = outer.m_hWnd;
        outerEnabledDuringInner = ::IsWindowEnabled(outer.m_hWnd) != FALSE;
        d.PressCancel();
    });
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(driver.ScriptsRun(), 2);
    ASSERT_NE(outerWindow, nullptr);
    EXPECT_EQ(innerOwner, outerWindow);
    EXPECT_FALSE(outerEnabledDuringInner);
}

} // namespace

namespace {

// A window that passes the focus on to its child, as a frame passes it to its view; it
// counts the times it was given the focus while disabled, when it cannot pass it on.
class FocusForwardingWindow : public CWnd {
public:
    CWnd child;
    int focusedWhileDisabled = 0;

    void OnSetFocus(CWnd*)
    {
        if (!IsWindowEnabled())
            ++focusedWhileDisabled;
        child.SetFocus();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FocusForwardingWindow, CWnd)
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

// A command that reaches the main window while a dialog holds it disabled (posted during a
// transfer, say) may open a dialog with the main window as parent. That dialog belongs to
// the running one: owned by the disabled main window, it would activate it at its end, and
// the focus given to a disabled window cannot go on to its child.
TEST(ModalLoop, DialogForADisabledParentBelongsToTheRunningDialog)
{
    CWinApp app;
    FocusForwardingWindow main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "主窗口", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    ASSERT_TRUE(main.child.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, main.m_hWnd, nullptr));
    app.m_pMainWnd = &main;
    CDialog outer(IDD_COMMANDS, &main);
    CDialog inner(IDD_COMMANDS, &main);
    HWND outerWindow = nullptr;
    HWND innerOwner = nullptr;
    DialogDriver driver;
    driver.Queue([&](DialogDriver& d) {
        outerWindow = d.Dialog();
        EXPECT_EQ(inner.DoModal(), IDCANCEL);
        EXPECT_FALSE(::IsWindowEnabled(main.m_hWnd)) << "still held by the outer dialog";
        d.PressCancel();
    });
    driver.Queue([&](DialogDriver& d) {
        innerOwner = ::GetWindow(d.Dialog(), GW_OWNER);
        d.PressCancel();
    });
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(driver.ScriptsRun(), 2);
    EXPECT_EQ(innerOwner, outerWindow);
    EXPECT_TRUE(::IsWindowEnabled(main.m_hWnd));
    EXPECT_EQ(main.focusedWhileDisabled, 0);
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
}

} // namespace

namespace {

// OnInitDialog runs below the dialog manager's own frames, which an exception must not cross.
TEST(Dialog, ExceptionInOnInitDialogIsReportedAndEndsTheRunWithMinusOne)
{
    class FailingDialog : public CommandDialog {
    public:
        BOOL OnInitDialog() override { AfxThrowFileException(CFileException::accessDenied, -1, "乙.txt"); }
    } dialog;
    ScopedMessageBoxHook boxes;
    EXPECT_EQ(dialog.DoModal(), -1);
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_NE(boxes.Last().text.Find("乙.txt"), -1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

} // namespace

namespace {

TEST(Dialog, MainWindowAlreadyGoneIsNoOwner)
{
    CWinApp app;
    CWnd gone;
    ASSERT_TRUE(gone.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND stale = gone.m_hWnd;
    gone.Detach();
    ::DestroyWindow(stale);
    gone.m_hWnd = stale;
    app.m_pMainWnd = &gone;
    CommandDialog dialog;
    DialogDriver driver{[](DialogDriver& d) { d.PressCancel(); }};
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    gone.m_hWnd = nullptr;
}

} // namespace
