#include "editor/viewwindow/WrenView.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editor/document/DocumentServices.h"
#include "editor/document/WrenDoc.h"
#include "editor/inputaids/PaletteBars.h"
#include "editor/inputaids/PromptListDlg.h"
#include "editor/inputaids/VocabularyList.h"
#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/DialogDriver.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/MessageMap.h"
#include "framework/WinApp.h"
#include "staged_program_folder.h"
#include "temp_dir.h"
#include "../../framework/windows/WindowTestSupport.h"

namespace {

// The main window as the editor view meets it: the four palettes docked, the prompt popup
// placed for the active view, and one editor view as the client.
class CAidsFrame : public CFrameWnd, public IPromptHost {
public:
    CPaletteBar m_bars[kPaletteBarCount];
    CPromptListDlg m_prompt;

    void ShowHintWindow(int x, int y, const char* prefix, int tableIndex) override
    {
        m_prompt.ShowFor(POINT{x, y}, prefix, tableIndex, GetActiveView());
    }

protected:
    int OnCreate(LPCREATESTRUCT createStruct)
    {
        if (CFrameWnd::OnCreate(createStruct) == -1 || !CreatePaletteBars(this, m_bars) || !m_prompt.Create(this))
            return -1;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAidsFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class WrenViewInputAidsTest : public ::testing::Test {
protected:
    WrenViewInputAidsTest() : m_folder(StagedProgramFolder().c_str())
    {
        DocumentServices() = CDocumentServices();
        TheEditingModes() = CEditingModes();
        ThePaletteState() = PaletteState();
        m_savedSettings = TheEditorSettings();
        m_doc.m_bAutoDelete = FALSE;
    }
    ~WrenViewInputAidsTest() override
    {
        Close();
        TheEditorSettings() = m_savedSettings;
        ThePaletteState() = PaletteState();
        DocumentServices() = CDocumentServices();
    }

    void Close()
    {
        if (m_frame)
            m_frame->DestroyWindow();
        m_frame = nullptr;
        m_app.m_pMainWnd = nullptr;
    }

    // A file (a Moyu source uses prompt table 0) shown in the frame's view, the caret at the end.
    CWrenView* Show(const std::string& bytes, const std::string& name = "aids.墨")
    {
        const std::string path = m_dir.WriteFile(name, bytes);
        EXPECT_TRUE(m_doc.OnOpenDocument(path.c_str()));
        m_doc.SetPathName(path.c_str(), FALSE);
        CCreateContext context;
        context.m_pCurrentDoc = &m_doc;
        context.m_pNewViewClass = RUNTIME_CLASS(CWrenView);
        m_frame = new CAidsFrame;
        EXPECT_TRUE(m_frame->Create(nullptr, "输入辅助", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 900, 600),
                                    nullptr, nullptr, &context));
        m_app.m_pMainWnd = m_frame;
        auto* view = dynamic_cast<CWrenView*>(m_frame->GetDlgItem(AFX_IDW_PANE_FIRST));
        if (!view) {
            ADD_FAILURE() << "the view was not made";
            return nullptr;
        }
        m_frame->SetActiveView(view);
        m_frame->RecalcLayout();
        view->OnInitialUpdate();
        view->SetFocus();
        EndOfLine(view);
        return view;
    }

    std::string Line(LineIndex n) const
    {
        const CTextLine* line = m_doc.GetText().GetLine(n);
        return line ? std::string(line->GetText(), (size_t)line->GetLength()) : std::string();
    }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (LineIndex n = 0; n < m_doc.GetText().GetLineCount(); ++n)
            lines.push_back(Line(n));
        return lines;
    }
    int UndoSteps(CWrenView* view) const { return view->GetGroups()->CanUndo(); }
    void Press(CWrenView* view, UINT command)
    {
        view->PostMessage(WM_COMMAND, command, 0);
        PumpPending();
    }
    void EndOfLine(CWrenView* view)
    {
        view->PostMessage(WM_KEYDOWN, VK_END, 0);
        PumpPending();
    }
    void IdleUpdate() { m_frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE); }
    int ButtonState(UINT barId, UINT command)
    {
        auto* bar = static_cast<CPaletteBar*>(m_frame->GetControlBar(barId));
        return bar->GetToolBarCtrl().GetState(command);
    }

