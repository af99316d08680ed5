#include "editor/viewwindow/WrenView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <iterator>
#include <vector>

#include "../document/RecordingProgress.h"
#include "editor/document/SpellDictionary.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/WrenDoc.h"
#include "editor/viewwindow/ViewOptions.h"
#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/view/MacroRecorder.h"
#include "editor/shell/SystemClipboard.h"
#include "editor/shell/SystemTools.h"
#include "framework/DialogDriver.h"
#include "editor/settings/PositionHistory.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"
#include "framework/PrinterChoice.h"
#include "framework/SplitterWnd.h"
#include "framework/WinApp.h"
#include "pdf_jobs.h"
#include "wait.h"
#include "real_input.h"
#include "staged_program_folder.h"
#include "temp_dir.h"
#include "../../framework/windows/WindowTestSupport.h"

namespace {

// The first columns of the misspelled runs of a view's first document line.
std::vector<int> MisspelledColumns(CWrenView* view)
{
    std::vector<int> columns;
    const CDisplayLineRef line = view->GetEngine()->GetLayout().FirstLineOf(0);
    for (int i = 0; line && i < line->GetSegmentCount(); ++i)
        if (line->GetSegments()[i].kind == kRunMisspelled)
            columns.push_back(line->GetSegments()[i].firstColumn);
    return columns;
}

// A command's enabled and checked state as its update handler leaves it.
class CStateRecorder : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override { enabled = on != FALSE; }
    void SetCheck(int check = 1) override { checked = check; }
    bool enabled = true;
    int checked = -1;
};

// A document in a top-level window, shown by one or two side-by-side panes of a splitter.
class WrenViewTest : public ::testing::Test {
protected:
    WrenViewTest() : m_folder(StagedProgramFolder().c_str())
    {
        DocumentServices() = CDocumentServices();
        TheEditingModes() = CEditingModes();
        m_doc.m_bAutoDelete = FALSE;
        AfxOleInit();
    }
    ~WrenViewTest() override
    {
        Close();
        TheSpellDictionary().Unload();
        DocumentServices() = CDocumentServices();
    }
    void Close()
    {
        if (m_frame.m_hWnd)
            m_frame.DestroyWindow();
        m_splitter.reset();
    }

    void Open(const std::string& name, const std::string& bytes)
    {
        const std::string path = m_dir.WriteFile(name, bytes);
        ASSERT_TRUE(m_doc.OnOpenDocument(path.c_str()));
        m_doc.SetPathName(path.c_str(), FALSE);
    }

    // Shows the document in columns panes; returns the first.
    CWrenView* Show(int columns = 1) { return ShowIn(m_doc, m_frame, m_splitter, columns); }
    static CWrenView* ShowIn(CWrenDoc& doc, CWnd& frame, std::unique_ptr<CSplitterWnd>& splitter, int columns = 1)
    {
        EXPECT_TRUE(frame.CreateEx(0, nullptr, "view test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 400,
                                   nullptr, nullptr));
        CRect client;
        frame.GetClientRect(&client);
        splitter = std::make_unique<CSplitterWnd>();
        EXPECT_TRUE(splitter->CreateStatic(&frame, 1, columns));
        CCreateContext context;
        context.m_pCurrentDoc = &doc;
        context.m_pNewViewClass = RUNTIME_CLASS(CWrenView);
        for (int c = 0; c < columns; ++c)
            EXPECT_TRUE(splitter->CreateView(0, c, RUNTIME_CLASS(CWrenView),
                                            CSize(client.Width() / columns, client.Height()), &context));
        splitter->MoveWindow(&client);
        for (int c = 0; c < columns; ++c) {
            auto* pane = dynamic_cast<CWrenView*>(splitter->GetPane(0, c));
            if (!pane) {
                ADD_FAILURE() << "pane " << c << " was not made";
                return nullptr;
            }
            pane->OnInitialUpdate();
        }
        auto* first = static_cast<CWrenView*>(splitter->GetPane(0, 0));
        first->SetFocus();
        PumpPending();
        return first;
    }
    CWrenView* Pane(int column) { return static_cast<CWrenView*>(m_splitter->GetPane(0, column)); }

    std::string Line(LineIndex n) const
    {
        const CTextLine* line = m_doc.GetText().GetLine(n);
        return line ? std::string(line->GetText(), (size_t)line->GetLength()) : std::string();
    }
    // The client point of a text position in a pane.
    static CPoint PointOf(CWrenView* view, ByteColumn column, LineIndex line)
    {
        CViewEngine& engine = *view->GetEngine();
        const PixelPosition p = engine.PixelsFromDocPosition(column, line);
        return CPoint(p.x + engine.GetGutterWidth() - engine.GetScrollX() + 1, p.y - engine.GetScrollY() + 2);
    }
    static void Post(CWrenView* view, UINT message, WPARAM wParam, LPARAM lParam = 0)
    {
        view->PostMessage(message, wParam, lParam);
    }
    static void Type(CWrenView* view, const char* text)
    {
        for (const char* p = text; *p; ++p)
            Post(view, WM_CHAR, (unsigned char)*p);
        PumpPending();
    }
    static CStateRecorder State(CWrenView* view, UINT id)
    {
        CStateRecorder state;
        state.m_nID = id;
        state.DoUpdate(view, FALSE);
        return state;
    }

    ScopedProgramFolder m_folder;
    TempDir m_dir;
    ScopedMessageBoxHook m_boxes;
    CWrenDoc m_doc;
    CWnd m_frame;
    std::unique_ptr<CSplitterWnd> m_splitter;
};

