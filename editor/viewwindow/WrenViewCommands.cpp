#include "editor/viewwindow/WrenView.h"

#include "editor/document/SpellDictionary.h"
#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/view/DateTimeText.h"
#include "editor/view/MacroRecorder.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Dc.h"
#include "framework/MessageBox.h"
#include "framework/SplitterWnd.h"

BEGIN_MESSAGE_MAP(CWrenView, CView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MOUSEWHEEL()
    ON_WM_TIMER()
    ON_WM_CONTEXTMENU()
    ON_WM_SETCURSOR()
    ON_MESSAGE(CWrenView::kMsgPromptAccept, OnPromptAccept)
    ON_MESSAGE(CWrenView::kMsgPromptRequest, OnPromptRequest)
    ON_MESSAGE(WM_IME_NOTIFY, OnImeNotify)
    ON_COMMAND_RANGE(ID_EDIT_DELETE_KEY, ID_EDIT_INSERT_TIME, OnViewCommand)
    ON_COMMAND(ID_EDIT_INSERT_FILE, OnInsertFile)
    ON_COMMAND_RANGE(ID_EDIT_JOIN_LINES, ID_EDIT_INVERT_CASE, OnViewCommand)
    ON_COMMAND_RANGE(ID_EDIT_COMMENT_LINES, ID_EDIT_COMMENT_LINES, OnViewCommand)
    // Column mode, between these ranges, is the application's.
    ON_COMMAND_RANGE(ID_EDIT_UNCOMMENT_LINES, ID_EDIT_LEADING_SPACES_TO_TABS, OnViewCommand)
    ON_COMMAND_RANGE(ID_EDIT_DELETE_TO_LINE_START, ID_EDIT_DELETE_TO_LINE_START, OnViewCommand)
    ON_COMMAND_RANGE(ID_CARET_LEFT, ID_CARET_PAGE_DOWN, OnCaretKeyCommand)
    ON_COMMAND_RANGE(ID_SEARCH_FIND_AGAIN_NEXT, ID_SEARCH_FIND_AGAIN_PREV, OnFindAgain)
    ON_COMMAND_RANGE(ID_EDIT_INSERT_BREAK_MARK, ID_EDIT_INSERT_BREAK_MARK, OnViewCommand)
    ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_CUT, OnViewCommand)
    ON_COMMAND_RANGE(ID_EDIT_PASTE, ID_EDIT_PASTE, OnViewCommand)
    ON_COMMAND_RANGE(ID_EDIT_SELECT_ALL, ID_EDIT_SELECT_ALL, OnViewCommand)
    ON_COMMAND_RANGE(ID_BOOKMARK_TOGGLE, ID_GO_TO_PREV_EDIT, OnViewCommand)
    ON_COMMAND_RANGE(ID_SCROLL_CARET_TO_TOP, ID_SCROLL_CARET_TO_CENTRE, OnViewCommand)
    ON_COMMAND(ID_EDIT_PENDING_INSERT, OnPendingInsert)
    ON_COMMAND(ID_EDIT_UNDO, OnUndo)
    ON_COMMAND(ID_EDIT_REDO, OnRedo)
    ON_COMMAND(ID_SEARCH_FIND, OnFind)
    ON_COMMAND(ID_SEARCH_REPLACE, OnReplace)
    // The edit menu, its tool bar button and Ctrl+F and Ctrl+H carry the common ids.
    ON_COMMAND(ID_EDIT_FIND, OnFind)
    ON_COMMAND(ID_EDIT_REPLACE, OnReplace)
    ON_COMMAND(ID_SEARCH_FIND_NEXT, OnFindNext)
    ON_COMMAND(ID_SEARCH_FIND_PREV, OnFindPrev)
    ON_COMMAND(ID_SEARCH_NEXT_OCCURRENCE, OnFindNextOccurrence)
    ON_COMMAND(ID_SEARCH_PREV_OCCURRENCE, OnFindPrevOccurrence)
    ON_COMMAND(ID_SEARCH_GO_TO_LINE, OnGoToLine)
    ON_COMMAND(ID_VIEW_WORD_WRAP, OnWordWrap)
    ON_COMMAND(ID_VIEW_SPELL_CHECK, OnSpellCheck)
    ON_COMMAND(ID_SEND_TO_COMPANION, OnSendToCompanion)
    ON_COMMAND(ID_TOOLS_DOS_COMMAND, OnCommandInterpreter)
    ON_COMMAND(ID_TOOLS_VIEW_IN_BROWSER, OnViewInBrowser)
    ON_COMMAND(ID_TOOLS_EXPLORE_FOLDER, OnExploreFolder)
    ON_COMMAND_RANGE(ID_SEARCH_INTERFACES, ID_SEARCH_SAMPLES, OnSelectionSearch)
    ON_COMMAND_RANGE(ID_SEARCH_DOCUMENT_FOLDER, ID_SEARCH_DOCUMENT_FOLDER, OnSelectionSearch)
    ON_COMMAND(ID_SEARCH_REPLACE_ALL_REPORTING, OnReplaceAllReporting)
    ON_COMMAND(ID_SEARCH_REPLACE_ALL_IN_OPEN_FILES, OnReplaceAllInOpenFiles)
    ON_COMMAND(ID_ADD_TO_VOCABULARY, OnAddToVocabulary)
    ON_COMMAND(ID_ADD_TO_PHRASES, OnAddToPhrases)
    ON_UPDATE_COMMAND_UI(ID_ADD_TO_PHRASES, OnUpdateAddToPhrases)
    ON_COMMAND(ID_MACRO_RECORD, OnMacroRecord)
    ON_COMMAND(ID_MACRO_STOP, OnMacroStop)
    ON_COMMAND_RANGE(ID_MACRO_REPLAY, ID_MACRO_REPLAY, OnMacroReplay)
    ON_COMMAND_RANGE(ID_MACRO_SLOT_10, ID_MACRO_SLOT_9, OnMacroReplay)
    ON_UPDATE_COMMAND_UI(ID_MACRO_RECORD, OnUpdateMacroRecord)
    ON_UPDATE_COMMAND_UI(ID_MACRO_STOP, OnUpdateMacroStop)
    ON_UPDATE_COMMAND_UI_RANGE(ID_MACRO_SLOT_10, ID_MACRO_SLOT_9, OnUpdateMacroSlot)
    ON_COMMAND(ID_TOOLS_EVALUATE_LINE, OnEvaluateLine)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateRedo)
    ON_UPDATE_COMMAND_UI(ID_SEARCH_FIND_NEXT, OnUpdateFindNextPrev)
    ON_UPDATE_COMMAND_UI(ID_SEARCH_FIND_PREV, OnUpdateFindNextPrev)
    ON_UPDATE_COMMAND_UI(ID_VIEW_WORD_WRAP, OnUpdateWordWrap)
    ON_UPDATE_COMMAND_UI(ID_VIEW_SPELL_CHECK, OnUpdateSpellCheck)
