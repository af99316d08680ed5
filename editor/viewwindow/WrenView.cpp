#include "editor/viewwindow/WrenView.h"
#include "editor/document/ProgressSink.h"
#include "editor/view/MacroRecorder.h"
#include "editor/shell/SystemClipboard.h"

#include <cstring>

#include "editor/dialogs/SearchPrompts.h"
#include "editor/document/WrenDoc.h"
#include "editor/inputaids/LineEvaluation.h"
#include "editor/settings/EditorSettings.h"
#include "editor/viewwindow/ViewShell.h"
#include "framework/DocManager.h"
#include "framework/DocViewHost.h"
#include "framework/FrameWnd.h"
#include "framework/MdiFrameWnd.h"
#include "framework/Gbk.h"
#include "framework/SplitterWnd.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CWrenView, CView)

CEditingModes& TheEditingModes()
{
    static CEditingModes modes;
    return modes;
}

namespace {


const WINDOWPLACEMENT* g_pendingPlacement = nullptr;

// The views of all open documents together.
int CountOpenViews()
{
    CDocManager* manager = GetHostDocManager();
    if (!manager)
        return 0;
    int count = 0;
    for (CDocManager::DocumentPosition at = manager->GetFirstDocumentPosition(); !at.IsEnd();) {
        CDocument* document = manager->GetNextDocument(at);
        for (POSITION view = document->GetFirstViewPosition(); view;) {
            document->GetNextView(view);
            ++count;
        }
    }
    return count;
}

} // namespace

CScopedViewPlacement::CScopedViewPlacement(const WINDOWPLACEMENT* placement) { g_pendingPlacement = placement; }

CScopedViewPlacement::~CScopedViewPlacement() { g_pendingPlacement = nullptr; }

CWrenView::CWrenView() : m_settings(TheEditorSettings()) {}

CWrenView::~CWrenView() = default;

CWrenDoc* CWrenView::GetDocument() const { return static_cast<CWrenDoc*>(m_pDocument); }

int CWrenView::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CView::OnCreate(createStruct) == -1)
        return -1;
    // Without OLE on this thread the view simply takes no drops.
    m_dropTarget.Register(this);
    m_companionKind = -1;
    return 0;
}

void CWrenView::OnDestroy()
{
    if (m_engine && m_engine->IsMouseSelecting()) {
        KillTimer(kAutoScrollTimer);
        ::ReleaseCapture();
    }
    // The engine leaves the document's watcher list before the window goes.
    m_searchFlow.reset();
    m_search.reset();
    m_commands.reset();
    m_groups.reset();
    m_actions.reset();
    m_engine.reset();
    m_prompts.reset();
    CView::OnDestroy();
}

CWrenView* CWrenView::NeighbourPane() const
{
    CWnd* parent = GetParent();
    auto* splitter = dynamic_cast<CSplitterWnd*>(parent);
    int row = 0, col = 0;
    if (splitter && splitter->IsChildPane(this, &row, &col)) {
        for (int r = 0; r < splitter->GetRowCount(); ++r)
            for (int c = 0; c < splitter->GetColumnCount(); ++c) {
                auto* pane = dynamic_cast<CWrenView*>(splitter->GetPane(r, c));
                if (pane && pane != this && pane->m_engine && pane->m_pDocument == m_pDocument)
                    return pane;
            }
    }
    if (CDocument* document = m_pDocument) {
        POSITION position = document->GetFirstViewPosition();
        while (position) {
            auto* view = dynamic_cast<CWrenView*>(document->GetNextView(position));
            if (view && view != this && view->m_engine)
                return view;
        }
    }
    return nullptr;
}

void CWrenView::PlaceChildFrame()
{
    auto* frame = dynamic_cast<CMDIChildWnd*>(GetParentFrame());
    if (!frame)
        return;
    if (g_pendingPlacement)
        frame->SetWindowPlacement(g_pendingPlacement);
    else if (CountOpenViews() < 2)
        frame->ShowWindow(SW_SHOWMAXIMIZED);
}