    // The popup's list, its timer ticks and keys as the message loop feeds them.
    HWND List() { return m_frame->m_prompt.GetDlgItem(IDC_PROMPT_LIST)->GetSafeHwnd(); }
    void Tick(int count)
    {
        for (int i = 0; i < count; ++i)
            m_frame->m_prompt.SendMessage(WM_TIMER, kPromptTimerId, 0);
    }
    void PopupKey(UINT virtualKey)
    {
        ::PostMessageA(List(), WM_KEYDOWN, virtualKey, 0);
        PumpPending();
    }
    void Type(CWrenView* view, const char* text)
    {
        for (const char* p = text; *p; ++p)
            view->PostMessage(WM_CHAR, (unsigned char)*p, 0);
        PumpPending();
    }
    void AddPromptLines(const std::vector<const char*>& lines)
    {
        for (const char* line : lines)
            m_frame->m_prompt.Tables().AddLine(0, line, strlen(line), 0);
    }

    CWinApp m_app;
    ScopedProgramFolder m_folder;
    TempDir m_dir;
    ScopedMessageBoxHook m_boxes;
    CEditorSettings m_savedSettings;
    CWrenDoc m_doc;
    CAidsFrame* m_frame = nullptr;
};

} // namespace

// Every button family of the four palettes, with both forms of each toggle, typed at the
// caret of a real view; each press is one undo step.
TEST_F(WrenViewInputAidsTest, PaletteButtonsTypeAtTheCaretUnderEachToggle)
{
    CWrenView* view = Show("");
    ASSERT_NE(view, nullptr);
    struct Step {
        UINT command;
        const char* typed;  // null: a toggle or a layout switch
    };
    const Step steps[] = {
        {ID_PALETTE_YOU, "你"}, {ID_PALETTE_STEM_JIA, "甲"}, {ID_PALETTE_EARTH, "土"},
        {ID_PALETTE_TRIGRAM_DUI, "兑"}, {ID_PALETTE_ASSIGN, " 赋值 "}, {ID_PALETTE_SYMBOL_OPERATORS, nullptr},
        {ID_PALETTE_ASSIGN, "="}, {ID_PALETTE_COMMA, ","}, {ID_PALETTE_STATEMENT_END, "；"},
        {ID_PALETTE_BRACKETS, "[]"}, {ID_PALETTE_DIVIDE, " ÷ "}, {ID_PALETTE_SYMBOL_OPERATORS, nullptr},
        {ID_PALETTE_COMMA, "，"}, {ID_PALETTE_STATEMENT_END, "。"}, {ID_PALETTE_DOUBLE_QUOTES, "“”"},
        {ID_PALETTE_DIGIT_0, "0"}, {ID_PALETTE_LETTER_A, "a"}, {ID_PALETTE_SPACE, " "},
        {ID_PALETTE_CAPITAL_LETTERS, nullptr}, {ID_PALETTE_DIGIT_0, "①"}, {ID_PALETTE_DIGIT_9, "⑩"},
        {ID_PALETTE_LETTER_Z, "Z"}, {ID_PALETTE_FULL_WIDTH_SPACE, "　"}, {ID_PALETTE_CAPITAL_LETTERS, nullptr},
        {ID_PALETTE_LETTER_Z, "z"}, {ID_PALETTE_LAYOUT_B, nullptr}, {ID_PALETTE_ONE, "一"},
        {ID_PALETTE_CAPITAL_NUMERALS, nullptr}, {ID_PALETTE_ONE, "壹"}, {ID_PALETTE_ZERO, "零"},
        {ID_PALETTE_HUNDRED_MILLION, "亿"}, {ID_PALETTE_CAPITAL_NUMERALS, nullptr}, {ID_PALETTE_THOUSAND, "千"},
        {ID_PALETTE_DYNASTY_QING, "清朝"}, {ID_PALETTE_LAYOUT_A, nullptr}, {ID_PALETTE_TYPE_NATURAL, "自然数类型 "},
        {ID_PALETTE_TYPE_WINDOW_HANDLE, "窗口证类型 "}, {ID_PALETTE_NULL_POINTER, "空指针 "},
    };
    std::string expected;
    int groups = 0;
    for (const Step& step : steps) {
        Press(view, step.command);
        if (step.typed) {
            expected += step.typed;
            ++groups;
        }
        ASSERT_EQ(expected, Line(0)) << "after command " << step.command;
    }
    EXPECT_EQ(groups, UndoSteps(view));
    EXPECT_EQ((int)expected.size(), view->GetEngine()->GetCaretDocPosition().column);

    // The Enter and Backspace buttons are the view's own keys.
    Press(view, ID_PALETTE_ENTER);
    EXPECT_EQ(expected, Line(0));
    EXPECT_EQ("", Line(1));
    Press(view, ID_PALETTE_BACKSPACE);
    EXPECT_EQ(1, m_doc.GetText().GetLineCount());

    // A selection is replaced in one step.
    view->SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL, 0);
    const int before = UndoSteps(view);
    Press(view, ID_PALETTE_WATER);
    EXPECT_EQ("水", Line(0));
    EXPECT_EQ(before + 1, UndoSteps(view));
}