END_MESSAGE_MAP()

namespace {

enum class Pattern {
    kEdit,        // one edit group, repaint, other views repainted
    kSelection,   // no group; caret kept visible, repaint, other views repainted
    kPlain,       // the body only
    kNavigation,  // caret centred when it left the view; repaint when something moved
    kScroll,      // repaint and other views repainted
};

struct ViewCommand {
    UINT id;
    Pattern pattern;
    // Returns false when the body refused or moved nothing.
    bool (*body)(CWrenView& view);
};

CEditCommands& Edit(CWrenView& view) { return *view.GetCommands(); }
CSearchCommands& Search(CWrenView& view) { return *view.GetSearch(); }

bool InsertStamp(CWrenView& view, const std::string& text)
{
    Edit(view).InsertTextAtCaret(CString((text + " ").c_str()));
    return true;
}

// The break mark goes to column 0 of the caret line; typing over is off for the call.
bool InsertBreakMark(CWrenView& view)
{
    CEditingModes& modes = TheEditingModes();
    const bool overwrite = modes.overwriteMode;
    modes.overwriteMode = false;
    struct Restore {
        CEditingModes& modes;
        bool overwrite;
        ~Restore() { modes.overwriteMode = overwrite; }
    } restore{modes, overwrite};
    CViewEngine& engine = *view.GetEngine();
    engine.Deselect();
    view.GetActions()->InsertStringAtColumn(0, CString("\xDA\xA5"));
    return true;
}

const ViewCommand kViewCommands[] = {
    {ID_EDIT_ENTER, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoEnterKey(0); }},
    {ID_EDIT_BACKSPACE, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoBackspaceKey(); return true; }},
    {ID_EDIT_ESCAPE, Pattern::kSelection, [](CWrenView& v) { Edit(v).DoEscapeKey(); return true; }},
    {ID_EDIT_DELETE_KEY, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeleteKey(); return true; }},
    {ID_EDIT_TAB, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoTabKey(); return true; }},
    {ID_EDIT_BACK_TAB, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDetabKey(); return true; }},
    {ID_EDIT_INDENT, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoIndent(0); }},
    {ID_EDIT_OUTDENT, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoOutdent(0); }},
    {ID_EDIT_COMMENT_LINES, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoCommentLines(0); }},
    {ID_EDIT_UNCOMMENT_LINES, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoUncommentLines(0); }},
    {ID_EDIT_JOIN_LINES, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoJoinLines(); return true; }},
    {ID_EDIT_SPLIT_LINE, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoSplitLine(); return true; }},
    {ID_EDIT_DELETE_WORD, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeleteWord(); return true; }},
    {ID_EDIT_DELETE_PREV_WORD, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeletePrevWord(); return true; }},
    {ID_EDIT_DELETE_TO_LINE_END, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeleteToLineEnd(); return true; }},
    {ID_EDIT_DELETE_TO_LINE_START, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeleteToLineStart(); return true; }},
    {ID_EDIT_DELETE_LINE, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoDeleteLine(0); }},
    {ID_EDIT_DUPLICATE_LINE, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDuplicateLine(); return true; }},
    {ID_EDIT_CUT, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoCut(0); }},
    {ID_EDIT_COPY, Pattern::kPlain, [](CWrenView& v) { return Edit(v).DoCopy(0); }},
    {ID_EDIT_COPY_FILE_PATH, Pattern::kPlain,
     [](CWrenView& v) { return Edit(v).DoCopyFilePath(v.GetDocument()->GetPathName()); }},
    {ID_EDIT_APPEND_CUT, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoAppendCut(0); }},
    {ID_EDIT_APPEND_COPY, Pattern::kPlain, [](CWrenView& v) { return Edit(v).DoAppendCopy(0); }},
    {ID_EDIT_PASTE, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoPaste(0); }},
    {ID_EDIT_SELECT_ALL, Pattern::kSelection, [](CWrenView& v) { return Search(v).DoSelectAll(0); }},
    {ID_EDIT_SELECT_LINE, Pattern::kSelection, [](CWrenView& v) { Search(v).DoSelectLine(); return true; }},
    {ID_EDIT_SELECT_WORD, Pattern::kSelection, [](CWrenView& v) { Search(v).DoSelectWord(); return true; }},
    {ID_EDIT_SELECT_BLOCK, Pattern::kSelection, [](CWrenView& v) { return Search(v).DoSelectBlock(0); }},
    {ID_EDIT_UPPER_CASE, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoUpperCase(0); }},
    {ID_EDIT_LOWER_CASE, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoLowerCase(0); }},
    {ID_EDIT_CAPITALIZE, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoCapitalize(0); }},
    {ID_EDIT_INVERT_CASE, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoInvertCase(0); }},
    {ID_EDIT_TABS_TO_SPACES, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoTabsToSpaces(); return true; }},
    {ID_EDIT_SPACES_TO_TABS, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoSpacesToTabs(); return true; }},
    {ID_EDIT_LEADING_SPACES_TO_TABS, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoLeadingSpacesToTabs(); return true; }},
    {ID_EDIT_REMOVE_TRAILING_BLANKS, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoRemoveTrailingBlanks(); return true; }},
    {ID_EDIT_INSERT_DATE, Pattern::kEdit, [](CWrenView& v) { return InsertStamp(v, FormatCurrentDate()); }},
    {ID_EDIT_INSERT_TIME, Pattern::kEdit, [](CWrenView& v) { return InsertStamp(v, FormatCurrentTime()); }},
    {ID_EDIT_INSERT_BREAK_MARK, Pattern::kEdit, InsertBreakMark},
    {ID_BOOKMARK_TOGGLE, Pattern::kSelection, [](CWrenView& v) { return Search(v).DoToggleBookmark(); }},
    {ID_BOOKMARK_NEXT, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoNextBookmark(); }},
    {ID_BOOKMARK_PREV, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoPrevBookmark(); }},
    {ID_GO_TO_PREV_EDIT, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoGoToPrevEditPos(); }},
    {ID_GO_TO_BLOCK_START, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoGoToBlockStart(); }},
    {ID_GO_TO_BLOCK_END, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoGoToBlockEnd(); }},
    {ID_SCROLL_CARET_TO_TOP, Pattern::kScroll, [](CWrenView& v) { v.GetEngine()->ScrollCaretToTop(); return true; }},
    {ID_SCROLL_CARET_TO_BOTTOM, Pattern::kScroll, [](CWrenView& v) { v.GetEngine()->ScrollCaretToBottom(); return true; }},
    {ID_SCROLL_CARET_TO_CENTRE, Pattern::kScroll, [](CWrenView& v) { v.GetEngine()->ScrollCaretToCentre(); return true; }},
};