void CWrenView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    PlaceChildFrame();
    if (!m_engine) {
        CreateViewBackBuffer(0, 0);
        m_engine = std::make_unique<CViewEngine>(GetDocument()->GetText(), m_screenMetrics, *this, *this,
                                                 m_settings.view, TheEditingModes());
        m_actions = std::make_unique<CEditActions>(*m_engine);
        m_prompts = std::make_unique<CSearchPrompts>(this);
        m_groups = std::make_unique<CEditGroups>(*m_actions, *m_prompts);
        m_commands = std::make_unique<CEditCommands>(*m_actions, *m_groups);
        m_search = std::make_unique<CSearchCommands>(*m_actions, TheSearchParameters());
        m_searchFlow = std::make_unique<CSearchDialogFlow>(*m_search, *m_groups, *m_prompts);
        ListenForMacroSteps();
        m_searchFlow->SetPlaceRecorder([this] { RecordCaretPositionIfFar(kNearSearchLines); });
        m_searchFlow->onReplaceInOpenFiles = [this] { PostMessage(WM_COMMAND, ID_SEARCH_REPLACE_ALL_IN_OPEN_FILES, 0); };
        m_prompts->m_allFilesAvailable = [] { return TheViewShell() != nullptr; };
    }
    CRect client;
    GetClientRect(&client);
    m_engine->SetClientSize(client.Width(), client.Height());
    CWrenView* neighbour = NeighbourPane();
    m_engine->InitialUpdate(neighbour ? neighbour->m_engine.get() : nullptr);
    ResetInputState();
    Invalidate(FALSE);
}

void CWrenView::ResetInputState()
{
    m_promptPrefix.Empty();
    m_pendingLead = 0;
}

void CWrenView::ResetLayout()
{
    if (!m_engine)
        return;
    m_engine->ResetLayout();
    ResetInputState();
    Invalidate(FALSE);
}

void CWrenView::ReformatDocument()
{
    if (!m_engine)
        return;
    m_engine->SaveLayoutPositions();
    m_engine->ReformatDocument();
    m_engine->RestoreLayoutPositions();
    Invalidate(FALSE);
}

BOOL CWrenView::OnEraseBkgnd(CDC*) { return TRUE; }

void CWrenView::OnSize(UINT, int cx, int cy)
{
    if (m_engine)
        m_engine->SetClientSize(cx, cy);
}

void CWrenView::OnSetFocus(CWnd*)
{
    m_caretShown = true;
    PlaceCaret();
}

void CWrenView::OnKillFocus(CWnd*)
{
    HideCaret();
    ::DestroyCaret();
    m_caretShown = false;
}

// ---- scroll bars ----

void CWrenView::UpdateScrollBars()
{
    if (!m_engine || m_engine->GetDisplayLineCount() == 0)
        return;
    auto apply = [this](int bar, const CViewEngine::ScrollBarState& state) {
        SCROLLINFO current = {};
        current.cbSize = sizeof current;
        current.fMask = SIF_ALL;
        GetScrollInfo(bar, &current);
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        if ((int)current.nPage != state.page || current.nMax != state.maximum) {
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
            info.nMin = 0;
            info.nMax = state.maximum;
            info.nPage = (UINT)state.page;
            info.nPos = state.position;
            SetScrollInfo(bar, &info, TRUE);
        } else if (current.nPos != state.position) {
            SetScrollPos(bar, state.position, TRUE);
        }
    };
    apply(SB_VERT, m_engine->UpdateVerticalScrollBar());
    apply(SB_HORZ, m_engine->UpdateHorizontalScrollBar());
}

int CWrenView::TrackPosition(int bar) const
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(bar, &info, SIF_TRACKPOS);
    return info.nTrackPos;
}

void CWrenView::OnVScroll(UINT code, UINT, CWnd*)
{
    if (!m_engine)
        return;
    const int lineHeight = m_engine->GetLineHeight();
    PixelY y = m_engine->GetScrollY();
    switch (code) {
    case SB_LINEUP: y -= lineHeight; break;
    case SB_LINEDOWN: y += lineHeight; break;
    case SB_PAGEUP: y -= m_engine->GetClientHeight() / lineHeight * lineHeight; break;
    case SB_PAGEDOWN: y += m_engine->GetClientHeight() / lineHeight * lineHeight; break;
    case SB_THUMBTRACK: y = m_engine->ScrollYFromThumb(TrackPosition(SB_VERT)); break;
    default:
        RepaintNow();
        return;
    }
    m_engine->ScrollTo(m_engine->GetScrollX(), y);
    RepaintNow();
}