// The dialog buttons insert what was picked at the caret; the operator picker's text goes in
// after the picker has closed, in the form the symbol toggle chooses.
TEST_F(WrenViewInputAidsTest, DialogButtonsInsertWhatWasPicked)
{
    TheEditorSettings().vocabularyWithComment = 0;
    TheEditorSettings().view.autoIndent = 0;
    CWrenView* view = Show("");
    ASSERT_NE(view, nullptr);
    DialogDriver driver{[](DialogDriver& d) { d.Click(62); },  // 重复…直到 template
                        [](DialogDriver& d) { d.Click(65); },  // 检查 / 分支
                        [](DialogDriver& d) { d.Click(10); },  // 链表类型
                        [](DialogDriver& d) { d.PressCancel(); },
                        [](DialogDriver& d) { d.PressOK(); }};
    Press(view, ID_PALETTE_MORE_OPERATORS);
    Press(view, ID_PALETTE_SYMBOL_OPERATORS);
    Press(view, ID_PALETTE_MORE_OPERATORS);
    Press(view, ID_PALETTE_MORE_TYPES);
    Press(view, ID_PALETTE_MORE_NAMES);
    Press(view, ID_PALETTE_COLOR);
    EXPECT_EQ(5, driver.ScriptsRun());
    EXPECT_EQ((std::vector<std::string>{"重复{ ", "", "}直到(  )；", "分支( ){ }链表类型 红绿蓝(0,0,0)"}), Lines());
}

// The view takes the palette commands by their listed ids: the toggles show pressed, the
// bar toggles between the palette ids go on to the frame, and without an active view every
// palette button, docked or floating, is disabled.
TEST_F(WrenViewInputAidsTest, PaletteUpdateStateFollowsTheActiveView)
{
    CWrenView* view = Show("");
    ASSERT_NE(view, nullptr);
    Press(view, ID_PALETTE_SYMBOL_OPERATORS);
    Press(view, ID_PALETTE_CAPITAL_NUMERALS);
    IdleUpdate();
    EXPECT_TRUE(ButtonState(kOperatorsBarId, ID_PALETTE_SYMBOL_OPERATORS) & TBSTATE_CHECKED);
    EXPECT_TRUE(ButtonState(kOperatorsBarId, ID_PALETTE_ASSIGN) & TBSTATE_ENABLED);
    EXPECT_FALSE(ButtonState(kLettersBarId, ID_PALETTE_CAPITAL_LETTERS) & TBSTATE_CHECKED);
    for (UINT foreign : {33025u, 33051u, 33096u, 33122u}) {
        CTestCmdUI state;
        state.m_nID = foreign;
        EXPECT_FALSE(view->OnCmdMsg(foreign, CN_UPDATE_COMMAND_UI, &state, nullptr)) << foreign;
        AFX_CMDHANDLERINFO info;
        EXPECT_FALSE(view->OnCmdMsg(foreign, CN_COMMAND, nullptr, &info)) << foreign;
    }

    auto* types = static_cast<CPaletteBar*>(m_frame->GetControlBar(kTypesBarId));
    m_frame->FloatControlBar(types, CPoint(200, 200));
    types->OnUpdateCmdUI(m_frame, TRUE);
    EXPECT_TRUE(ButtonState(kTypesBarId, ID_PALETTE_TYPE_INTEGER) & TBSTATE_ENABLED);
    m_frame->SetActiveView(nullptr);
    IdleUpdate();
    types->OnUpdateCmdUI(m_frame, TRUE);
    for (auto [bar, command] : {std::pair{kOperatorsBarId, 33116u}, std::pair{kOperatorsBarId, 33045u},
                                std::pair{kLettersBarId, 33094u}, std::pair{kLettersBarId, 33058u},
                                std::pair{kVariableBarId, 32966u}, std::pair{kTypesBarId, 33028u},
                                std::pair{kTypesBarId, 33204u}})
        EXPECT_FALSE(ButtonState(bar, command) & TBSTATE_ENABLED) << command;
}