const ViewCommand* FindViewCommand(UINT id)
{
    for (const ViewCommand& command : kViewCommands)
        if (command.id == id)
            return &command;
    return nullptr;
}

} // namespace

void CWrenView::OnViewCommand(UINT id)
{
    const ViewCommand* command = FindViewCommand(id);
    if (!command || !m_engine)
        return;
    if (IsReplayableMacroCommand((int)id))
        TheMacroRecorder().RecordCommand((int)id);
    switch (command->pattern) {
    case Pattern::kEdit:
        RunEdit([&] { command->body(*this); });
        if (id == ID_EDIT_BACKSPACE && !TheEditingModes().macroReplaying)
            PostMessage(kMsgPromptRequest, 0, 0);
        break;
    case Pattern::kSelection:
        command->body(*this);
        m_engine->EnsureCaretVisible();
        RepaintNow();
        UpdateAllOtherViews();
        break;
    case Pattern::kPlain:
        command->body(*this);
        break;
    case Pattern::kNavigation: {
        const bool moved = command->body(*this);
        if (!m_engine->IsCaretInView())
            m_engine->ScrollCaretToCentre();
        else if (!moved) {
            PlaceCaret();
            break;
        }
        RepaintNow();
        UpdateAllOtherViews();
        break;
    }
    case Pattern::kScroll:
        command->body(*this);
        RepaintNow();
        UpdateAllOtherViews();
        break;
    }
}