void CWrenView::OnHScroll(UINT code, UINT, CWnd*)
{
    if (!m_engine)
        return;
    const int average = m_engine->GetAverageCharWidth();
    const int page = average * ((m_engine->GetClientWidth() - m_engine->GetGutterWidth()) / average);
    PixelX x = m_engine->GetScrollX();
    switch (code) {
    case SB_LINELEFT: x -= average; break;
    case SB_LINERIGHT: x += average; break;
    case SB_PAGELEFT: x -= page; break;
    case SB_PAGERIGHT: x += page; break;
    case SB_THUMBTRACK: x = m_engine->ScrollXFromThumb(TrackPosition(SB_HORZ)); break;
    default:
        RepaintNow();
        return;
    }
    m_engine->ScrollTo(x < 0 ? 0 : x, m_engine->GetScrollY());
    RepaintNow();
}

// ---- the caret ----

// The band and the column markers live in the painted picture: a caret that moved to
// another display line repaints, which places the caret again.
void CWrenView::PlaceCaret()
{
    if (!m_engine || m_engine->GetDisplayLineCount() == 0)
        return;
    if (BandWanted() && BandTarget() != m_bandY) {
        Invalidate(FALSE);
        return;
    }
    if (m_caretShown)
        ::DestroyCaret();
    HideBracketMatch();
    ShowBracketMatch();
    if (m_caretShown) {
        const CViewEngine::CaretPlacement caret = m_engine->GetCaretPlacement();
        CreateSolidCaret(caret.width, caret.height);
        SetCaretPos(CPoint(caret.x, caret.y));
        ShowCaret();
    }
    const DocPosition position = m_engine->GetCaretDocPosition();
    ShowCaretPosition(position.line + 1, position.column + 1, m_engine->GetDocument().GetLineCount());
}

// ---- text at the caret ----

int CWrenView::GetCaretLineNumber() const
{
    return m_engine ? m_engine->GetCaretDocPosition().line + 1 : 0;
}

CString CWrenView::GetCaretCodeText() const { return m_commands ? m_commands->GetCaretCodeText() : CString(); }

namespace {

CString LineSlice(const CTextDocument& document, LineIndex line, ByteColumn start, ByteColumn end)
{
    const CTextLine* text = document.GetLine(line);
    if (!text || start >= end)
        return CString();
    const int length = text->GetLength();
    if (start < 0)
        start = 0;
    if (end > length)
        end = length;
    return start < end ? CString(text->GetText() + start, end - start) : CString();
}

} // namespace

// The caret line's text between the bounds a word rule of the engine gives at the caret.
CString CWrenView::TextAroundCaret(void (CViewEngine::*bounds)(LineIndex, ByteColumn, ByteColumn&, ByteColumn&)
                                       const) const
{
    if (!m_engine)
        return CString();
    const DocPosition caret = m_engine->GetCaretDocPosition();
    ByteColumn start = 0, end = 0;
    (m_engine.get()->*bounds)(caret.line, caret.column, start, end);
    return LineSlice(m_engine->GetDocument(), caret.line, start, end);
}

CString CWrenView::GetWordAtCaret() const { return TextAroundCaret(&CViewEngine::GetWordBounds); }

CString CWrenView::GetVocabularyWordAtCaret() const { return TextAroundCaret(&CViewEngine::GetVocabularyWordBounds); }

CString CWrenView::GetWordAfterCaretWord() const
{
    if (!m_engine)
        return CString();
    const DocPosition caret = m_engine->GetCaretDocPosition();
    ByteColumn start = 0, end = 0;
    m_engine->GetWordBounds(caret.line, caret.column, start, end);
    ByteColumn nextStart = 0, nextEnd = 0;
    m_engine->GetWordBounds(caret.line, end, nextStart, nextEnd);
    if (nextStart == nextEnd) {
        // A symbol right behind the word counts as the next word: one character of it.
        const CTextLine* text = m_engine->GetDocument().GetLine(caret.line);
        if (!text || end >= text->GetLength())
            return CString();
        return LineSlice(m_engine->GetDocument(), caret.line, end,
                         end + GbkText::CharLength(text->GetText(), text->GetLength(), end));
    }
    return LineSlice(m_engine->GetDocument(), caret.line, nextStart, nextEnd);
}