// The operator picker's text goes in after the picker has closed: its hints are dropped
// unless the user keeps them, and each piece, new line and outdent is its own undo step.
TEST_F(WrenViewInputAidsTest, PendingInsertReadsItsMarkers)
{
    struct Case {
        int keepHints;
        const char* pending;
        std::vector<std::string> lines;
        int groups;
    };
    const Case cases[] = {
        {0, "如果【条件】\\n    做\\b结束", {"如果 ", "做结束"}, 5},
        {1, "如果【条件】\\\\", {"如果【条件】\\"}, 1},
        {0, "\\【甲】", {"【甲】"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pending);
        TheEditorSettings().vocabularyWithComment = c.keepHints;
        TheEditorSettings().view.autoIndent = 0;
        TheEditorSettings().view.tabSize = 4;
        CWrenView* view = Show("");
        ASSERT_NE(view, nullptr);
        view->PostPendingInsert(c.pending);
        EXPECT_EQ("", Line(0)) << "nothing before the current message has finished";
        PumpPending();
        EXPECT_EQ(c.lines, Lines());
        EXPECT_EQ(c.groups, UndoSteps(view));
        Close();
    }
}

// Typing a prefix asks the frame for the popup; it shows under the caret after its delay,
// the arrows and the mouse choose a line, and Enter replaces the typed word in one undo step.
TEST_F(WrenViewInputAidsTest, PromptPopupReplacesTheTypedWord)
{
    TheEditorSettings().view.vocabularyPopup = 1;
    TheEditorSettings().view.autoCloseBrackets = 0;
    CWrenView* view = Show("x = ");
    ASSERT_NE(view, nullptr);
    AddPromptLines({"0 如果 如果（）:2 zqx:*", "1 日期 日期类型 zqy", "2 返回 \"返回 ;\" zqy"});
    CPromptListDlg& popup = m_frame->m_prompt;

    Type(view, "zq");
    Type(view, "x");
    EXPECT_EQ(1, (int)::SendMessageA(List(), LB_GETCOUNT, 0, 0));
    Tick(7);
    EXPECT_FALSE(popup.IsWindowVisible());
    Tick(1);
    ASSERT_TRUE(popup.IsWindowVisible()) << "shown when its delay is reached";
    CRect at;
    popup.GetWindowRect(&at);
    const CViewEngine::CaretPlacement caret = view->GetEngine()->GetCaretPlacement();
    CPoint below(caret.x, caret.y + view->GetEngine()->GetLineHeight());
    view->ClientToScreen(&below);
    EXPECT_EQ(below, at.TopLeft());

    PopupKey(VK_RETURN);
    EXPECT_EQ("x = 如果（）", Line(0));
    EXPECT_EQ(4 + 2, view->GetEngine()->GetCaretDocPosition().column) << "the caret two bytes into the entry";
    Tick(1);
    EXPECT_FALSE(popup.IsWindowVisible());
    view->SendMessage(WM_COMMAND, ID_EDIT_UNDO, 0);
    EXPECT_EQ("x = zqx", Line(0)) << "the exchange was one undo step";

    // The mouse picks the second line; Space accepts once the arrows restarted the delay.
    EndOfLine(view);
    Type(view, " zqy");
    Tick(8);
    ASSERT_TRUE(popup.IsWindowVisible());
    const int itemHeight = (int)::SendMessageA(List(), LB_GETITEMHEIGHT, 0, 0);
    ::SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, itemHeight + itemHeight / 2));
    ::SendMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(4, itemHeight + itemHeight / 2));
    EXPECT_EQ(1, (int)::SendMessageA(List(), LB_GETCURSEL, 0, 0));
    PopupKey(VK_UP);
    PopupKey(VK_DOWN);
    PopupKey(VK_SPACE);
    EXPECT_EQ("x = zqx 返回 ;", Line(0));

    // Left alone, it hides at the time-out; Esc hides it and leaves the text alone.
    Type(view, " zqy");
    Tick(39);
    EXPECT_TRUE(popup.IsWindowVisible());
    Tick(1);
    EXPECT_FALSE(popup.IsWindowVisible());
    Type(view, "y");
    Type(view, "\b");
    Tick(8);
    ASSERT_TRUE(popup.IsWindowVisible()) << "Backspace asks for the popup too";
    PopupKey(VK_ESCAPE);
    Tick(1);
    EXPECT_FALSE(popup.IsWindowVisible());
    EXPECT_EQ("x = zqx 返回 ; zqy", Line(0));
}

