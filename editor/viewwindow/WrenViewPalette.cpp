// The view's side of the input aids: the palette commands, the pending insert of the
// operator picker, and the vocabulary prompt's request and accept messages.
#include "editor/res/resource.h"
#include "editor/viewwindow/WrenView.h"
#include "editor/view/MacroRecorder.h"

#include <cstring>
#include <string>

#include "editor/inputaids/PaletteBars.h"
#include "editor/inputaids/PendingInsert.h"
#include "editor/inputaids/VocabularyList.h"
#include "editor/settings/EditorSettings.h"
#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"
#include "framework/Gbk.h"
#include "framework/WinApp.h"

namespace {

// The application's pending-insert text, which ID_EDIT_PENDING_INSERT inserts.
CString& PendingInsertText()
{
    static CString text;
    return text;
}

IPromptHost* PromptHost() { return dynamic_cast<IPromptHost*>(AfxGetMainWnd()); }

} // namespace

// Palette commands are matched by their listed ids, so the frame's and the application's
// commands between them (the bar toggles) go on to their owners. Without a layout the view
// takes none of them, and the palettes show disabled.
BOOL CWrenView::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    if (!m_engine || (code != CN_COMMAND && code != CN_UPDATE_COMMAND_UI) || !IsPaletteCommand(id))
        return CView::OnCmdMsg(id, code, extra, handlerInfo);
    if (handlerInfo) {
        handlerInfo->target = this;
        return TRUE;
    }
    if (code == CN_UPDATE_COMMAND_UI)
        return UpdatePaletteCommand(static_cast<CCmdUI*>(extra), ThePaletteState());
    // The operator palette's Enter and Backspace buttons run the view's own keys.
    if (id == ID_PALETTE_ENTER || id == ID_PALETTE_BACKSPACE)
        OnViewCommand(id == ID_PALETTE_ENTER ? ID_EDIT_ENTER : ID_EDIT_BACKSPACE);
    else
        RunPaletteCommand(id, *this, ThePaletteState(), dynamic_cast<CFrameWnd*>(AfxGetMainWnd()));
    return TRUE;
}

void CWrenView::InsertPaletteText(const char* text)
{
    if (!m_commands || !text || !*text)
        return;
    RunEdit([&] { m_commands->InsertTextAtCaret(CString(text)); });
    TheMacroRecorder().RecordString(text);
}

void CWrenView::PostPendingInsert(const char* text)
{
    PendingInsertText() = text ? text : "";
    PostMessage(WM_COMMAND, ID_EDIT_PENDING_INSERT, 0);
}

// Hints are dropped unless the user keeps them; then each piece of text, new line and
// outdent step is an edit group of its own.
void CWrenView::OnPendingInsert()
{
    std::string text((LPCTSTR)PendingInsertText(), (size_t)PendingInsertText().GetLength());
    PendingInsertText().Empty();
    if (!m_groups || text.empty())
        return;
    if (!m_settings.vocabularyWithComment)
        text = RemoveInsertHints(text);
    for (const PendingInsertStep& step : SplitPendingInsert(text)) {
        m_groups->RunAction([&] {
            switch (step.kind) {
            case PendingInsertStep::Text:
                m_actions->InsertStringPlain(CString(step.text.c_str()));
                break;
            case PendingInsertStep::Enter:
                m_commands->DoForcedNewLine();
                break;
            case PendingInsertStep::Back:
                m_commands->DoForcedOutdent(1);
                break;
            }
        });
    }
    RepaintNow();
    UpdateAllOtherViews();
}

// The word before the caret goes to the main frame, which shows the popup under the caret
// line when the document's prompt table has entries for it.
LRESULT CWrenView::OnPromptRequest(WPARAM, LPARAM)
{
    if (!m_engine || !m_settings.view.vocabularyPopup)
        return 1;
    const int tableIndex = GetCompanionKind();
    IPromptHost* host = PromptHost();
    if (tableIndex < 0 || !host)
        return 1;
    m_promptPrefix = GetVocabularyWordAtCaret();
    const CViewEngine::CaretPlacement caret = m_engine->GetCaretPlacement();
    CPoint below(caret.x, caret.y + m_engine->GetLineHeight());
    ClientToScreen(&below);
    host->ShowHintWindow(below.x, below.y, m_promptPrefix, tableIndex);
    return 1;
}