CString CWrenView::GetSelectedTextOnLine() const
{
    if (!m_engine || !m_engine->IsSelectionActive())
        return CString();
    const DocSelection range = m_engine->GetSelectionRange();
    if (range.start.line != range.end.line)
        return CString();
    return LineSlice(m_engine->GetDocument(), range.start.line, range.start.column, range.end.column);
}

int CWrenView::GetSelectionLineSpan() const { return m_engine ? m_engine->GetSelectionLineSpan() : 0; }

// ---- insertion entry points ----

void CWrenView::EvaluateCaretLine()
{
    if (!m_engine)
        return;
    const DocPosition caret = m_engine->GetCaretDocPosition();
    const CTextLine* line = m_engine->GetDocument().GetLine(caret.line);
    if (!line)
        return;
    const CString output = FormatLineEvaluation(line->GetText(), (size_t)line->GetLength()).c_str();

    const ByteColumn end = line->GetLength();
    m_actions->EditSplitLine(end, caret.line);
    m_actions->EditInsertString(0, caret.line + 1, output);
    m_engine->SetCaretToDocPosition(output.GetLength(), caret.line + 1);
    m_engine->DropAnchor();
}

void CWrenView::DoEvaluateLine()
{
    if (!m_engine)
        return;
    m_engine->Deselect();
    EvaluateCaretLine();
}

// The command is one edit group; a replay runs DoEvaluateLine inside its own group instead.
void CWrenView::OnEvaluateLine()
{
    RunEdit([&] {
        DoEvaluateLine();
        TheMacroRecorder().RecordCommand(ID_TOOLS_EVALUATE_LINE);
    });
}

void CWrenView::UpdateAllOtherViews()
{
    if (m_pDocument)
        m_pDocument->UpdateAllViews(this);
}

int CWrenView::TurnWrapOff()
{
    if (!m_engine || !m_engine->IsWordWrap())
        return 0;
    SendMessage(WM_COMMAND, ID_VIEW_WORD_WRAP, 0);
    return 1;
}

void CWrenView::BeepIf(int flag)
{
    if (flag)
        Beep();
}

void CWrenView::RepaintNow()
{
    Invalidate(FALSE);
    UpdateWindow();
}

// ---- IViewHost ----

void CWrenView::InvalidateView()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

// Panes in this pane's splitter row share its vertical offset, panes in its column the
// horizontal one.
void CWrenView::OnScrolled(PixelX scrollX, PixelY scrollY)
{
    auto* splitter = dynamic_cast<CSplitterWnd*>(GetParent());
    int row = 0, col = 0;
    if (!splitter || !splitter->IsChildPane(this, &row, &col))
        return;
    for (int r = 0; r < splitter->GetRowCount(); ++r)
        for (int c = 0; c < splitter->GetColumnCount(); ++c) {
            auto* pane = dynamic_cast<CWrenView*>(splitter->GetPane(r, c));
            if (!pane || pane == this || !pane->m_engine || (r != row && c != col))
                continue;
            if (r == row)
                pane->m_engine->SetScrollY(scrollY);
            if (c == col)
                pane->m_engine->SetScrollX(scrollX);
            pane->Invalidate(FALSE);
        }
}

void CWrenView::InvalidateRowAndColumnPanes()
{
    auto* splitter = dynamic_cast<CSplitterWnd*>(GetParent());
    int row = 0, col = 0;
    if (!splitter || !splitter->IsChildPane(this, &row, &col))
        return;
    for (int r = 0; r < splitter->GetRowCount(); ++r)
        for (int c = 0; c < splitter->GetColumnCount(); ++c) {
            CWnd* pane = splitter->GetPane(r, c);
            if (pane && pane != this && (r == row || c == col))
                pane->Invalidate(FALSE);
        }
}

void CWrenView::ShowCaretPosition(int line, int column, int lineCount)
{
    m_shownPosition = {line, column, lineCount};
}

void CWrenView::SetStatusText(const char* text)
{
    m_statusText = text ? text : "";
    if (auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd()))
        frame->SetMessageText(m_statusText);
}

