#include "editor/view/window/WrenView.h"

#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/shell/KeyboardMacros.h"
#include "editor/shell/EditorSettings.h"
#include "editor/view/DateTimeText.h"
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
    ON_COMMAND_RANGE(41000, 41011, OnViewCommand)
    ON_COMMAND(kCmdInsertFile, OnInsertFile)
    // 41036, column mode, is the application's.
    ON_COMMAND_RANGE(41013, 41035, OnViewCommand)
    ON_COMMAND_RANGE(41037, 41037, OnViewCommand)
    ON_COMMAND_RANGE(kCmdCaretLeft, kCmdCaretPageDown, OnCaretKeyCommand)
    ON_COMMAND_RANGE(kCmdFindAgainNext, kCmdFindAgainPrev, OnFindAgain)
    ON_COMMAND_RANGE(kCmdInsertBreakMark, kCmdInsertBreakMark, OnViewCommand)
    ON_COMMAND_RANGE(kCmdCopy, kCmdCut, OnViewCommand)
    ON_COMMAND_RANGE(kCmdPaste, kCmdPaste, OnViewCommand)
    ON_COMMAND_RANGE(kCmdSelectAll, kCmdSelectAll, OnViewCommand)
    ON_COMMAND_RANGE(42106, 42111, OnViewCommand)
    ON_COMMAND_RANGE(42016, 42018, OnViewCommand)
    ON_COMMAND(41038, OnPendingInsert)
    ON_COMMAND(kCmdUndo, OnUndo)
    ON_COMMAND(kCmdRedo, OnRedo)
    ON_COMMAND(kCmdFind, OnFind)
    ON_COMMAND(kCmdReplace, OnReplace)
    // The edit menu, its tool bar button and Ctrl+F and Ctrl+H carry the common ids.
    ON_COMMAND(ID_EDIT_FIND, OnFind)
    ON_COMMAND(ID_EDIT_REPLACE, OnReplace)
    ON_COMMAND(kCmdFindNext, OnFindNext)
    ON_COMMAND(kCmdFindPrev, OnFindPrev)
    ON_COMMAND(kCmdFindNextOccurrence, OnFindNextOccurrence)
    ON_COMMAND(kCmdFindPrevOccurrence, OnFindPrevOccurrence)
    ON_COMMAND(kCmdGoToLine, OnGoToLine)
    ON_COMMAND(kCmdWordWrap, OnWordWrap)
    ON_COMMAND(kCmdSpellCheck, OnSpellCheck)
    ON_COMMAND(kCmdSendToCompanion, OnSendToCompanion)
    ON_COMMAND_RANGE(kCmdSearchInterfaces, kCmdSearchSamples, OnSelectionSearch)
    ON_COMMAND_RANGE(kCmdSearchDocumentFolder, kCmdSearchDocumentFolder, OnSelectionSearch)
    ON_COMMAND(kCmdReplaceAllReporting, OnReplaceAllReporting)
    ON_COMMAND(kCmdReplaceAllInOpenFiles, OnReplaceAllInOpenFiles)
    ON_COMMAND(kCmdAddToVocabulary, OnAddToVocabulary)
    ON_COMMAND(kCmdAddToPhrases, OnAddToPhrases)
    ON_UPDATE_COMMAND_UI(kCmdAddToPhrases, OnUpdateAddToPhrases)
    ON_COMMAND(ID_MACRO_RECORD, OnMacroRecord)
    ON_COMMAND(ID_MACRO_STOP, OnMacroStop)
    ON_COMMAND_RANGE(ID_MACRO_REPLAY, ID_MACRO_REPLAY, OnMacroReplay)
    ON_COMMAND_RANGE(ID_MACRO_SLOT_10, ID_MACRO_SLOT_9, OnMacroReplay)
    ON_UPDATE_COMMAND_UI(ID_MACRO_RECORD, OnUpdateMacroRecord)
    ON_UPDATE_COMMAND_UI(ID_MACRO_STOP, OnUpdateMacroStop)
    ON_UPDATE_COMMAND_UI_RANGE(ID_MACRO_SLOT_10, ID_MACRO_SLOT_9, OnUpdateMacroSlot)
    ON_COMMAND(kCmdEvaluateLine, OnEvaluateLine)
    ON_UPDATE_COMMAND_UI(kCmdUndo, OnUpdateUndo)
    ON_UPDATE_COMMAND_UI(kCmdRedo, OnUpdateRedo)
    ON_UPDATE_COMMAND_UI(kCmdFindNext, OnUpdateFindNextPrev)
    ON_UPDATE_COMMAND_UI(kCmdFindPrev, OnUpdateFindNextPrev)
    ON_UPDATE_COMMAND_UI(kCmdWordWrap, OnUpdateWordWrap)
    ON_UPDATE_COMMAND_UI(kCmdSpellCheck, OnUpdateSpellCheck)
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
    {41005, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoEnterKey(0); }},
    {41006, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoBackspaceKey(); return true; }},
    {41009, Pattern::kSelection, [](CWrenView& v) { Edit(v).DoEscapeKey(); return true; }},
    {41000, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeleteKey(); return true; }},
    {41007, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoTabKey(); return true; }},
    {41008, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDetabKey(); return true; }},
    {41025, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoIndent(0); }},
    {41026, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoOutdent(0); }},
    {41022, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoCommentLines(0); }},
    {41024, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoUncommentLines(0); }},
    {41013, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoJoinLines(); return true; }},
    {41014, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoSplitLine(); return true; }},
    {41031, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeleteWord(); return true; }},
    {41033, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeletePrevWord(); return true; }},
    {41032, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeleteToLineEnd(); return true; }},
    {41037, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDeleteToLineStart(); return true; }},
    {41015, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoDeleteLine(0); }},
    {41016, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoDuplicateLine(); return true; }},
    {kCmdCut, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoCut(0); }},
    {kCmdCopy, Pattern::kPlain, [](CWrenView& v) { return Edit(v).DoCopy(0); }},
    {41030, Pattern::kPlain,
     [](CWrenView& v) { return Edit(v).DoCopyFilePath(v.GetDocument()->GetPathName()); }},
    {41001, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoAppendCut(0); }},
    {41002, Pattern::kPlain, [](CWrenView& v) { return Edit(v).DoAppendCopy(0); }},
    {kCmdPaste, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoPaste(0); }},
    {kCmdSelectAll, Pattern::kSelection, [](CWrenView& v) { return Search(v).DoSelectAll(0); }},
    {41003, Pattern::kSelection, [](CWrenView& v) { Search(v).DoSelectLine(); return true; }},
    {41004, Pattern::kSelection, [](CWrenView& v) { Search(v).DoSelectWord(); return true; }},
    {41027, Pattern::kSelection, [](CWrenView& v) { return Search(v).DoSelectBlock(0); }},
    {41017, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoUpperCase(0); }},
    {41018, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoLowerCase(0); }},
    {41019, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoCapitalize(0); }},
    {41020, Pattern::kEdit, [](CWrenView& v) { return Edit(v).DoInvertCase(0); }},
    {41028, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoTabsToSpaces(); return true; }},
    {41034, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoSpacesToTabs(); return true; }},
    {41035, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoLeadingSpacesToTabs(); return true; }},
    {41029, Pattern::kEdit, [](CWrenView& v) { Edit(v).DoRemoveTrailingBlanks(); return true; }},
    {41010, Pattern::kEdit, [](CWrenView& v) { return InsertStamp(v, FormatCurrentDate()); }},
    {41011, Pattern::kEdit, [](CWrenView& v) { return InsertStamp(v, FormatCurrentTime()); }},
    {kCmdInsertBreakMark, Pattern::kEdit, InsertBreakMark},
    {42106, Pattern::kSelection, [](CWrenView& v) { return Search(v).DoToggleBookmark(); }},
    {42107, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoNextBookmark(); }},
    {42108, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoPrevBookmark(); }},
    {42111, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoGoToPrevEditPos(); }},
    {42109, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoGoToBlockStart(); }},
    {42110, Pattern::kNavigation, [](CWrenView& v) { return Search(v).DoGoToBlockEnd(); }},
    {42016, Pattern::kScroll, [](CWrenView& v) { v.GetEngine()->ScrollCaretToTop(); return true; }},
    {42017, Pattern::kScroll, [](CWrenView& v) { v.GetEngine()->ScrollCaretToBottom(); return true; }},
    {42018, Pattern::kScroll, [](CWrenView& v) { v.GetEngine()->ScrollCaretToCentre(); return true; }},
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
        if (id == 41006 && !TheEditingModes().macroReplaying)
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