bool CWrenView::RunCommandBody(int commandId)
{
    const UINT id = (UINT)commandId;
    if (!m_engine || !IsReplayableMacroCommand(commandId))
        return false;
    if (const ViewCommand* command = FindViewCommand(id))
        return command->body(*this);
    switch (id) {
    case ID_SEARCH_FIND_NEXT:
    case ID_SEARCH_FIND_AGAIN_NEXT:
        m_search->DoFindNextPrev();
        return m_search->DoFindNextOccurrence();
    case ID_SEARCH_FIND_PREV:
    case ID_SEARCH_FIND_AGAIN_PREV:
        m_search->DoFindNextPrev();
        return m_search->DoFindPrevOccurrence();
    case ID_SEARCH_NEXT_OCCURRENCE: return m_search->DoFindNextOccurrence();
    case ID_SEARCH_PREV_OCCURRENCE: return m_search->DoFindPrevOccurrence();
    case ID_SEARCH_REPLACE_ALL_IN_SELECTION: return m_search->DoReplaceAllInSelection() > 0;
    case ID_SEARCH_REPLACE_ALL_IN_FILE: return m_search->DoReplaceAllInFile() > 0;
    case ID_SEARCH_REPLACE_THIS: return m_search->DoReplaceThis();
    case ID_TOOLS_EVALUATE_LINE: DoEvaluateLine(); return true;
    default: return false;
    }
}

// While a macro is recorded the command is refused, and the recording ends, whether or
// not there is anything to undo.
void CWrenView::OnUndo()
{
    if (!m_groups)
        return;
    if (m_groups->UndoCommand()) {
        RepaintNow();
        UpdateAllOtherViews();
    } else if (TheMacroRecorder().IsRecording()) {
        TheMacroRecorder().Cancel();  // refused while recording, which ends the recording
    }
}

// While a macro is recorded the command is refused, and the recording ends, whether or
// not there is anything to redo.
void CWrenView::OnRedo()
{
    if (!m_groups)
        return;
    if (m_groups->RedoCommand()) {
        RepaintNow();
        UpdateAllOtherViews();
    } else if (TheMacroRecorder().IsRecording()) {
        TheMacroRecorder().Cancel();  // refused while recording, which ends the recording
    }
}

void CWrenView::OnFind()
{
    if (m_searchFlow)
        m_searchFlow->FindCommand();
}

void CWrenView::OnReplace()
{
    if (m_searchFlow)
        m_searchFlow->ReplaceCommand();
}