TEST_F(WrenViewTest, PostedKeystrokesEditTheDocumentAndRepaint)
{
    Open("a.txt", "first\r\nsecond\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    Type(view, "ab");
    Type(view, "中");  // one double-byte character from two character messages
    EXPECT_EQ(Line(0), "ab中first");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_FALSE(::GetUpdateRect(view->m_hWnd, nullptr, FALSE)) << "the edit was painted at once";

    // The caret steps over the double-byte character as a whole.
    Post(view, WM_KEYDOWN, VK_LEFT);
    PumpPending();
    EXPECT_EQ(view->GetEngine()->GetCaretDocPosition().column, 2);
    EXPECT_EQ(view->GetCaretCodeText(), CString("【D6D0,6669】"));

    Type(view, "\r");
    EXPECT_EQ(Line(0), "ab");
    EXPECT_EQ(Line(1), "中first");
    Post(view, WM_COMMAND, ID_EDIT_UNDO);
    PumpPending();
    EXPECT_EQ(Line(0), "ab中first");
    EXPECT_TRUE(view->GetEngine()->Check());
}

TEST_F(WrenViewTest, MouseSelectsByClickDragAndDoubleClick)
{
    Open("a.txt", "alpha beta\r\ngamma\r\ndelta\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    CViewEngine& engine = *view->GetEngine();
    const CPoint from = PointOf(view, 1, 0), to = PointOf(view, 3, 1);
    Post(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    Post(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    Post(view, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    PumpPending();
    ASSERT_TRUE(engine.IsSelectionActive());
    DocSelection range = engine.GetSelectionRange();
    EXPECT_EQ(range.start, (DocPosition{1, 0}));
    EXPECT_EQ(range.end, (DocPosition{3, 1}));
    EXPECT_FALSE(engine.IsMouseSelecting());

    // A double click selects the word; in the gutter it toggles the bookmark and selects the line.
    const CPoint word = PointOf(view, 7, 0);
    Post(view, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(word.x, word.y));
    Post(view, WM_LBUTTONUP, 0, MAKELPARAM(word.x, word.y));
    PumpPending();
    EXPECT_EQ(view->GetSelectedTextOnLine(), CString("beta"));

    const CPoint gutter(2, PointOf(view, 0, 2).y);
    Post(view, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(gutter.x, gutter.y));
    Post(view, WM_LBUTTONUP, 0, MAKELPARAM(gutter.x, gutter.y));
    PumpPending();
    EXPECT_TRUE(m_doc.GetText().GetLine(2)->IsBookmarked());
    range = engine.GetSelectionRange();
    EXPECT_EQ(range.start, (DocPosition{0, 2}));
    EXPECT_EQ(range.end, (DocPosition{0, 3}));
}

TEST_F(WrenViewTest, PanesOfASplitScrollTogetherAndSeeEachOthersEdits)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    Open("long.txt", text);
    CWrenView* left = Show(2);
    ASSERT_NE(left, nullptr);
    CWrenView* right = Pane(1);
    Post(left, WM_VSCROLL, SB_PAGEDOWN);
    Post(left, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120));
    PumpPending();
    const PixelY scrolled = left->GetEngine()->GetScrollY();
    EXPECT_GT(scrolled, 0);
    EXPECT_EQ(right->GetEngine()->GetScrollY(), scrolled);

    Type(left, "x\r");
    EXPECT_EQ(Line(0), "x");
    EXPECT_TRUE(right->GetEngine()->Check());
    EXPECT_EQ(right->GetEngine()->GetDisplayLineCount(), left->GetEngine()->GetDisplayLineCount());

    // Wrapping cannot be switched on beside a second column of panes.
    Post(left, WM_COMMAND, ID_VIEW_WORD_WRAP);
    PumpPending();
    EXPECT_FALSE(left->GetEngine()->IsWordWrap());
    EXPECT_EQ(m_boxes.Count(), 1);
}

// Each command's effect on "one\r\ntwo\r\n" with the caret at the start, and its update state.
TEST_F(WrenViewTest, ViewCommandsAndTheirUpdateState)
{
    struct Case {
        const char* name;
        UINT id;
        const char* line0;
        const char* line1;
        int checkedAfter;  // -1: the command shows no check mark
    } cases[] = {
        {"delete line", ID_EDIT_DELETE_LINE, "two", "", -1},
        {"duplicate line", ID_EDIT_DUPLICATE_LINE, "one", "one", -1},
        {"delete key", ID_EDIT_DELETE_KEY, "ne", "two", -1},
        {"join lines", ID_EDIT_JOIN_LINES, "one two", "", -1},
        {"select all, cut", 0, "", "", -1},
        {"word wrap on", ID_VIEW_WORD_WRAP, "one", "two", 1},
        {"spelling marks on", ID_VIEW_SPELL_CHECK, "one", "two", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open("c.txt", "one\r\ntwo\r\n");
        CWrenView* view = Show();
        ASSERT_NE(view, nullptr);
        if (c.id == 0) {
            Post(view, WM_COMMAND, ID_EDIT_SELECT_ALL);
            Post(view, WM_COMMAND, ID_EDIT_CUT);
        } else {
            Post(view, WM_COMMAND, c.id);
        }
        PumpPending();
        EXPECT_EQ(Line(0), c.line0);
        EXPECT_EQ(Line(1), c.line1);
        if (c.checkedAfter >= 0) {
            EXPECT_EQ(State(view, c.id).checked, c.checkedAfter);
        }
        EXPECT_EQ(State(view, ID_EDIT_UNDO).enabled, m_doc.IsModified() != FALSE);
        EXPECT_TRUE(view->GetEngine()->Check());
        Close();
    }
}

// The spell-check command loads the shipped dictionaries on first use; a word missing from
// them, in a comment as anywhere, is then laid out as a misspelled run, a known one is not.
TEST_F(WrenViewTest, SpellCheckMarksAWordMissingFromTheDictionaries)
{
    Open("s.c", "/* wrold world */\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    Post(view, WM_COMMAND, ID_VIEW_SPELL_CHECK);
    PumpPending();
    ASSERT_TRUE(TheSpellDictionary().IsCheckOn());
    EXPECT_EQ(State(view, ID_VIEW_SPELL_CHECK).checked, 1);
    EXPECT_EQ(MisspelledColumns(view), std::vector<int>{3}) << "only \"wrold\" is marked";
    Post(view, WM_COMMAND, ID_VIEW_SPELL_CHECK);
    PumpPending();
    EXPECT_EQ(State(view, ID_VIEW_SPELL_CHECK).checked, 0);
}

// Turning the check on again reads the dictionaries again, so a word the user added to his
// dictionary meanwhile is no longer marked.
TEST_F(WrenViewTest, SpellCheckTurnedOnAgainReadsTheDictionariesAgain)
{
    Open("s.c", "/* wrold world */\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    TempDir program;
    program.WriteFile(CSpellDictionary::kSystemFileName, "world\n");
    program.WriteFile(CSpellDictionary::kUserFileName, "");
    ScopedProgramFolder programFolder(program.Path().c_str());
    Post(view, WM_COMMAND, ID_VIEW_SPELL_CHECK);
    PumpPending();
    EXPECT_EQ(MisspelledColumns(view), std::vector<int>{3});
    program.WriteFile(CSpellDictionary::kUserFileName, "wrold\n");
    Post(view, WM_COMMAND, ID_VIEW_SPELL_CHECK);
    Post(view, WM_COMMAND, ID_VIEW_SPELL_CHECK);
    PumpPending();
    EXPECT_EQ(State(view, ID_VIEW_SPELL_CHECK).checked, 1);
    EXPECT_EQ(MisspelledColumns(view), std::vector<int>{}) << "the added word counts";
}

namespace {

// What the tools menu's commands hand to the system, instead of starting anything.
struct StartedTools {
    static std::vector<std::string>& Lines()
    {
        static std::vector<std::string> lines;
        return lines;
    }
    static UINT Start(const char* commandLine, UINT)
    {
        Lines().push_back(std::string("run ") + commandLine);
        return 33;
    }
    static INT_PTR Open(const char* target, int) { Lines().push_back(std::string("open ") + target); return 42; }
    static CString Browser() { return "C:\\浏览器\\看.exe"; }
};

} // namespace

// The command interpreter starts in the document's folder, the browser gets the saved
// document's quoted path, and the Explorer opens the document's folder.
TEST_F(WrenViewTest, ToolCommandsHandTheDocumentToTheSystemsPrograms)
{
    Open("页 一.htm", "<p>\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    const std::string path = (LPCTSTR)m_doc.GetPathName();
    const std::string folder = path.substr(0, path.rfind('\\'));
    SystemToolSeams& seams = TheSystemToolSeams();
    seams = {&StartedTools::Start, &StartedTools::Open, &StartedTools::Browser};
    StartedTools::Lines().clear();
    ::SetEnvironmentVariableA("COMSPEC", "C:\\windows\\system32\\cmd.exe");
    char before[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, before);

    Post(view, WM_COMMAND, ID_TOOLS_DOS_COMMAND);
    PumpPending();
    char current[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, current);
    ::SetCurrentDirectoryA(before);
    EXPECT_EQ(std::string(current), folder);
    Type(view, "x");
    Post(view, WM_COMMAND, ID_TOOLS_VIEW_IN_BROWSER);
    Post(view, WM_COMMAND, ID_TOOLS_EXPLORE_FOLDER);
    PumpPending();
    seams = SystemToolSeams();
    EXPECT_EQ(StartedTools::Lines(), (std::vector<std::string>{"run C:\\windows\\system32\\cmd.exe",
                                                               "run C:\\浏览器\\看.exe \"" + path + "\"",
                                                               "open " + folder}));
    EXPECT_FALSE(m_doc.IsModified()) << "the browser reads the saved file";
    EXPECT_EQ(TempDir::ReadFile(path), "x<p>\r\n");
    EXPECT_EQ(m_boxes.Count(), 0);
}

// Wrapping a long document shows the formatting progress with the wait cursor, in steps,
// and ends it, so that the status bar says "就绪" again.
TEST_F(WrenViewTest, WordWrapOfALongDocumentShowsItsProgressAndEndsIt)
{
    std::string text;
    for (int i = 0; i < 1500; ++i)
        text += "word word word\r\n";
    Open("long.txt", text);
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    CRecordingProgress progress;
    DocumentServices().progress = &progress;
    Post(view, WM_COMMAND, ID_VIEW_WORD_WRAP);
    PumpPending();
    DocumentServices().progress = nullptr;
    ASSERT_FALSE(progress.m_calls.empty());
    EXPECT_EQ(progress.m_calls.front(), "begin:Formatting...:wait");
    EXPECT_GT(progress.Count("draw:"), 1);
    EXPECT_EQ(progress.m_calls.back(), "end");
    EXPECT_EQ(progress.Count("begin:"), progress.Count("end"));
}

TEST_F(WrenViewTest, CaretKeyCommandsMoveAsTheirKeys)
{
    struct Case {
        UINT id;
        DocPosition from;
        DocPosition to;
    } cases[] = {
        {ID_CARET_LEFT, {2, 1}, {1, 1}},     {ID_CARET_LEFT + 1, {2, 1}, {3, 1}},
        {ID_CARET_LEFT + 2, {2, 1}, {2, 0}}, {ID_CARET_LEFT + 3, {2, 1}, {2, 2}},
        {ID_CARET_LEFT + 4, {2, 1}, {0, 1}}, {ID_CARET_LEFT + 5, {2, 1}, {5, 1}},
        {ID_CARET_LEFT + 6, {2, 2}, {2, 0}}, {ID_CARET_PAGE_DOWN, {2, 0}, {0, 3}},
    };
    Open("k.txt", "alpha\r\nalpha\r\nalpha\r\n");  // one width per column on every line
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    CViewEngine& engine = *view->GetEngine();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        engine.SetCaretToDocPosition(c.from.column, c.from.line);
        engine.SetCaretX(engine.GetCaretX(), 1);  // the x vertical moves keep
        Post(view, WM_COMMAND, c.id);
        PumpPending();
        EXPECT_EQ(engine.GetCaretDocPosition(), c.to);
        EXPECT_FALSE(engine.IsSelectionActive());
    }
}

TEST_F(WrenViewTest, InsertedFileIsOneUndoStepAndAMissingOneIsReported)
{
    const std::string inserted = m_dir.WriteFile("part.txt", "x1\r\nx2\r\n");
    Open("i.txt", "ab\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    view->GetEngine()->SetCaretToDocPosition(1, 0);
    // Through the dialog, whose folder and file type are remembered; a macro records the
    // file as one step.
    TheMacroRecorder().Start(5, "五");
    DialogDriver driver({[&](DialogDriver& d) {
        EXPECT_EQ(d.Caption(), CString("插入文件"));
        d.SetText(d.Item(0x47C) ? 0x47C : 0x480, inserted.c_str());
        d.PressOK();
    }});
    Post(view, WM_COMMAND, ID_EDIT_INSERT_FILE);
    PumpPending();
    EXPECT_EQ(driver.ScriptsRun(), 1);
    EXPECT_TRUE(TheMacroRecorder().Stop((m_dir / "vuze.宏").c_str()));
    std::vector<MacroStep> steps;
    ASSERT_TRUE(DecodeMacroSteps(TheUserMacros()[5], steps));
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].kind, kStepInsertFile);
    EXPECT_EQ(steps[0].text, CString(inserted.c_str()));
    EXPECT_EQ(Line(0), "ax1");
    EXPECT_EQ(Line(1), "x2");
    EXPECT_EQ(Line(2), "b");
    EXPECT_EQ(m_boxes.Count(), 0);
    Post(view, WM_COMMAND, ID_EDIT_UNDO);
    PumpPending();
    EXPECT_EQ(Line(0), "ab");
    EXPECT_EQ(m_doc.GetText().GetLineCount(), 2);

    const std::string missing = m_dir.Path() + "\\missing.txt";
    EXPECT_FALSE(view->InsertFile(missing.c_str()));
    EXPECT_EQ(m_boxes.Last().text, CString(("打开文件失败.\n" + missing).c_str()));
    EXPECT_EQ(Line(0), "ab");
    EXPECT_EQ(State(view, ID_EDIT_REDO).enabled, true) << "a failed insert leaves the redo set alone";
}

// The pointer over the text is the text pointer, or the macro-recording pointer while keys
// are recorded; the gutter keeps its own pointer either way.
TEST_F(WrenViewTest, PointerShowsWhileAMacroIsRecorded)
{
    Open("m.txt", "one two\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    HMODULE module = ::GetModuleHandleA(nullptr);
    const HCURSOR recording = ::LoadCursorA(module, MAKEINTRESOURCEA(IDC_MACRO_RECORDING));
    const HCURSOR gutter = ::LoadCursorA(module, MAKEINTRESOURCEA(IDC_MARGIN_ARROW));
    const HCURSOR text = ::LoadCursorA(nullptr, IDC_IBEAM);
    ASSERT_TRUE(recording && gutter && text);
    const struct {
        bool recording;
        bool inGutter;
        HCURSOR expected;
    } kCases[] = {
        {false, false, text}, {true, false, recording}, {true, true, gutter}, {false, true, gutter},
    };
    for (const auto& c : kCases) {
        if (c.recording)
            TheMacroRecorder().Start(1, "一");
        else
            TheMacroRecorder().Cancel();
        CPoint point = c.inGutter ? CPoint(0, 5) : PointOf(view, 4, 0);
        view->ClientToScreen(&point);
        ::SetCursorPos(point.x, point.y);
        view->SendMessage(WM_SETCURSOR, (WPARAM)view->m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::GetCursor(), c.expected) << "recording " << c.recording << ", gutter " << c.inGutter;
    }
    TheMacroRecorder().Cancel();
}

// Every command of the view's context menu, and the edit menu's find and replace, is one
// the view handles.
TEST_F(WrenViewTest, ContextMenuCommandsAllReachTheView)
{
    Open("m.txt", "one\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(138));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(::GetMenuItemCount(menu), 3);
    int commands = 0;
    for (int p = 0; p < ::GetMenuItemCount(menu); ++p) {
        HMENU popup = ::GetSubMenu(menu, p);
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
            const UINT id = ::GetMenuItemID(popup, i);
            if (id == 0)
                continue;
            AFX_CMDHANDLERINFO info = {};
            EXPECT_TRUE(view->OnCmdMsg(id, CN_COMMAND, nullptr, &info)) << "pop-up " << p << " command " << id;
            ++commands;
        }
    }
    ::DestroyMenu(menu);
    EXPECT_GT(commands, 30);
    // The edit menu's find and replace (and Ctrl+F, Ctrl+H) carry the common ids.
    for (UINT id : {ID_EDIT_FIND, ID_EDIT_REPLACE}) {
        AFX_CMDHANDLERINFO info = {};
        EXPECT_TRUE(view->OnCmdMsg(id, CN_COMMAND, nullptr, &info)) << id;
    }
    // With no selection and nothing done, undo and redo are off, the rest on.
    EXPECT_FALSE(State(view, ID_EDIT_UNDO).enabled);
    EXPECT_FALSE(State(view, ID_EDIT_REDO).enabled);
}

TEST_F(WrenViewTest, BracketAtTheCaretShowsItsPartner)
{
    Open("b.c", "f(a(b)c)\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    CViewEngine& engine = *view->GetEngine();
    struct Case {
        ByteColumn caret;
        bool shown;
        ByteColumn partner;
        bool opening;
    } cases[] = {
        {1, true, 7, true},   // on the outer opening bracket
        {8, true, 1, false},  // behind the outer closing one
        {4, true, 5, true},   // behind the inner opening one
        {0, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caret);
        engine.SetCaretToDocPosition(c.caret, 0);
        view->PlaceCaret();
        const BracketMatchCells& match = view->GetBracketMatch();
        ASSERT_EQ(match.shown, c.shown);
        if (!c.shown)
            continue;
        EXPECT_EQ(match.opening, c.opening);
        EXPECT_EQ(match.x[1], engine.PixelsFromDocPosition(c.partner, 0).x);
        EXPECT_TRUE(match.inverted[0] && match.inverted[1]);
        EXPECT_GT(match.width, 0);
    }
    // A selection hides it.
    engine.SetCaretToDocPosition(1, 0);
    engine.SetAnchorToDocPosition(3, 0);
    engine.UpdateSelectionActive();
    view->PlaceCaret();
    EXPECT_FALSE(view->GetBracketMatch().shown);
}

TEST_F(WrenViewTest, CutAndPasteGoThroughTheClipboardBoundedByItsFirstNul)
{
    Open("p.txt", "one\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(::OpenClipboard(view->m_hWnd));
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 5);
    memcpy(::GlobalLock(block), "ab\0cd", 5);
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_TEXT, block);
    ::CloseClipboard();
    Post(view, WM_COMMAND, ID_EDIT_PASTE);
    PumpPending();
    EXPECT_EQ(Line(0), "abone");
}

// The selection goes to the companion tool through the clipboard and message 45263, posted
// to the top-level window with exactly the tool's title: the configured one, else the default.
TEST_F(WrenViewTest, SelectionIsSentToTheCompanionWindowWithItsExactTitle)
{
    Open("p.txt", "甲乙 丙");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    const char* const kDefault = "墨语言系列中文编程工具 之 墨伴3";
    struct Case {
        const char* configured;
        const char* window;
        bool found;
    } const cases[] = {
        {"", kDefault, true},
        {"别的墨伴", "别的墨伴", true},
        {"别的墨伴", kDefault, false},
        {"", "墨语言系列中文编程工具 之 墨伴", false},
    };
    CSystemClipboard clipboard(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        CWrenView::CompanionTitle() = c.configured;
        HWND standIn = ::CreateWindowExA(0, "STATIC", c.window, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(clipboard.PutText("旧", 2));
        const int boxes = m_boxes.Count();
        view->SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL);
        TheMacroRecorder().Start(5, "五");
        view->SendMessage(WM_COMMAND, ID_SEND_TO_COMPANION);
        EXPECT_TRUE(TheMacroRecorder().Stop((m_dir / "vuze.宏").c_str()));
        std::vector<MacroStep> steps;
        DecodeMacroSteps(TheUserMacros()[5], steps);
        MSG posted = {};
        EXPECT_EQ(c.found, ::PeekMessageA(&posted, standIn, 0xB0CF, 0xB0CF, PM_REMOVE) != FALSE);
        std::string text;
        EXPECT_TRUE(clipboard.GetText(text));
        if (c.found) {
            EXPECT_EQ(posted.wParam, 0xD3EFD1D4u);
            EXPECT_EQ(posted.lParam, 1);
            EXPECT_EQ(text, "甲乙 丙");
            EXPECT_EQ(m_boxes.Count(), boxes);
            ASSERT_EQ(steps.size(), 1u) << "the copy, recorded as the edit menu's";
            EXPECT_EQ(steps[0].kind, kStepCommand);
            EXPECT_EQ(steps[0].value1, (int)ID_EDIT_COPY);
        } else {
            EXPECT_EQ(text, "旧") << "nothing copied for a tool that is not there";
            EXPECT_TRUE(steps.empty());
            ASSERT_EQ(m_boxes.Count(), boxes + 1);
            EXPECT_EQ(std::string(m_boxes.Last().text), "没找到墨伴窗口！");
        }
        ::DestroyWindow(standIn);
    }
    CWrenView::CompanionTitle().Empty();
}

TEST_F(WrenViewTest, PromptAcceptIsTakenOnlyFromTheViewsOwnPopup)
{
    Open("m.墨", "打\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    Post(view, WM_KEYDOWN, VK_END);
    // A foreign post with a pointer that is not a text must be ignored.
    Post(view, CWrenView::kMsgPromptAccept, (WPARAM)0x10, 0);
    PumpPending();
    EXPECT_EQ(Line(0), "打");
    view->ExpectPromptAccept("印()");
    Post(view, CWrenView::kMsgPromptAccept, 0, 3);
    Post(view, CWrenView::kMsgPromptAccept, 0, 3);
    PumpPending();
    EXPECT_EQ(Line(0), "打印()");
    EXPECT_EQ(view->GetEngine()->GetCaretDocPosition().column, 5);
}

TEST_F(WrenViewTest, EvaluatedLinesAreBoundedAndCutAtACharacter)
{
    std::string longLine;
    for (int i = 0; i < 1500; ++i)
        longLine += "中";
    Open("e.txt", "1+2*3\r\n2/4\r\n" + longLine + "\r\npow(2, 63)\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    struct Case {
        LineIndex line;
        const char* resultPrefix;
    } cases[] = {{0, "$结果 = 7"}, {2, "$结果 = 0.500000"}, {4, "出错("}, {6, "$结果 = 9223372036854775808"}};
    for (const Case& c : cases) {
        view->GetEngine()->SetCaretToDocPosition(0, c.line);
        Post(view, WM_COMMAND, ID_TOOLS_EVALUATE_LINE);
        PumpPending();
        EXPECT_EQ(Line(c.line + 1).compare(0, strlen(c.resultPrefix), c.resultPrefix), 0) << Line(c.line + 1);
    }
    EXPECT_EQ(Line(4), longLine);
    EXPECT_EQ(Line(7), "$结果 = 9223372036854775808");  // a whole value, however large
}

// Line spacing and tab size change the layout of every pane; carets stay on their text.
TEST_F(WrenViewTest, LayoutOptionsKeepEachPanesCaretOnItsText)
{
    Open("o.txt", "a\tb\r\nsecond\r\nthird\r\n");
    CWrenView* left = Show(2);
    ASSERT_NE(left, nullptr);
    left->GetEngine()->SetCaretToDocPosition(2, 0);
    Pane(1)->GetEngine()->SetCaretToDocPosition(3, 2);
    CViewSettings& settings = TheEditorSettings().view;
    const CViewSettings saved = settings;
    const std::vector<CWrenView*> views = {left, Pane(1)};
    for (int percent : {200, 100}) {
        ChangeViewLayout(views, [&] { settings.lineSpacingPercent = percent; settings.tabSize = percent / 25; });
        for (CWrenView* view : views) {
            CViewEngine& engine = *view->GetEngine();
            EXPECT_EQ(engine.GetLineHeight(), engine.GetMetrics().GetFontHeight() * percent / 100);
            EXPECT_TRUE(engine.Check());
        }
        EXPECT_EQ(left->GetEngine()->GetCaretDocPosition(), (DocPosition{2, 0}));
        EXPECT_EQ(Pane(1)->GetEngine()->GetCaretDocPosition(), (DocPosition{3, 2}));
    }
    ApplyViewSettings(views);
    EXPECT_EQ(Pane(1)->GetEngine()->GetCaretDocPosition(), (DocPosition{3, 2}));
    settings = saved;
}

TEST_F(WrenViewTest, OptionCommandsChangeTheirSettingAndShowIt)
{
    Open("o.txt", "a\tb\r\nsecond\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    CEditorSettings& settings = TheEditorSettings();
    const CEditorSettings saved = settings;
    const std::vector<CWrenView*> views = {view};
    struct Case {
        UINT id;
        int CEditorSettings::*field;  // a block value, or
        int CViewSettings::*option;   // a view value
        int expected;
        bool radio;
    } cases[] = {
        {ID_VIEW_LINE_NUMBERS, nullptr, &CViewSettings::showLineNumbers, 0, false},
        {ID_VIEW_SHOW_SPACES, nullptr, &CViewSettings::showSpaces, 1, false},
        {ID_VIEW_SHOW_TABS, nullptr, &CViewSettings::showTabs, 1, false},
        {ID_VIEW_SHOW_LINE_ENDS, nullptr, &CViewSettings::showLineEnds, 1, false},
        {ID_VIEW_BOLD_KEYWORDS, nullptr, &CViewSettings::boldKeywords, 1, false},
        {ID_VIEW_ITALIC_COMMENTS, nullptr, &CViewSettings::italicComments, 1, false},
        {ID_VIEW_SPACING_120, nullptr, &CViewSettings::lineSpacingPercent, 120, true},
        {ID_VIEW_SPACING_200, nullptr, &CViewSettings::lineSpacingPercent, 200, true},
        {ID_VIEW_TAB_SIZE_2, nullptr, &CViewSettings::tabSize, 2, true},
        {ID_VIEW_TAB_SIZE_16, nullptr, &CViewSettings::tabSize, 16, true},
        {ID_VIEW_SCREEN_FONT_2, &CEditorSettings::screenFontSlot, nullptr, 2, true},
        {ID_VIEW_PRINTER_FONT_1, &CEditorSettings::printerFontSlot, nullptr, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        view->GetEngine()->SetCaretToDocPosition(2, 0);
        EXPECT_TRUE(RunViewOptionCommand(TheEditorSettings(), c.id, views, view)) << "written to the configuration at once";
        EXPECT_EQ(c.field ? settings.*c.field : settings.view.*c.option, c.expected);
        const ViewOptionState state = GetViewOptionState(TheEditorSettings(), c.id);
        EXPECT_EQ(c.radio ? state.radio : state.check, c.radio ? 1 : c.expected);
        EXPECT_EQ(view->GetEngine()->GetCaretDocPosition(), (DocPosition{2, 0}));
        EXPECT_TRUE(view->GetEngine()->Check());
    }
    EXPECT_EQ(GetViewOptionState(TheEditorSettings(), ID_VIEW_SCREEN_FONT_DEFAULT).radio, 0);
    const std::string face = settings.screenFonts[0].lfFaceName;
    EXPECT_EQ(std::string(GetViewOptionState(TheEditorSettings(), ID_VIEW_SCREEN_FONT_DEFAULT).text), "缺省(&D) (" + face + ", 9)");
    EXPECT_EQ(std::string(GetViewOptionState(TheEditorSettings(), ID_VIEW_SCREEN_FONT_3).text).rfind("定制(&3) (", 0), 0u);

    // Column mode and overwrite are not saved; column mode turns wrapping off.
    Post(view, WM_COMMAND, ID_VIEW_WORD_WRAP);
    PumpPending();
    ASSERT_TRUE(view->GetEngine()->IsWordWrap());
    EXPECT_FALSE(RunViewOptionCommand(TheEditorSettings(), ID_EDIT_COLUMN_MODE, views, view));
    EXPECT_TRUE(TheEditingModes().columnMode);
    EXPECT_FALSE(view->GetEngine()->IsWordWrap());
    EXPECT_EQ(GetViewOptionState(TheEditorSettings(), ID_EDIT_COLUMN_MODE).check, 1);
    EXPECT_FALSE(RunViewOptionCommand(TheEditorSettings(), ID_EDIT_COLUMN_MODE, views, view));
    EXPECT_FALSE(TheEditingModes().columnMode);
    EXPECT_FALSE(RunViewOptionCommand(TheEditorSettings(), ID_EDIT_OVERWRITE, views, view));
    EXPECT_TRUE(TheEditingModes().overwriteMode);
    settings = saved;
    ApplyViewSettings(views);
}

void SendMouse(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

// A real drag by the platform's input: "beta" is selected in the first pane and dragged to a
// text position of a pane; without Ctrl the text moves. Dropping in front of the source on
// its own line is where a source kept as pixels would delete the wrong text.
TEST_F(WrenViewTest, DraggedSelectionMovesWithinAPaneAndBetweenPanes)
{
    const struct {
        const char* name;
        int targetPane;
        DocPosition drop;
        const char* line0;
        const char* line1;
    } cases[] = {
        {"within the pane, to the next line", 0, {0, 1}, "alpha  gamma", "betasecond"},
        {"to the other pane, in front of the source", 1, {0, 0}, "betaalpha  gamma", "second"},
        {"to the other pane, behind the source", 1, {3, 1}, "alpha  gamma", "secbetaond"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open("d.txt", "alpha beta gamma\r\nsecond\r\n");
        CWrenView* source = Show(2);
        ASSERT_NE(source, nullptr);
        ::SetForegroundWindow(m_frame.m_hWnd);
        CViewEngine& engine = *source->GetEngine();
        engine.SetAnchorToDocPosition(10, 0);
        engine.SetCaretToDocPosition(6, 0);
        engine.UpdateSelectionActive();
        engine.SaveSelection();
        source->Invalidate(FALSE);
        PumpPending();

        CPoint start = PointOf(source, 8, 0), end = PointOf(Pane(c.targetPane), c.drop.column, c.drop.line);
        source->ClientToScreen(&start);
        Pane(c.targetPane)->ClientToScreen(&end);
        ::SetCursorPos(start.x, start.y);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        std::thread hand([&] {
            for (int step = 1; step <= 8; ++step) {
                ::Sleep(30);
                ::SetCursorPos(start.x + (end.x - start.x) * step / 8, start.y + (end.y - start.y) * step / 8);
                SendMouse(MOUSEEVENTF_MOVE);
            }
            ::Sleep(100);
            SendMouse(MOUSEEVENTF_MOVE);
            ::Sleep(100);
            SendMouse(MOUSEEVENTF_LEFTUP);
        });
        WaitUntil([&] {
            PumpPending();
            return Line(0) != "alpha beta gamma";
        });
        hand.join();
        PumpPending();
        EXPECT_EQ(Line(0), c.line0);
        EXPECT_EQ(Line(1), c.line1);
        for (int pane = 0; pane < 2; ++pane)
            EXPECT_TRUE(Pane(pane)->GetEngine()->Check());
        Close();
    }
}

// The pixels of the view's client area as the screen shows them, the caret hidden.
std::vector<COLORREF> ClientPixels(CWrenView* view, int width, int height)
{
    ::HideCaret(view->m_hWnd);
    std::vector<COLORREF> pixels((size_t)width * height);
    HDC window = ::GetDC(view->m_hWnd);
    HDC memory = ::CreateCompatibleDC(window);
    HBITMAP bitmap = ::CreateCompatibleBitmap(window, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[(size_t)y * width + x] = ::GetPixel(memory, x, y);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(view->m_hWnd, window);
    ::ShowCaret(view->m_hWnd);
    return pixels;
}

// A column block selected with real keys, down and up, over ASCII and double-byte rows: in
// the font the editor really uses, what is highlighted on each row is exactly what copying
// takes and what cutting removes.
TEST_F(WrenViewTest, ColumnBlockCopiesAndCutsWhatItHighlights)
{
    const std::vector<std::string> text = {"1234", "5678", "9abc", "wxyz", "整数ab", "中文字cd"};
    const struct {
        const char* name;
        LineIndex from;
        WORD vertical;  // VK_DOWN or VK_UP, pressed twice
        int rights;     // then Right, this many times
    } cases[] = {
        {"down over ASCII", 1, VK_DOWN, 3},
        {"up over ASCII", 3, VK_UP, 3},
        {"down into double-byte rows", 3, VK_DOWN, 2},
        {"up from double-byte rows", 5, VK_UP, 2},
    };
    std::string bytes;
    for (const std::string& line : text)
        bytes += line + "\r\n";
    CEditorSettings& settings = TheEditorSettings();
    const CEditorSettings saved = settings;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open("c.txt", bytes);
        CWrenView* view = Show();
        ASSERT_NE(view, nullptr);
        const std::vector<CWrenView*> views = {view};
        RunViewOptionCommand(TheEditorSettings(), 41036, views, view);
        ASSERT_TRUE(TheEditingModes().columnMode);
        CViewEngine& engine = *view->GetEngine();
        engine.SetCaretToDocPosition(0, c.from);
        engine.DropAnchor();
        ::SetForegroundWindow(m_frame.m_hWnd);
        view->SetFocus();
        PumpPending();
        std::vector<WORD> keys = {c.vertical, c.vertical};
        keys.insert(keys.end(), (size_t)c.rights, (WORD)VK_RIGHT);
        PressKeys(VK_SHIFT, keys);
        const LineIndex to = c.vertical == VK_DOWN ? c.from + 2 : c.from - 2;
        WaitUntil([&] {
            PumpPending();
            return engine.GetCaretDocPosition().line == to && engine.GetCaretDocPosition().column != 0;
        });
        ASSERT_EQ(engine.GetCaretDocPosition().line, to);
        ASSERT_NE(engine.GetCaretDocPosition().column, 0);
        view->UpdateWindow();
        const int width = engine.GetClientWidth(), height = engine.GetClientHeight();
        const std::vector<COLORREF> selected = ClientPixels(view, width, height);
        const PixelPosition anchor = {engine.GetAnchorX(), engine.GetAnchorY()};
        const PixelPosition caret = {engine.GetCaretX(), engine.GetCaretY()};

        // The commands the editor's Ctrl+C and Ctrl+X reach.
        CSystemClipboard clipboard(nullptr);
        ASSERT_TRUE(clipboard.PutText("", 0));
        Post(view, WM_COMMAND, ID_EDIT_COPY);
        PumpPending();
        std::string copied;
        ASSERT_TRUE(clipboard.GetText(copied));
        const LineIndex top = std::min(c.from, to);
        std::vector<std::string> rows;
        for (size_t start = 0, end; start <= copied.size(); start = end + 2) {
            end = copied.find("\r\n", start);
            if (end == std::string::npos)
                end = copied.size();
            rows.push_back(copied.substr(start, end - start));
        }
        ASSERT_EQ(rows.size(), 3u) << copied;

        engine.Deselect();
        view->Invalidate(FALSE);
        view->UpdateWindow();
        const std::vector<COLORREF> plain = ClientPixels(view, width, height);
        const int gutter = engine.GetGutterWidth(), lineHeight = engine.GetLineHeight();
        for (int r = 0; r < 3; ++r) {
            const LineIndex line = top + r;
            SCOPED_TRACE(line);
            ASSERT_EQ(text[line].compare(0, rows[r].size(), rows[r]), 0) << "a prefix of the row: " << rows[r];
            EXPECT_FALSE(rows[r].empty());
            // The columns of pixels the highlight changed on this row.
            const int y = (int)line * lineHeight - engine.GetScrollY();
            int first = -1, last = -1;
            for (int x = gutter; x < width; ++x)
                for (int dy = 0; dy < lineHeight && y + dy < height; ++dy)
                    if (selected[(size_t)(y + dy) * width + x] != plain[(size_t)(y + dy) * width + x]) {
                        if (first < 0)
                            first = x;
                        last = x;
                        break;
                    }
            const PixelX end = engine.PixelsFromDocPosition((ByteColumn)rows[r].size(), line).x;
            EXPECT_EQ(first, gutter) << "highlighted from the row's start";
            // Past a row's end the block goes on over no characters.
            if (rows[r] == text[line])
                EXPECT_GE(last + 1, gutter + end - engine.GetScrollX()) << "highlighted past the end of " << rows[r];
            else
                EXPECT_EQ(last + 1, gutter + end - engine.GetScrollX()) << "highlighted to the end of " << rows[r];
        }

        engine.SelectPixels(anchor, caret);
        Post(view, WM_COMMAND, ID_EDIT_CUT);
        PumpPending();
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(Line(top + r), text[top + r].substr(rows[r].size())) << "cut what was copied";
        RunViewOptionCommand(TheEditorSettings(), 41036, views, view);
        settings = saved;
        Close();
    }
}

struct MenuWatch {
    DWORD thread;
    std::atomic<UINT> firstItem{0};  // the first command of the pop-up that opened; 0 while none did
};

BOOL CALLBACK CloseShownMenu(HWND window, LPARAM data)
{
    auto* watch = reinterpret_cast<MenuWatch*>(data);
    char name[16] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32768") != 0 || !::IsWindowVisible(window))
        return TRUE;
    HMENU shown = reinterpret_cast<HMENU>(::SendMessageA(window, MN_GETHMENU, 0, 0));
    watch->firstItem = shown ? ::GetMenuItemID(shown, 0) : 0;
    ::PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    return FALSE;
}

// A real right click, as the user makes it, on a text position or the gutter: the context
// menu opens on the release, its pop-up chosen by where the click was.
TEST_F(WrenViewTest, RightClickOpensTheContextMenuOfThePlace)
{
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_VIEW_CONTEXT));
    ASSERT_NE(menu, nullptr);
    const struct {
        const char* where;
        bool gutter;
        ByteColumn column;
        bool selected;  // "beta" selected before the click
        int popup;
    } cases[] = {
        {"the gutter", true, 0, false, 0},
        {"the text", false, 2, false, 1},
        {"a selection", false, 8, true, 2},
        {"text beside a selection", false, 2, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Open("r.txt", "alpha beta gamma\r\n");
        CWrenView* view = Show();
        ASSERT_NE(view, nullptr);
        ::SetForegroundWindow(m_frame.m_hWnd);
        CViewEngine& engine = *view->GetEngine();
        if (c.selected) {
            engine.SetAnchorToDocPosition(6, 0);
            engine.SetCaretToDocPosition(10, 0);
            engine.UpdateSelectionActive();
        }
        CPoint point = PointOf(view, c.column, 0);
        if (c.gutter)
            point.x = 2;
        view->ClientToScreen(&point);
        // Wine moves the display's pointer only when the position changes.
        ::SetCursorPos(0, 0);
        ::SetCursorPos(point.x, point.y);
        MenuWatch watch{::GetCurrentThreadId()};
        std::thread watcher([&] {
            WaitUntil([&] {
                ::EnumThreadWindows(watch.thread, CloseShownMenu, reinterpret_cast<LPARAM>(&watch));
                return watch.firstItem != 0;
            });
        });
        PressMouseAt(point, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
        WaitUntil([&] {
            PumpPending();
            return watch.firstItem != 0;
        });
        watcher.join();
        PumpPending();
        EXPECT_EQ(watch.firstItem.load(), ::GetMenuItemID(::GetSubMenu(menu, c.popup), 0)) << "no menu or the wrong one";
        EXPECT_EQ(engine.IsSelectionActive(), c.popup == 2) << "a click inside a selection keeps it";
        Close();
    }
    ::DestroyMenu(menu);
}

TEST(DropText, BoundedReads)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 6);
    memcpy(::GlobalLock(block), "ab\r\nc\0", 6);
    ::GlobalUnlock(block);
    CStringLineList lines;
    ASSERT_TRUE(ReadTextBlock(block, lines));
    ASSERT_EQ(lines.GetCount(), 2);
    EXPECT_EQ(lines.GetAt(1), CString("c"));
    // No NUL at all: the block's size ends the text.
    memcpy(::GlobalLock(block), "abcdef", 6);
    ::GlobalUnlock(block);
    ASSERT_TRUE(ReadTextBlock(block, lines));
    EXPECT_LE(lines.GetAt(0).GetLength(), 6);
    ::GlobalFree(block);
}

TEST(PositionPush, RecordsOnlyPlacesFarFromTheLastOne)
{
    struct Case {
        const char* path;
        int line;
        bool recorded;
    } cases[] = {
        {"C:\\a.txt", 10, true},   {"C:\\a.txt", 13, false}, {"C:\\A.TXT", 7, false},
        {"C:\\a.txt", 14, true},   {"C:\\a.txt", 10, true},  {"C:\\b.txt", 10, true},
        {"C:\\a.txt", 10, true},
    };
    PositionHistory history;
    int count = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + ":" + std::to_string(c.line));
        EXPECT_EQ(RecordPositionIfFar(history, c.path, 0, c.line, 3), c.recorded);
        count += c.recorded;
        if (c.recorded) {
            EXPECT_EQ(history.LastPosition().line, c.line);
        }
    }
    EXPECT_TRUE(history.Check());
    EXPECT_EQ(history.Snapshot().back().line, 10);
    EXPECT_GE(history.Count(), 3);
    EXPECT_EQ(count, 5);
}

TEST(CompanionKind, ByExtensionAndName)
{
    const struct {
        const char* path;
        int kind;
    } cases[] = {{"", 0},           {"c:\\a\\b.墨", 0},   {"x.H", 0},          {"x.墨双", 1},
                 {"x.CPP", 1},      {"x.构建", 2},        {"d:\\构建指导书", 2}, {"x.asm", 3},
                 {"x.汇编", 3},     {"x.txt", -1},        {"noextension", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(CompanionKindOfPath(c.path), c.kind) << c.path;
    EXPECT_EQ(ContextMenuPopup(true, true), 0);
    EXPECT_EQ(ContextMenuPopup(false, true), 2);
    EXPECT_EQ(ContextMenuPopup(false, false), 1);
}

// A painted Moyu line shows each run in its colour: a keyword, a string and a comment.
TEST_F(WrenViewTest, PaintedRunsTakeTheirColours)
{
    // The caret line's band shifts colours, so the runs to check start on the second line.
    Open("k.墨", "\r\n如果 （计数 大于 0） 开始 // 注释\r\n打印(\"文字\");\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    view->UpdateWindow();
    CViewEngine& engine = *view->GetEngine();
    const uint32_t* colors = TheEditorSettings().view.colors;
    HDC dc = ::GetDC(view->m_hWnd);
    // Some pixel of a segment of the kind on document line n has the kind's colour.
    auto hasPixel = [&](LineIndex n, auto isKind) {
        const CDisplayLineRef line = engine.GetLayout().FirstLineOf(n);
        for (int i = 0; line && i < line->GetSegmentCount(); ++i) {
            const DisplaySegment& s = line->GetSegments()[i];
            if (!isKind(s.kind))
                continue;
            const COLORREF color = colors[s.kind];
            const int left = s.x + engine.GetGutterWidth() - engine.GetScrollX();
            const int top = n * engine.GetLineHeight() - engine.GetScrollY();
            for (int y = top; y < top + engine.GetMetrics().GetFontHeight(); ++y)
                for (int x = left; x < left + s.width; ++x)
                    if (::GetPixel(dc, x, y) == color)
                        return true;
        }
        return false;
    };
    EXPECT_TRUE(hasPixel(1, [](int k) { return k >= kRunKeyword0 && k <= kRunKeyword9; }));
    EXPECT_TRUE(hasPixel(1, [](int k) { return k == kRunLineComment; }));
    EXPECT_TRUE(hasPixel(2, [](int k) { return k == kRunQuote1; }));
    // Gutter and background.
    EXPECT_EQ(::GetPixel(dc, 1, 1), colors[CViewSettings::kColorGutter]);
    EXPECT_EQ(::GetPixel(dc, engine.GetClientWidth() - 2, engine.GetClientHeight() - 2),
              colors[CViewSettings::kColorBackground]);
    ::ReleaseDC(view->m_hWnd, dc);
    // MOYU_VIEW_SHOT=1 keeps the window up for a screenshot.
    if (getenv("MOYU_VIEW_SHOT"))
        ::Sleep(8000);
}

} // namespace

// A macro recorded from typing, caret keys with their modifiers and a find through the find
// dialog replays at another place as one undo step, the find searching before the next
// step; the slot keeps the steps and its name, and the macro file round-trips them.
TEST_F(WrenViewTest, RecordedMacroReplaysTypingCaretKeysAndAFind)
{
    Open("m.txt", "foo one foo\r\nfoo two foo\r\nend\r\nx two x\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    KeyboardMacroRecorder& recorder = TheMacroRecorder();
    TheUserMacros()[3].Clear();

    recorder.Start(3, "三");
    EXPECT_TRUE(TheEditingModes().macroRecording);
    Type(view, "<");
    view->OnCaretKey(VK_END, 0);
    Type(view, ">");
    view->OnCaretKey(VK_LEFT, kModifierShift);  // selects the ">"
    Type(view, "]");
    {
        DialogDriver driver({[](DialogDriver& d) {
            d.SetText(IDC_FIND_TEXT, "two");
            ::SendMessage(d.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_FIND_TEXT, CBN_EDITCHANGE),
                          (LPARAM)d.Item(IDC_FIND_TEXT));
            EXPECT_TRUE(d.Click(IDC_FIND_NEXT));
        }});
        Post(view, WM_COMMAND, ID_SEARCH_FIND);
        PumpPending();
        EXPECT_EQ(driver.ScriptsRun(), 1);
    }
    Type(view, "2");  // replaces the found text
    view->OnCaretKey(VK_RIGHT, kModifierCtrl | kModifierShift | kModifierAlt);
    view->OnCaretKey(VK_LEFT, 0);
    const std::string macroFile = m_dir / "vuze.宏";
    EXPECT_TRUE(recorder.Stop(macroFile.c_str()));
    EXPECT_FALSE(TheEditingModes().macroRecording);
    EXPECT_EQ(Line(0), "<foo one foo]");
    EXPECT_EQ(Line(1), "foo 2 foo");

    std::vector<MacroStep> steps;
    ASSERT_TRUE(DecodeMacroSteps(TheUserMacros()[3], steps));
    ASSERT_EQ(steps.size(), 9u);
    EXPECT_EQ(steps[5].kind, kStepFind);
    EXPECT_EQ(steps[5].text, CString("two"));
    EXPECT_EQ(steps[7].kind, kStepCaretKey);
    EXPECT_EQ(steps[7].value2, 1 | 2 | 4) << "Shift, Ctrl and Alt are all kept";
    EXPECT_EQ(TheUserMacros()[3].name, CString("三"));
    MacroSlotTable reloaded;
    ASSERT_EQ(LoadMacroFile(macroFile.c_str(), reloaded), SetFileLoad::kLoaded);
    EXPECT_EQ(reloaded[3].kinds.GetCount(), TheUserMacros()[3].kinds.GetCount());

    // Replayed on the third line: the find goes on to the fourth before "2" is typed.
    view->GetEngine()->SetCaretToDocPosition(0, 2);
    Post(view, WM_COMMAND, MacroSlotCommand(3));
    PumpPending();
    EXPECT_EQ(Line(2), "<end]");
    EXPECT_EQ(Line(3), "x 2 x");
    Post(view, WM_COMMAND, ID_EDIT_UNDO);
    PumpPending();
    EXPECT_EQ(Line(2), "end") << "one undo takes the whole replay back";
    EXPECT_EQ(Line(3), "x two x");
    EXPECT_TRUE(view->GetEngine()->Check());

    // Replaying and undoing while recording are refused and end the recording.
    Type(view, "y");
    for (const auto& c : {std::make_pair(MacroSlotCommand(0), "Replay Macro"), std::make_pair((int)ID_EDIT_UNDO, "Undo")}) {
        recorder.Start(4, "四");
        Post(view, WM_COMMAND, c.first);
        PumpPending();
        EXPECT_FALSE(recorder.IsRecording()) << c.second;
        EXPECT_EQ(m_boxes.Last().text, CString("无效宏定义 '") + c.second + "'.\n取消记录的按键信息.");
    }
    EXPECT_EQ(Line(2), "yend");
}

// With nothing to undo or redo the refusal is the same: the message names the command and
// the recording ends.
TEST_F(WrenViewTest, UndoAndRedoWithNothingToReplayEndTheRecording)
{
    Open("e.txt", "abc\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    ASSERT_FALSE(view->GetGroups()->CanUndo());
    ASSERT_FALSE(view->GetGroups()->CanRedo());
    KeyboardMacroRecorder& recorder = TheMacroRecorder();
    for (const auto& c : {std::make_pair((int)ID_EDIT_UNDO, "Undo"), std::make_pair((int)ID_EDIT_REDO, "Redo")}) {
        recorder.Start(4, "四");
        EXPECT_TRUE(State(view, c.first).enabled) << c.second << " can be pressed, to be refused";
        Post(view, WM_COMMAND, c.first);
        PumpPending();
        EXPECT_FALSE(recorder.IsRecording()) << c.second;
        EXPECT_EQ(m_boxes.Last().text, CString("无效宏定义 '") + c.second + "'.\n取消记录的按键信息.");
    }
    EXPECT_EQ(Line(0), "abc");
}

namespace {

// A document of its own shown in a window of its own, closed when it goes.
struct ShownDocument {
    ShownDocument() { doc.m_bAutoDelete = FALSE; }
    ~ShownDocument()
    {
        if (frame.m_hWnd)
            frame.DestroyWindow();
    }
    std::string Line(LineIndex n) const
    {
        const CTextLine* line = doc.GetText().GetLine(n);
        return line ? std::string(line->GetText(), (size_t)line->GetLength()) : std::string();
    }
    CWrenDoc doc;
    CWnd frame;
    std::unique_ptr<CSplitterWnd> splitter;
};

} // namespace

// A replacement made through the replace dialog while recording is a replace step and the
// command that replaced: all in the file, or the match found and confirmed. Replayed on
// another document it replaces there the same way, as one undo step.
TEST_F(WrenViewTest, RecordedReplacementsReplayOnAnotherDocumentAsOneUndoStep)
{
    struct Case {
        const char* what;
        int button;                 // the replace dialog's button
        std::vector<int> commands;  // the command steps after the replace step
        const char* recorded[2];    // the recorded document's lines afterwards
        const char* replayed[2];    // the other document's lines after the replay
    } cases[] = {
        {"replace all", IDC_REPLACE_ALL, {ID_SEARCH_REPLACE_ALL_IN_FILE}, {"cow dog cow", "cow"}, {"a cow", "cow cow"}},
        {"replace this", IDC_FIND_NEXT, {ID_SEARCH_NEXT_OCCURRENCE, ID_SEARCH_REPLACE_THIS}, {"cow dog cat", "cat"}, {"a cow", "cat cat"}},
    };
    KeyboardMacroRecorder& recorder = TheMacroRecorder();
    const std::string recordedPath = m_dir.WriteFile("r.txt", "cat dog cat\r\ncat\r\n");
    const std::string otherPath = m_dir.WriteFile("other.txt", "a cat\r\ncat cat\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ShownDocument recordedDoc;
        ASSERT_TRUE(recordedDoc.doc.OnOpenDocument(recordedPath.c_str()));
        CWrenView* view = ShowIn(recordedDoc.doc, recordedDoc.frame, recordedDoc.splitter);
        ASSERT_NE(view, nullptr);
        TheUserMacros()[6].Clear();
        recorder.Start(6, "替换");
        DialogDriver driver({[&](DialogDriver& d) {
            d.SetText(IDC_FIND_TEXT, "cat");
            ::SendMessage(d.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_FIND_TEXT, CBN_EDITCHANGE),
                          (LPARAM)d.Item(IDC_FIND_TEXT));
            d.SetText(IDC_REPLACE_TEXT, "cow");
            EXPECT_TRUE(d.Click(c.button));
        }});
        if (c.button == IDC_FIND_NEXT)
            driver.Queue([](DialogDriver& d) { d.PressOK(); });  // replace the match found
        Post(view, WM_COMMAND, ID_SEARCH_REPLACE);
        PumpPending();
        EXPECT_EQ(driver.ScriptsRun(), c.button == IDC_FIND_NEXT ? 2 : 1);
        EXPECT_TRUE(recorder.Stop((m_dir / "vuze.宏").c_str()));
        EXPECT_EQ(recordedDoc.Line(0), c.recorded[0]);
        EXPECT_EQ(recordedDoc.Line(1), c.recorded[1]);

        std::vector<MacroStep> steps;
        ASSERT_TRUE(DecodeMacroSteps(TheUserMacros()[6], steps));
        ASSERT_EQ(steps.size(), 1 + c.commands.size());
        EXPECT_EQ(steps[0].kind, kStepReplace);
        EXPECT_EQ(steps[0].text, CString("cat"));
        EXPECT_EQ(steps[0].text2, CString("cow"));
        for (size_t i = 0; i < c.commands.size(); ++i) {
            EXPECT_EQ(steps[i + 1].kind, kStepCommand);
            EXPECT_EQ(steps[i + 1].value1, c.commands[i]);
        }

        ShownDocument other;
        ASSERT_TRUE(other.doc.OnOpenDocument(otherPath.c_str()));
        CWrenView* otherView = ShowIn(other.doc, other.frame, other.splitter);
        ASSERT_NE(otherView, nullptr);
        const int boxes = m_boxes.Count();
        Post(otherView, WM_COMMAND, MacroSlotCommand(6));
        PumpPending();
        EXPECT_EQ(other.Line(0), c.replayed[0]);
        EXPECT_EQ(other.Line(1), c.replayed[1]);
        EXPECT_EQ(m_boxes.Count(), boxes) << "a replay asks nothing and reports no count";
        Post(otherView, WM_COMMAND, ID_EDIT_UNDO);
        PumpPending();
        EXPECT_EQ(other.Line(0), "a cat");
        EXPECT_EQ(other.Line(1), "cat cat");
        EXPECT_FALSE(State(otherView, ID_EDIT_UNDO).enabled) << "the replay was one undo step";
    }
}

// Line evaluation recorded while recording replays inside the replay's one edit group.
TEST_F(WrenViewTest, RecordedLineEvaluationReplaysWithinTheReplaysUndoStep)
{
    Open("v.txt", "1+2\r\n3*4\r\n");
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    KeyboardMacroRecorder& recorder = TheMacroRecorder();
    TheUserMacros()[7].Clear();
    view->GetEngine()->SetCaretToDocPosition(3, 0);
    recorder.Start(7, "求值");
    Post(view, WM_COMMAND, ID_TOOLS_EVALUATE_LINE);
    PumpPending();
    Type(view, "!");
    EXPECT_TRUE(recorder.Stop((m_dir / "vuze.宏").c_str()));
    EXPECT_EQ(Line(1), "$结果 = 3!");
    std::vector<MacroStep> steps;
    ASSERT_TRUE(DecodeMacroSteps(TheUserMacros()[7], steps));
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].kind, kStepCommand);
    EXPECT_EQ(steps[0].value1, (int)ID_TOOLS_EVALUATE_LINE);

    view->GetEngine()->SetCaretToDocPosition(1, 2);
    Post(view, WM_COMMAND, MacroSlotCommand(7));
    PumpPending();
    EXPECT_EQ(Line(2), "3*4");
    EXPECT_EQ(Line(3), "$结果 = 12!");
    Post(view, WM_COMMAND, ID_EDIT_UNDO);
    PumpPending();
    EXPECT_EQ(m_doc.GetText().GetLineCount(), 4) << "one undo takes the evaluation back with the typing";
    EXPECT_EQ(Line(2), "3*4");
    EXPECT_EQ(Line(3), "");
    EXPECT_TRUE(view->GetEngine()->Check());
}

// Typing an opening bracket closes it and steps back between the pair; a macro recorded
// from that typing replays the same pair.
TEST_F(WrenViewTest, ReplayedTypedBracketsCloseAsTypingThemDoes)
{
    const char* const cases[][2] = {{"(", "(x)"}, {"[", "[x]"}, {"{", "{x}"}, {"（", "（x）"}, {"【", "【x】"}};
    std::string blank;
    for (size_t i = 0; i < 2 * std::size(cases); ++i)
        blank += "\r\n";
    Open("b.txt", blank);
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    CViewSettings& settings = TheEditorSettings().view;
    const int autoClose = settings.autoCloseBrackets;
    settings.autoCloseBrackets = 1;
    KeyboardMacroRecorder& recorder = TheMacroRecorder();
    LineIndex line = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        view->GetEngine()->SetCaretToDocPosition(0, line);
        recorder.Start(8, "括号");
        Type(view, c[0]);
        Type(view, "x");
        EXPECT_TRUE(recorder.Stop((m_dir / "vuze.宏").c_str()));
        EXPECT_EQ(Line(line), c[1]);
        view->GetEngine()->SetCaretToDocPosition(0, line + 1);
        Post(view, WM_COMMAND, MacroSlotCommand(8));
        PumpPending();
        EXPECT_EQ(Line(line + 1), c[1]);
        line += 2;
    }
    settings.autoCloseBrackets = autoClose;
}

// A closing bracket typed right in front of the one typed for the user steps over it; any
// other closing bracket is typed.
TEST_F(WrenViewTest, TypedClosingBracketStepsOverTheOneClosedForTheUser)
{
    const char* const cases[][2] = {
        {"3*(4+5)/2", "3*(4+5)/2"}, {"((a))", "((a))"}, {"a[1]+{2}", "a[1]+{2}"},
        {"（x）", "（x）"},           {"())", "())"},       {"(a", "(a)"},
    };
    std::string blank;
    for (size_t i = 0; i < std::size(cases); ++i)
        blank += "\r\n";
    Open("t.txt", blank);
    CWrenView* view = Show();
    ASSERT_NE(view, nullptr);
    CViewSettings& settings = TheEditorSettings().view;
    const int autoClose = settings.autoCloseBrackets;
    settings.autoCloseBrackets = 1;
    LineIndex line = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        view->GetEngine()->SetCaretToDocPosition(0, line);
        Type(view, c[0]);
        EXPECT_EQ(Line(line), c[1]);
        ++line;
    }
    settings.autoCloseBrackets = autoClose;
}

// Jobs go to the PDF printer and are read back as text, one string per page.
class WrenViewPrintTest : public WrenViewTest {
protected:
    void SetUp() override
    {
        HANDLE printer = nullptr;
        ASSERT_TRUE(::OpenPrinterA(const_cast<char*>("PDF"), &printer, nullptr)) << "run scripts/setup.sh";
        ::ClosePrinter(printer);
        AfxGetPrinterChoice().SelectByName("PDF");
        m_saved = TheEditorSettings().view;
    }
    void TearDown() override
    {
        TheEditorSettings().view = m_saved;
        AfxGetPrinterChoice().Clear();
    }

    // Opens numbered lines "Lnnnn" (line long gets 120 words more) under a title no earlier
    // job had, prints them directly and returns the pages of the PDF.
    std::vector<std::string> PrintDocument(int lines, int longLine, void (*select)(CViewEngine&) = nullptr)
    {
        std::string text;
        for (int n = 1; n <= lines; ++n) {
            char number[16];
            std::snprintf(number, sizeof number, "L%04d 行", n);
            text += number;
            for (int w = 1; n == longLine && w <= 120; ++w)
                text += " w" + std::to_string(1000 + w);
            text += "\r\n";
        }
        m_title = UniqueJobTitle("view");
        Open(m_title + ".txt", text);
        CWrenView* view = Show();
        if (!view)
            return {};
        if (select)
            select(*view->GetEngine());
        view->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
        EXPECT_EQ(view->GetPrinter(), nullptr) << "the job ended";
        const std::string path = PdfJobs::WaitFor(m_title);
        EXPECT_FALSE(path.empty()) << "no PDF in " << PdfJobs::Folder();
        std::vector<std::string> pages = PdfJobs::PagesOf(path);
        ::DeleteFileA(path.c_str());
        return pages;
    }

    CViewSettings m_saved;
    std::string m_title;
};

// pdftotext may drop the blanks between separately placed glyphs.
std::string WithoutBlanks(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

std::vector<std::string> TextLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST_F(WrenViewPrintTest, PagesCarryHeaderFooterNumberedAndWrappedLines)
{
    CViewSettings& settings = TheEditorSettings().view;
    settings.printLineNumbers = 1;
    settings.printHeader = settings.printFooter = 1;
    settings.headerRight = "$(页码) / $(总页数)";
    settings.footerCentre = "尾$(PageNumber)-$(页码)";
    const int kLines = 150, kLong = 40;
    const std::vector<std::string> pages = PrintDocument(kLines, kLong);
    ASSERT_GE(pages.size(), 2u);
    const std::string total = std::to_string(pages.size());
    std::vector<std::string> printed;  // the text lines of all pages, in order
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE("page " + std::to_string(i + 1));
        const std::string page = std::to_string(i + 1);
        EXPECT_NE(pages[i].find(m_title + ".txt"), std::string::npos) << pages[i];
        EXPECT_NE(WithoutBlanks(pages[i]).find(page + "/" + total), std::string::npos);
        EXPECT_NE(pages[i].find("尾" + page + "-" + page), std::string::npos);
        for (const std::string& line : TextLines(pages[i]))
            printed.push_back(line);
    }
    // Every document line once, in order, behind its number; the long line wraps onto
    // following lines that carry no number.
    size_t at = 0;
    for (int n = 1; n <= kLines; ++n) {
        char marker[16];
        std::snprintf(marker, sizeof marker, "L%04d", n);
        SCOPED_TRACE(marker);
        size_t found = at;
        while (found < printed.size() && printed[found].find(marker) == std::string::npos)
            ++found;
        ASSERT_LT(found, printed.size());
        EXPECT_NE(printed[found].find(std::to_string(n) + ":"), std::string::npos) << printed[found];
        for (size_t k = found + 1; k < printed.size(); ++k)
            EXPECT_EQ(printed[k].find(marker), std::string::npos) << "printed twice";
        at = found + 1;
        if (n == kLong) {
            // The rows up to the next numbered line, joined where they were broken.
            std::string joined;
            size_t rows = 0;
            for (size_t k = found; k < printed.size() && printed[k].find("L0041") == std::string::npos; ++k, ++rows)
                joined += printed[k];
            size_t from = 0;
            for (int w = 1; w <= 120; ++w) {
                from = joined.find("w" + std::to_string(1000 + w), from);
                ASSERT_NE(from, std::string::npos) << "word " << w;
            }
            EXPECT_GE(rows, 2u) << "the long line wrapped";
            EXPECT_EQ(joined.find(std::to_string(n + 1) + ":"), std::string::npos);
        }
    }
}

TEST_F(WrenViewPrintTest, SelectionPrintsItsLinesAlone)
{
    TheEditorSettings().view.printLineNumbers = 1;
    // Lines 10 to 12 (0-based 9 to 11): the selection ends at column 0 of line 13.
    const std::vector<std::string> pages = PrintDocument(30, 0, [](CViewEngine& engine) {
        engine.SetAnchorToDocPosition(2, 9);
        engine.SetCaretToDocPosition(0, 12);
        engine.UpdateSelectionActive();
    });
    ASSERT_EQ(pages.size(), 1u);
    for (int n : {10, 11, 12}) {
        char marker[16];
        std::snprintf(marker, sizeof marker, "L%04d", n);
        EXPECT_NE(pages[0].find(marker), std::string::npos) << marker;
        EXPECT_NE(pages[0].find(std::to_string(n) + ":"), std::string::npos) << n;
    }
    for (const char* absent : {"L0009", "L0013"})
        EXPECT_EQ(pages[0].find(absent), std::string::npos) << absent;
    EXPECT_NE(WithoutBlanks(pages[0]).find("1/1"), std::string::npos);
}