void CWrenView::Beep() { ::MessageBeep(MB_OK); }

// Long layouts show the status bar's percentage box with the wait cursor, and the message
// pane says "就绪" again when they end; without a status bar only the cursor shows.
void CWrenView::BeginProgress(const char* text)
{
    if (IProgressSink* progress = DocumentServices().progress) {
        progress->BeginProgress(text, true);
        return;
    }
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

void CWrenView::SetProgress(int percent)
{
    if (IProgressSink* progress = DocumentServices().progress)
        progress->DrawProgress(percent);
}

void CWrenView::EndProgress()
{
    if (IProgressSink* progress = DocumentServices().progress) {
        progress->EndProgress();
        return;
    }
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}

bool CWrenView::IsCtrlHeld() const { return ::GetKeyState(VK_CONTROL) < 0; }
bool CWrenView::IsShiftHeld() const { return ::GetKeyState(VK_SHIFT) < 0; }
bool CWrenView::IsAltHeld() const { return ::GetKeyState(VK_MENU) < 0; }

// ---- IClipboard ----

bool CWrenView::PutText(const char* bytes, int length)
{
    return CSystemClipboard(m_hWnd).PutText(bytes, length);
}

bool CWrenView::GetText(std::string& bytes)
{
    return CSystemClipboard(m_hWnd).GetText(bytes);
}

// ---- keys ----

BOOL CWrenView::PreTranslateMessage(MSG* msg)
{
    if (!m_engine)
        return CView::PreTranslateMessage(msg);
    CEditingModes& modes = TheEditingModes();
    switch (msg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (MatchToolHotKey(*msg) || MatchMacroHotKey(*msg))
            return TRUE;
        if (msg->wParam >= VK_PRIOR && msg->wParam <= VK_DOWN) {
            int modifiers = m_engine->GetModifierMask();
            // Ctrl with Up or Down extends an active selection as Ctrl+Shift would.
            if ((modifiers & kModifierCtrl) && (msg->wParam == VK_UP || msg->wParam == VK_DOWN) &&
                m_engine->IsSelectionActive())
                modifiers |= kModifierShift;
            // The key goes on to the frames: Ctrl+PageUp and Ctrl+PageDown switch documents.
            OnCaretKey((int)msg->wParam, modifiers);
            break;
        }
        if (msg->wParam == VK_DELETE && msg->message == WM_KEYDOWN) {
            OnViewCommand(ID_EDIT_DELETE_KEY);
            return TRUE;
        }
        break;
    case WM_CHAR: {
        const unsigned char byte = (unsigned char)msg->wParam;
        if (m_pendingLead) {
            const char lead = m_pendingLead;
            m_pendingLead = 0;
            OnTypedDoubleByte(lead, (char)byte);
        } else if (GbkText::IsLeadByte(byte)) {
            m_pendingLead = (char)byte;
            return TRUE;
        } else if (byte == '\r') {
            OnViewCommand(ID_EDIT_ENTER);
            return TRUE;
        } else if (byte == 27) {
            OnViewCommand(ID_EDIT_ESCAPE);
            return TRUE;
        } else if (byte == '\b') {
            OnViewCommand(ID_EDIT_BACKSPACE);
            return TRUE;
        } else if (byte == '\t') {
            OnViewCommand(ID_EDIT_TAB);
            return TRUE;
        } else if (byte < 32) {
            return CView::PreTranslateMessage(msg);
        } else {
            OnTypedChar((char)byte);
        }
        if (!modes.macroReplaying)
            PostMessage(kMsgPromptRequest, 0, 0);
        return TRUE;
    }
    default:
        break;
    }
    return CView::PreTranslateMessage(msg);
}

void CWrenView::OnCaretKey(int key, int modifiers)
{
    if (!m_commands)
        return;
    const bool repaint = m_commands->MoveCaretByKey(key, modifiers);
    TheMacroRecorder().RecordCaretKey(key, (unsigned)modifiers);
    m_engine->EnsureCaretVisible();
    if (repaint) {
        RepaintNow();
        UpdateAllOtherViews();
    } else {
        PlaceCaret();
    }
    ShowCaretStatus();
}

void CWrenView::OnTypedChar(char ch)
{
    if (!m_commands)
        return;
    const char typed[2] = {ch, 0};
    if (StepOverAutoCloser(typed))
        return;
    const DocPosition at = m_engine->GetCaretDocPosition();
    const CString name = ch == '(' ? GetVocabularyWordAtCaret() : CString();
    KeyboardMacroRecorder& recorder = TheMacroRecorder();
    RunEdit([&] {
        m_commands->DoTypeChar(ch);
        recorder.RecordChar((unsigned char)ch);
        if (m_settings.view.autoCloseBrackets && (ch == '{' || ch == '[' || ch == '(')) {
            // The closing bracket and the step back are steps of their own, so a replay
            // (which types only what was recorded) leaves the same pair.
            const char closing[2] = {ch == '{' ? '}' : ch == '[' ? ']' : ')', 0};
            m_commands->DoTypeChar(closing[0]);
            recorder.RecordChar((unsigned char)closing[0]);
            m_commands->MoveCaretByKey(VK_LEFT, 0);
            recorder.RecordCaretKey(VK_LEFT, 0);
            RememberAutoCloser(closing);
        }
    });
    if (ch == '(')
        ShowCallTipOfCallAt(at, name);
    else if (!m_callTip.IsEmpty())
        ShowCaretStatus();
}

void CWrenView::OnTypedDoubleByte(char lead, char trail)
{
    if (!m_commands)
        return;
    static const unsigned short kPairs[][2] = {{0xA1B2, 0xA1B3}, {0xA1BC, 0xA1BD}, {0xA1BE, 0xA1BF},
                                               {0xA3A8, 0xA3A9}, {0xA3DB, 0xA3DD}, {0xA3FB, 0xA3FD}};
    const unsigned short code = (unsigned short)(((unsigned char)lead << 8) | (unsigned char)trail);
    const char text[3] = {lead, trail, 0};
    if (StepOverAutoCloser(text))
        return;
    const bool opensCall = code == 0xA3A8 || code == 0xA1B2;  // "（" and "〔"
    const DocPosition at = m_engine->GetCaretDocPosition();
    const CString name = opensCall ? GetVocabularyWordAtCaret() : CString();
    KeyboardMacroRecorder& recorder = TheMacroRecorder();
    RunEdit([&] {
        m_commands->DoTypeString(CString(text));
        recorder.RecordString(text);
        if (!m_settings.view.autoCloseBrackets)
            return;
        for (const auto& pair : kPairs)
            if (pair[0] == code) {
                const char closing[3] = {(char)(pair[1] >> 8), (char)(pair[1] & 0xFF), 0};
                m_commands->DoTypeString(CString(closing));
                recorder.RecordString(closing);
                m_commands->MoveCaretByKey(VK_LEFT, 0);
                recorder.RecordCaretKey(VK_LEFT, 0);
                RememberAutoCloser(closing);
            }
    });
    if (opensCall)
        ShowCallTipOfCallAt(at, name);
    else if (!m_callTip.IsEmpty())
        ShowCaretStatus();
}

bool CWrenView::StepOverAutoCloser(const char* closing)
{
    if (m_autoClosers.empty() || m_engine->IsSelectionActive() || TheEditingModes().overwriteMode)
        return false;
    const DocPosition caret = m_engine->GetCaretDocPosition();
    const CTextLine* line = m_engine->GetDocument().GetLine(caret.line);
    if (caret.line != m_autoCloserLine || !line) {
        m_autoClosers.clear();
        return false;
    }
    const AutoCloser& last = m_autoClosers.back();
    const int length = (int)strlen(closing);
    if (last.text != closing || caret.column != line->GetLength() - last.tail ||
        caret.column + length > line->GetLength() || memcmp(line->GetText() + caret.column, closing, length) != 0)
        return false;
    m_autoClosers.pop_back();
    OnCaretKey(VK_RIGHT, 0);
    return true;
}

void CWrenView::RememberAutoCloser(const char* closing)
{
    const DocPosition caret = m_engine->GetCaretDocPosition();
    const CTextLine* line = m_engine->GetDocument().GetLine(caret.line);
    if (!line)
        return;
    if (caret.line != m_autoCloserLine)
        m_autoClosers.clear();
    m_autoCloserLine = caret.line;
    m_autoClosers.push_back({closing, line->GetLength() - caret.column});
}