// An input method at work closes the popup.
LRESULT CWrenView::OnImeNotify(WPARAM, LPARAM)
{
    if (IPromptHost* host = PromptHost())
        host->ShowHintWindow(0, 0, "", 0);
    return Default();
}

namespace {

// +1 for an opening bracket of a call at text, -1 for a closing one, else 0.
int CallBracketAt(const char* text, int length)
{
    if (*text == '(')
        return 1;
    if (*text == ')')
        return -1;
    if (length < 2)
        return 0;
    if (memcmp(text, "（", 2) == 0 || memcmp(text, "〔", 2) == 0)
        return 1;
    if (memcmp(text, "）", 2) == 0 || memcmp(text, "〕", 2) == 0)
        return -1;
    return 0;
}

}  // namespace

bool IsInsideCall(const char* text, int length, ByteColumn open, ByteColumn caret)
{
    if (open < 0 || caret <= open || caret > length || CallBracketAt(text + open, length - open) != 1)
        return false;
    int depth = 0;
    for (ByteColumn at = open; at < caret; at += GbkText::CharLength(text + at)) {
        depth += CallBracketAt(text + at, length - at);
        if (depth == 0)
            return false;
    }
    return true;
}

void CWrenView::ShowCallTipOfCallAt(DocPosition open, const char* name)
{
    const char* tip = GetCompanionKind() >= 0 && *name ? LookupVocabulary(name) : nullptr;
    m_callTip = tip ? tip : "";
    m_callOpen = open;
    if (tip)
        SetStatusText(tip);
}

void CWrenView::ShowCaretStatus()
{
    if (!m_callTip.IsEmpty()) {
        const DocPosition caret = m_engine->GetCaretDocPosition();
        const CTextLine* line = m_engine->GetDocument().GetLine(caret.line);
        if (caret.line == m_callOpen.line && line &&
            IsInsideCall(line->GetText(), line->GetLength(), m_callOpen.column, caret.column)) {
            SetStatusText(m_callTip);
            return;
        }
        m_callTip.Empty();
    }
    SetStatusText(GetCaretCodeText());
}

void CWrenView::ShowCallTipOfCaretWord()
{
    if (GetCompanionKind() < 0)
        return;
    const CString next = GetWordAfterCaretWord();
    if (next != "(" && next != "（" && next != "〔")
        return;
    if (const char* tip = LookupVocabulary(GetWordAtCaret()))
        SetStatusText(tip);
}

void CWrenView::ExpectPromptAccept(const char* entry)
{
    m_pendingPromptEntry = entry ? entry : "";
    m_promptAcceptPending = true;
}

// The message's text parameter is only trusted while this view's own popup has an accepted
// entry pending, and then the view inserts its own copy of that entry, never the pointer.
// The typed word and the entry's text trade places in one edit group; the status bar then
// shows the call tip of the call the caret stands in.
LRESULT CWrenView::OnPromptAccept(WPARAM, LPARAM lParam)
{
    if (!m_promptAcceptPending || !m_engine)
        return 0;
    m_promptAcceptPending = false;
    const CString entry = m_pendingPromptEntry;
    m_pendingPromptEntry.Empty();
    const int offset = (int)lParam;
    RunEdit([&] {
        const DocPosition caret = m_engine->GetCaretDocPosition();
        ByteColumn start = caret.column;
        if (!m_promptPrefix.IsEmpty()) {
            ByteColumn end = caret.column;
            m_engine->GetVocabularyWordBounds(caret.line, caret.column, start, end);
            if (end > start)
                m_actions->EditDeleteString(start, caret.line, end - start);
        }
        m_actions->EditInsertString(start, caret.line, entry);
        const int inside = offset > 0 && offset <= entry.GetLength() ? offset : entry.GetLength();
        m_engine->Deselect();
        m_engine->SetCaretToDocPosition(start + inside, caret.line);
        m_engine->DropAnchor();
    });
    m_promptPrefix.Empty();
    if (const char* tip = LookupVocabularyBefore(entry))
        SetStatusText(tip);
    return 1;
}
