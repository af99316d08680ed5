#include "editor/viewwindow/WrenView.h"

#include <cstdlib>
#include <cstring>

#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/settings/EditorSettings.h"
#include "editor/view/MacroRecorder.h"
#include "editor/util/PathUtil.h"
#include "framework/Gbk.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"

namespace {

// The extension with its dot, compared without case; empty without one.
bool HasExtension(const char* name, const char* const* extensions)
{
    const char* dot = strrchr(name, '.');
    if (!dot)
        return false;
    for (const char* const* extension = extensions; *extension; ++extension)
        if (_stricmp(dot, *extension) == 0)
            return true;
    return false;
}

} // namespace

int CompanionKindOfPath(const char* path)
{
    if (!path || !*path)
        return 0;
    const char* name = path;
    for (const char* p = path; *p; p += GbkText::CharLength(p))
        if (*p == '\\' || *p == '/')
            name = p + 1;
    static const char* const kKind0[] = {".墨", ".接口", ".定义", ".c", ".h", nullptr};
    static const char* const kKind1[] = {".墨双", ".cpp", ".hpp", nullptr};
    static const char* const kKind2[] = {".构建", nullptr};
    static const char* const kKind3[] = {".汇编", ".asm", ".s", nullptr};
    if (HasExtension(name, kKind0))
        return 0;
    if (HasExtension(name, kKind1))
        return 1;
    if (HasExtension(name, kKind2) || strcmp(name, "构建指导书") == 0)
        return 2;
    if (HasExtension(name, kKind3))
        return 3;
    return -1;
}

int ContextMenuPopup(bool inGutter, bool selectionActive)
{
    if (inGutter)
        return 0;
    return selectionActive ? 2 : 1;
}

int CWrenView::GetCompanionKind()
{
    if (m_companionKind < 0 && m_pDocument)
        m_companionKind = CompanionKindOfPath(m_pDocument->GetPathName());
    return m_companionKind;
}

void CWrenView::ShowMouseResult()
{
    m_engine->EnsureCaretVisible();
    RepaintNow();
    InvalidateRowAndColumnPanes();
}

void CWrenView::StartMouseSelection()
{
    CViewEngine& engine = *m_engine;
    ShowMouseResult();
    const int lineHeight = engine.GetLineHeight();
    m_autoScrollRect = CRect(0, 0, engine.GetClientWidth() - engine.GetMetrics().GetMaxCharWidth(),
                             lineHeight * engine.GetVisibleLineCount());
    SetTimer(kAutoScrollTimer, 100);
    SetCapture();
    engine.BeginMouseSelection();
}

void CWrenView::OnLButtonDown(UINT flags, CPoint point)
{
    if (!m_engine)
        return;
    CViewEngine& engine = *m_engine;
    const bool shift = (flags & MK_SHIFT) != 0;
    const bool ctrl = (flags & MK_CONTROL) != 0;
    const bool gutter = InGutter(point);
    if (TryStartDrag(flags, point)) {
        RecordClickPosition();
        return;
    }

    if (shift && !engine.IsSelectionActive())
        engine.DropAnchor();
    engine.SetCaretFromPoint(point.x, point.y);
    if (shift && engine.IsSelectionSaved())
        engine.ExtendFromSavedSelection();

    if (gutter) {
        if (shift)
            engine.UpdateSelectionActive();
        else if (engine.IsColumnMode())
            engine.DropAnchor();
        else
            engine.SelectDisplayLineAtCaret();
    } else if (shift) {
        engine.UpdateSelectionActive();
    } else if (ctrl) {
        const DocPosition caret = engine.GetCaretDocPosition();
        ByteColumn start = 0, end = 0;
        engine.GetWordBounds(caret.line, caret.column, start, end);
        engine.SetAnchorToDocPosition(end, caret.line);
        engine.SetCaretToDocPosition(start, caret.line);
        engine.UpdateSelectionActive();
    } else {
        engine.DropAnchor();
    }
    engine.TrackGutterSelection(gutter);
    StartMouseSelection();
    RecordClickPosition();
}

// A click is a place the user may want to go back to.
void CWrenView::RecordClickPosition()
{
    PushPositionHistoryFar();
    ShowCaretStatus();
}

void CWrenView::OnLButtonDblClk(UINT, CPoint point)
{
    if (!m_engine)
        return;
    CViewEngine& engine = *m_engine;
    engine.SetCaretFromPoint(point.x, point.y);
    const bool gutter = InGutter(point);
    if (gutter) {
        if (m_search)
            m_search->DoToggleBookmark();
        engine.SelectDisplayLineAtCaret();
    } else {
        const DocPosition caret = engine.GetCaretDocPosition();
        ByteColumn start = 0, end = 0;
        engine.GetWordBounds(caret.line, caret.column, start, end);
        engine.SetAnchorToDocPosition(end, caret.line);
        engine.SetCaretToDocPosition(start, caret.line);
        engine.UpdateSelectionActive();
    }
    engine.TrackGutterSelection(gutter);
    StartMouseSelection();
}