bool CWrenView::RunCommandBody(UINT id)
{
    if (!m_engine || !IsReplayableMacroCommand((int)id))
        return false;
    if (const ViewCommand* command = FindViewCommand(id))
        return command->body(*this);
    switch (id) {
    case kCmdFindNext:
    case 42113:
        m_search->DoFindNextPrev();
        return m_search->DoFindNextOccurrence();
    case kCmdFindPrev:
    case 42114:
        m_search->DoFindNextPrev();
        return m_search->DoFindPrevOccurrence();
    case kCmdFindNextOccurrence: return m_search->DoFindNextOccurrence();
    case kCmdFindPrevOccurrence: return m_search->DoFindPrevOccurrence();
    case 42115: return m_search->DoReplaceAllInSelection() > 0;
    case 42116: return m_search->DoReplaceAllInFile() > 0;
    case 42119: return m_search->DoReplaceThis();
    case kCmdEvaluateLine: DoEvaluateLine(); return true;
    default: return false;
    }
}

void CWrenView::OnUndo()
{
    if (!m_groups || !m_groups->CanUndo())
        return;
    if (m_groups->UndoCommand()) {
        RepaintNow();
        UpdateAllOtherViews();
    } else if (TheMacroRecorder().IsRecording()) {
        TheMacroRecorder().Cancel();  // refused while recording, which ends the recording
    }
}