// An opening parenthesis typed after a name, an accepted entry that opens a call and a click
// into a name before its parenthesis show the name's vocabulary entry in the status bar.
TEST_F(WrenViewInputAidsTest, CallTipsGoToTheStatusBar)
{
    TheEditorSettings().view.autoCloseBrackets = 0;
    ParseVocabularyEntry("整数 取整(x)", 1);
    CWrenView* view = Show("");
    ASSERT_NE(view, nullptr);
    AddPromptLines({"0 取整 取整():7 qzh"});
    for (const char* typed : {"取整(", "取整（"}) {
        view->SetStatusText("");
        Type(view, typed);
        EXPECT_STREQ("整数 取整(x)", view->GetLastStatusText()) << typed;
    }
    view->SetStatusText("");
    Type(view, " qzh");
    Tick(8);
    PopupKey(VK_RETURN);
    EXPECT_EQ("取整(取整（ 取整()", Line(0));
    EXPECT_STREQ("整数 取整(x)", view->GetLastStatusText());

    // A click into a name that opens a call.
    const CViewEngine& engine = *view->GetEngine();
    for (ByteColumn column : {2, 8}) {
        view->SetStatusText("");
        const PixelPosition at = engine.PixelsFromDocPosition(column, 0);
        const CPoint point(at.x + engine.GetGutterWidth() - engine.GetScrollX() + 1, at.y - engine.GetScrollY() + 2);
        view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        view->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        EXPECT_STREQ("整数 取整(x)", view->GetLastStatusText()) << column;
    }
    FreeVocabularyList();
}

// The tip shows after the parenthesis is in, closed for the user or not, and stays while the
// caret moves inside the call; leaving it (past its closing bracket, or to another line)
// brings back the caret's character codes.
TEST_F(WrenViewInputAidsTest, CallTipStaysWhileTheCaretIsInsideTheCall)
{
    ParseVocabularyEntry("整数 取整(浮点 x)", 1);
    CWrenView* view = Show("\r\n\r\n");
    ASSERT_NE(view, nullptr);
    for (int autoClose : {1, 0}) {
        SCOPED_TRACE(autoClose);
        TheEditorSettings().view.autoCloseBrackets = autoClose;
        const LineIndex line = autoClose ? 0 : 1;
        view->GetEngine()->SetCaretToDocPosition(0, line);
        Type(view, "取整(");
        EXPECT_STREQ("整数 取整(浮点 x)", view->GetLastStatusText());
        Type(view, "2.5");
        EXPECT_STREQ("整数 取整(浮点 x)", view->GetLastStatusText());
        for (UINT key : {VK_LEFT, VK_RIGHT}) {
            view->PostMessage(WM_KEYDOWN, key, 0);
            PumpPending();
            EXPECT_STREQ("整数 取整(浮点 x)", view->GetLastStatusText()) << key;
        }
        Type(view, ")");
        EXPECT_EQ("取整(2.5)", Line(line));
        EXPECT_STREQ("", view->GetLastStatusText()) << "behind the call, at the line's end: no codes";
        view->PostMessage(WM_KEYDOWN, VK_LEFT, 0);
        PumpPending();
        EXPECT_STREQ("【29】", view->GetLastStatusText());
    }
    FreeVocabularyList();
}

// Without the option, or in a file without a prompt table, no popup is asked for.
TEST_F(WrenViewInputAidsTest, NoPopupWithoutTheOptionOrATable)
{
    TheEditorSettings().view.vocabularyPopup = 0;
    CWrenView* view = Show("");
    ASSERT_NE(view, nullptr);
    AddPromptLines({"0 如果 如果（） zqx"});
    Type(view, "zqx");
    EXPECT_FALSE(m_frame->m_prompt.State().TimerRunning());
    EXPECT_EQ(0, (int)::SendMessageA(List(), LB_GETCOUNT, 0, 0));

    Close();
    TheEditorSettings().view.vocabularyPopup = 1;
    view = Show("", "notes.txt");
    ASSERT_NE(view, nullptr);
    AddPromptLines({"0 如果 如果（） zqx"});
    Type(view, "zqx");
    EXPECT_FALSE(m_frame->m_prompt.State().TimerRunning());
}