void CWrenView::OnFindNext()
{
    if (!m_search)
        return;
    m_search->DoFindNextPrev();
    PostMessage(WM_COMMAND, ID_SEARCH_NEXT_OCCURRENCE, 0);
}

void CWrenView::OnFindPrev()
{
    if (!m_search)
        return;
    m_search->DoFindNextPrev();
    PostMessage(WM_COMMAND, ID_SEARCH_PREV_OCCURRENCE, 0);
}

// Find next and previous post these: the occurrence is what a macro replays.
void CWrenView::OnFindNextOccurrence()
{
    TheMacroRecorder().RecordCommand(ID_SEARCH_NEXT_OCCURRENCE);
    if (m_searchFlow)
        m_searchFlow->FindOccurrence(false);
}

void CWrenView::OnFindPrevOccurrence()
{
    TheMacroRecorder().RecordCommand(ID_SEARCH_PREV_OCCURRENCE);
    if (m_searchFlow)
        m_searchFlow->FindOccurrence(true);
}

void CWrenView::OnGoToLine()
{
    if (m_searchFlow)
        m_searchFlow->GoToLineCommand();
}

// Wrapping off is always allowed; on is refused in column mode and beside a second column
// of panes, whose shared horizontal bar could not follow a wrapped pane.
void CWrenView::OnWordWrap()
{
    if (!m_engine)
        return;
    if (!m_engine->IsWordWrap()) {
        auto* splitter = dynamic_cast<CSplitterWnd*>(GetParent());
        if (TheEditingModes().columnMode || (splitter && splitter->GetColumnCount() > 1)) {
            AfxMessageBox("切换自动换行模式失败!\n- 请关闭列模式 或合并列分割窗口 以切换自动换行模式.\n");
            return;
        }
    }
    m_engine->SetWordWrap(!m_engine->IsWordWrap());
    ReformatDocument();
    m_engine->EnsureCaretVisible();
    RepaintNow();
}

// The spelling marks follow the view's own flag. Each time a view turns the check on the
// dictionaries are read again, so words added to them since count; without them the flag
// stays off. The lines are analysed again so that the spelling runs are there to mark.
void CWrenView::OnSpellCheck()
{
    if (!m_engine)
        return;
    const bool on = !m_engine->IsSpellingCheck();
    if (on && !LoadSpellDictionaries(DocumentServices().progress)) {
        AfxMessageBox("载入拼写检查字典失败.\n请检查程序目录下的 vuze.字典 和 用户.字典.", MB_ICONEXCLAMATION);
        return;
    }
    m_engine->SetSpellingCheck(on);
    CTextDocument& text = m_engine->GetDocument();
    text.AnalyzeAllLines(0, text.GetLineCount());
    ReformatDocument();
    RepaintNow();
}

CString& CWrenView::CompanionTitle()
{
    static CString title;
    return title;
}

// The tool reads the selection from the clipboard when it gets the message.
void CWrenView::OnSendToCompanion()
{
    const CString& configured = CompanionTitle();
    const CString title = configured.IsEmpty() ? CString("墨语言系列中文编程工具 之 墨伴3") : configured;
    HWND companion = ::FindWindowA(nullptr, title);
    if (!companion) {
        AfxMessageBox("没找到墨伴窗口！");
        return;
    }
    OnViewCommand(ID_EDIT_COPY);  // a copy as the edit menu's, recorded as one in a macro
    ::PostMessageA(companion, 0xB0CF, 0xD3EFD1D4, 1);
}

// Enabled while recording too, so that pressing them refuses and ends the recording.
void CWrenView::OnUpdateUndo(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_groups && (m_groups->CanUndo() || TheMacroRecorder().IsRecording()));
}
void CWrenView::OnUpdateRedo(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_groups && (m_groups->CanRedo() || TheMacroRecorder().IsRecording()));
}

void CWrenView::OnUpdateFindNextPrev(CCmdUI* cmdUI)
{
    cmdUI->Enable(!TheSearchParameters().text.IsEmpty() || !GetSelectedTextOnLine().IsEmpty());
}

void CWrenView::OnUpdateWordWrap(CCmdUI* cmdUI) { cmdUI->SetCheck(m_engine && m_engine->IsWordWrap()); }
void CWrenView::OnUpdateSpellCheck(CCmdUI* cmdUI) { cmdUI->SetCheck(m_engine && m_engine->IsSpellingCheck()); }