void CWrenView::OnRedo()
{
    if (!m_groups || !m_groups->CanRedo())
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
    PostMessage(WM_COMMAND, kCmdFindNextOccurrence, 0);
}

void CWrenView::OnFindPrev()
{
    if (!m_search)
        return;
    m_search->DoFindNextPrev();
    PostMessage(WM_COMMAND, kCmdFindPrevOccurrence, 0);
}

// Find next and previous post these: the occurrence is what a macro replays.
void CWrenView::OnFindNextOccurrence()
{
    TheMacroRecorder().RecordCommand(kCmdFindNextOccurrence);
    if (m_searchFlow)
        m_searchFlow->FindOccurrence(false);
}

void CWrenView::OnFindPrevOccurrence()
{
    TheMacroRecorder().RecordCommand(kCmdFindPrevOccurrence);
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

// The spelling marks follow the view's own flag; the lines are analysed again so the
// spelling runs are there to mark.
void CWrenView::OnSpellCheck()
{
    if (!m_engine)
        return;
    m_engine->SetSpellingCheck(!m_engine->IsSpellingCheck());
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
    OnViewCommand(kCmdCopy);  // a copy as the edit menu's, recorded as one in a macro
    ::PostMessageA(companion, 0xB0CF, 0xD3EFD1D4, 1);
}

void CWrenView::OnUpdateUndo(CCmdUI* cmdUI) { cmdUI->Enable(m_groups && m_groups->CanUndo()); }
void CWrenView::OnUpdateRedo(CCmdUI* cmdUI) { cmdUI->Enable(m_groups && m_groups->CanRedo()); }

void CWrenView::OnUpdateFindNextPrev(CCmdUI* cmdUI)
{
    cmdUI->Enable(!TheSearchParameters().text.IsEmpty() || !GetSelectedTextOnLine().IsEmpty());
}

void CWrenView::OnUpdateWordWrap(CCmdUI* cmdUI) { cmdUI->SetCheck(m_engine && m_engine->IsWordWrap()); }
void CWrenView::OnUpdateSpellCheck(CCmdUI* cmdUI) { cmdUI->SetCheck(m_engine && m_engine->IsSpellingCheck()); }