void CWrenView::OnMouseMove(UINT flags, CPoint point)
{
    if (!m_engine || !(flags & MK_LBUTTON) || !m_engine->IsMouseSelecting())
        return;
    if (!m_autoScrollRect.PtInRect(point))
        return;
    ExtendSelectionToPoint(point);
    RepaintNow();
}

void CWrenView::ExtendSelectionToPoint(CPoint point)
{
    CViewEngine& engine = *m_engine;
    engine.SetCaretFromPoint(point.x, point.y);
    if (engine.IsSelectionSaved())
        engine.ExtendFromSavedSelection();
    engine.UpdateSelectionActive();
    engine.TrackGutterSelection(InGutter(point));
}

// While the button is held outside the text, every tick moves the caret towards the
// pointer and scrolls just enough to show it.
void CWrenView::OnTimer(UINT id)
{
    if (id != kAutoScrollTimer || !m_engine || !m_engine->IsMouseSelecting())
        return;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (m_autoScrollRect.PtInRect(point))
        return;
    ExtendSelectionToPoint(point);
    m_engine->EnsureCaretVisibleNarrow();
    RepaintNow();
    InvalidateRowAndColumnPanes();
}

void CWrenView::OnLButtonUp(UINT, CPoint)
{
    if (!m_engine)
        return;
    CViewEngine& engine = *m_engine;
    if (engine.IsMouseSelecting()) {
        KillTimer(kAutoScrollTimer);
        ::ReleaseCapture();
        if (engine.EndMouseSelection())
            ShowMouseResult();
    }
    ShowCallTipOfCaretWord();
}

void CWrenView::OnRButtonDown(UINT, CPoint point)
{
    if (!m_engine)
        return;
    CViewEngine& engine = *m_engine;
    if (engine.IsSelectionActive() && !InGutter(point) && engine.IsPointInSelection(point.x, point.y))
        return;
    const bool hadSelection = engine.IsSelectionActive();
    engine.SetCaretFromPoint(point.x, point.y);
    if (!engine.IsCaretInView()) {
        engine.Deselect();
        ShowMouseResult();
    } else if (hadSelection) {
        engine.Deselect();
        RepaintNow();
    } else {
        PlaceCaret();
    }
}

// The default processing turns the release into the context-menu message, which then tells
// a mouse menu from a keyboard one by this point.
void CWrenView::OnRButtonUp(UINT, CPoint point)
{
    m_rightClickPoint = point;
    Default();
}

void CWrenView::OnContextMenu(CWnd*, CPoint point)
{
    if (!m_engine)
        return;
    CViewEngine& engine = *m_engine;
    CPoint client = point;
    ScreenToClient(&client);
    if (client != m_rightClickPoint) {
        // From the keyboard: at the caret.
        const CViewEngine::CaretPlacement caret = engine.GetCaretPlacement();
        client = CPoint(engine.GetGutterWidth() + engine.GetCaretX() + caret.width / 2 - engine.GetScrollX(),
                        engine.GetCaretY() + engine.GetLineHeight() / 2 - engine.GetScrollY());
        point = client;
        ClientToScreen(&point);
    }
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_VIEW_CONTEXT));
    if (!menu)
        return;
    HMENU popup = ::GetSubMenu(menu, ContextMenuPopup(InGutter(client), engine.IsSelectionActive()));
    CWnd* target = AfxGetMainWnd() ? AfxGetMainWnd() : this;
    if (popup)
        ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, target->m_hWnd, nullptr);
    ::DestroyMenu(menu);
}

BOOL CWrenView::OnMouseWheel(UINT, short delta, CPoint)
{
    if (!m_engine || m_engine->GetDisplayLineCount() == 0)
        return TRUE;
    const int lines = (std::abs((int)delta) * 3) / 120;
    const int step = lines * m_engine->GetLineHeight();
    m_engine->ScrollTo(m_engine->GetScrollX(), m_engine->GetScrollY() + (delta < 0 ? step : -step));
    RepaintNow();
    InvalidateRowAndColumnPanes();
    return TRUE;
}

BOOL CWrenView::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (hitTest != HTCLIENT || !m_engine)
        return CView::OnSetCursor(wnd, hitTest, message);
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    // The program's own pointers; the system's stand in where the module has none.
    auto pointer = [](UINT own, LPCSTR system) {
        HCURSOR cursor = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(own));
        return cursor ? cursor : ::LoadCursorA(nullptr, system);
    };
    HCURSOR cursor = nullptr;
    if (InGutter(point))
        cursor = pointer(IDC_MARGIN_ARROW, IDC_ARROW);
    else if (m_settings.view.dragDropEditing && m_engine->IsSelectionActive() && !m_engine->IsMouseSelecting() &&
             m_engine->IsPointInSelection(point.x, point.y))
        cursor = pointer(IDC_DRAG_MOVE, IDC_ARROW);
    else if (TheMacroRecorder().IsRecording())
        cursor = pointer(IDC_MACRO_RECORDING, IDC_IBEAM);  // the text pointer says keys are being recorded
    else
        cursor = ::LoadCursorA(nullptr, IDC_IBEAM);
    ::SetCursor(cursor);
    return TRUE;
}
