#include <algorithm>

#include "editor/util/CharClasses.h"
#include "editor/view/ClipboardText.h"
#include "editor/view/ViewEngine.h"

// Caret and drop setters, the selection's geometry and its hit tests.

void CViewEngine::SetCaretY(PixelY y)
{
    const PixelY last = GetLastDisplayLineY();
    if (y <= 0)
        y = 0;
    else if (y > last)
        y = last;
    else
        y -= y % GetLineHeight();
    m_selection.MoveCaretY(y);
}

void CViewEngine::SetCaretX(PixelX x, int store)
{
    if (store == 0)
        x = GetDesiredX();
    const CDisplayLineRef line = CaretLine();
    m_selection.MoveCaretX(line ? SnapToLine(*line, x) : 0);
    if (store)
        m_selection.SetDesiredX(GetCaretX());
}

// x on a character boundary of the line: its start before it, its end after it (in column
// mode a virtual x on the character grid).
PixelX CViewEngine::SnapToLine(const CDisplayLine& line, PixelX x) const
{
    if (x <= line.GetStartX())
        return line.GetStartX();
    if (x < line.GetEndX())
        return XFromColumn(line, ColumnFromX(line, x, true), true);
    if (!m_modes.columnMode)
        return line.GetEndX();
    const int average = Metrics().GetAverageCharWidth();
    return std::max(line.GetEndX(), average * (x / average));
}

void CViewEngine::PlaceCaretX(PixelX x)
{
    m_selection.MoveCaretX(x);
    m_selection.SetDesiredX(x);
}

void CViewEngine::MoveCaretTo(PixelPosition caret)
{
    m_selection.MoveCaret(caret);
    m_selection.SetDesiredX(caret.x);
}

void CViewEngine::SelectPixels(PixelPosition anchor, PixelPosition caret)
{
    m_selection.Select(anchor, caret);
    m_selection.SetDesiredX(caret.x);
}

void CViewEngine::PlaceColumnBlock(PixelX x, PixelY caretY, PixelY anchorY)
{
    m_selection.Relocate({x, anchorY}, {x, caretY});
    m_selection.SetDesiredX(x);
}

void CViewEngine::SelectDisplayLineAtCaret()
{
    const CDisplayLineRef line = CaretLine();
    if (!line)
        return;
    const int h = GetLineHeight();
    const PixelY y = GetCaretY() / h * h;
    const PixelPosition caret{line->GetStartX(), y};
    const CDisplayLineRef next = m_layout.NextLine(*line);
    if (next && !m_modes.columnMode)
        SelectPixels({next->GetStartX(), y + h}, caret);
    else
        SelectPixels({line->GetEndX(), y}, caret);
}

// The boundary of the character under x nearer to x (its start only when strictly nearer);
// past the end the line's end, or in column mode the nearer grid point (ties go up).
PixelX CViewEngine::NearestBoundaryX(const CDisplayLine& line, PixelX x, bool checkLeadByte) const
{
    if (x < line.GetStartX())
        return line.GetStartX();
    if (x >= line.GetEndX()) {
        if (!m_modes.columnMode)
            return line.GetEndX();
        const int average = Metrics().GetAverageCharWidth();
        return std::max(line.GetEndX(), average * ((2 * x + average) / (2 * average)));
    }
    const ByteColumn start = ColumnFromX(line, x, true);
    const DisplaySegment* segment = line.FindSegmentAtColumn(start);
    int length = 1;
    if (segment && segment->kind == kRunWordDbcsChar)
        length = 2;
    else if (checkLeadByte && m_document.IsDoubleByteMode() && GbkText::IsLeadByte(line.ByteAt(start)) &&
             start + 1 < line.GetEndColumn())
        length = 2;
    const PixelX startX = XFromColumn(line, start, true);
    const PixelX endX = XFromColumn(line, start + length, true);
    return x - startX < endX - x ? startX : endX;
}

PixelX CViewEngine::ColumnEdgeX(const CDisplayLine& line, PixelX x) const
{
    if (Metrics().IsFixedPitchFont() || x >= line.GetEndX())
        return x;
    return NearestBoundaryX(line, x, true);
}

void CViewEngine::SetCaretFromPoint(int clientX, int clientY)
{
    SetCaretY(clientY + m_scrollY);
    const CDisplayLineRef line = CaretLine();
    if (!line)
        return;
    SetCaretX(NearestBoundaryX(*line, clientX + m_scrollX - GetGutterWidth(), true), 1);
}

void CViewEngine::SetDropY(PixelY y)
{
    const PixelY last = GetLastDisplayLineY();
    if (y <= 0)
        y = 0;
    else if (y > last)
        y = last;
    else
        y -= y % GetLineHeight();
    m_selection.SetDropY(y);
}

void CViewEngine::SetDropX(PixelX x)
{
    const CDisplayLineRef line = GetDisplayLineAtY(GetDropY());
    m_selection.SetDropX(line ? SnapToLine(*line, x) : 0);
}

void CViewEngine::SetDropFromPoint(int clientX, int clientY)
{
    SetDropY(clientY + m_scrollY);
    const CDisplayLineRef line = GetDisplayLineAtY(GetDropY());
    if (!line)
        return;
    SetDropX(NearestBoundaryX(*line, clientX + m_scrollX - GetGutterWidth(), false));
}

bool CViewEngine::IsCaretInView() const
{
    const int h = GetLineHeight();
    const int visible = std::max(1, GetVisibleLineCount());
    if (GetCaretY() < m_scrollY || GetCaretY() > m_scrollY + (visible - 1) * h)
        return false;
    const int gutter = GetGutterWidth();
    const PixelX screenX = GetCaretX() - m_scrollX + gutter;
    return screenX >= gutter && screenX <= m_clientWidth - Metrics().GetMaxCharWidth();
}

// ---- selection ----

PixelSelection CViewEngine::GetSelectionRect() const
{
    PixelSelection rect;
    if (!IsSelectionActive())
        return rect;
    const PixelPosition anchor = m_selection.GetAnchor();
    const PixelPosition caret = m_selection.GetCaret();
    if (m_modes.columnMode) {
        rect.startX = std::min(anchor.x, caret.x);
        rect.endX = std::max(anchor.x, caret.x);
        rect.startY = std::min(anchor.y, caret.y);
        rect.endY = std::max(anchor.y, caret.y);
        return rect;
    }
    const bool anchorFirst = anchor.y < caret.y || (anchor.y == caret.y && anchor.x <= caret.x);
    if (anchorFirst) {
        rect = {anchor.x, anchor.y, caret.x, caret.y};
    } else {
        rect = {caret.x, caret.y, anchor.x, anchor.y};
    }
    if (anchor.y < caret.y && IsGutterSelecting()) {
        // A gutter selection takes the caret's display line whole.
        const CDisplayLineRef caretLine = CaretLine();
        const CDisplayLineRef next = caretLine ? m_layout.NextLine(*caretLine) : nullptr;
        if (next) {
            rect.endY = caret.y + GetLineHeight();
            rect.endX = next->GetStartX();
        } else if (caretLine) {
            rect.endX = caretLine->GetEndX();
        }
    }
    return rect;
}

DocSelection CViewEngine::GetSelectionRange() const
{
    DocSelection range;
    if (!IsSelectionActive())
        return range;
    const PixelSelection rect = GetSelectionRect();
    const bool snap = !m_modes.columnMode;
    const CDisplayLineRef startLine = GetDisplayLineAtY(rect.startY);
    const CDisplayLineRef endLine = GetDisplayLineAtY(rect.endY);
    if (!startLine || !endLine)
        return range;
    range.start.column = ColumnFromX(*startLine, rect.startX, snap);
    range.start.line = DocLineOfDisplay(startLine);
    range.end.column = ColumnFromX(*endLine, rect.endX, snap);
    range.end.line = DocLineOfDisplay(endLine);
    return range;
}

int CViewEngine::GetSelectionLineSpan() const
{
    if (!IsSelectionActive())
        return 0;
    const DocSelection range = GetSelectionRange();
    return range.end.line - range.start.line;
}

bool CViewEngine::IsInSelection(PixelX x, PixelY y) const
{
    if (!IsSelectionActive())
        return false;
    const PixelSelection rect = GetSelectionRect();
    const int h = GetLineHeight();
    if (m_modes.columnMode)
        return rect.startY <= y && y < rect.endY + h && rect.startX <= x && x < rect.endX;
    const DisplayLineIndex k = y < 0 ? -1 : y / h;
    const DisplayLineIndex first = rect.startY / h;
    const DisplayLineIndex last = rect.endY / h;
    if (k < first || k > last)
        return false;
    if (first == last)
        return rect.startX <= x && x < rect.endX;
    if (k == first)
        return x >= rect.startX;
    if (k == last)
        return x < rect.endX;
    return true;
}

bool CViewEngine::IsPointInSelection(int clientX, int clientY) const
{
    return IsInSelection(clientX + m_scrollX - GetGutterWidth(), clientY + m_scrollY);
}

void CViewEngine::SaveSelection()
{
    if (IsSelectionActive())
        m_selection.Save(GetSelectionRect());
    else
        m_selection.ClearSaved();
}

void CViewEngine::BeginMouseSelection()
{
    SaveSelection();
    m_selection.SetMouseSelecting(true);
}

void CViewEngine::TrackGutterSelection(bool inGutter)
{
    m_selection.SetGutterSelecting(inGutter && !m_modes.columnMode);
}

bool CViewEngine::EndMouseSelection()
{
    m_selection.SetMouseSelecting(false);
    const bool gutter = IsGutterSelecting();
    if (gutter) {
        ExtendGutterSelectionEnd();
        m_selection.SetGutterSelecting(false);
    }
    SaveSelection();
    return gutter;
}

bool CViewEngine::TakeSearchFromSelectionStart()
{
    const bool requested = m_searchFromSelectionStart;
    m_searchFromSelectionStart = false;
    return requested;
}

void CViewEngine::ExtendFromSavedSelection()
{
    if (!IsSelectionSaved())
        return;
    const PixelSelection& s = m_selection.GetSaved();
    const PixelX caretX = GetCaretX();
    const PixelY caretY = GetCaretY();
    const PixelPosition start{s.startX, s.startY}, end{s.endX, s.endY};
    if (!m_modes.columnMode) {
        const bool before = caretY < s.startY || (caretY == s.startY && caretX < s.startX);
        const bool after = caretY > s.endY || (caretY == s.endY && caretX >= s.endX);
        if (before) {
            m_selection.MoveAnchor(end);
        } else if (after) {
            m_selection.MoveAnchor(start);
        } else {
            m_selection.MoveAnchor(end);
            m_selection.MoveCaret(start);
        }
        return;
    }
    // Column mode: by the mouse's row band and column band against the saved rectangle.
    const int row = caretY < s.startY ? -1 : caretY > s.endY ? 1 : 0;
    const int column = caretX < s.startX ? -1 : caretX > s.endX ? 1 : 0;
    if (row == 0) {
        if (column == 0) {
            m_selection.MoveAnchor(end);
            m_selection.MoveCaret(start);
        } else if (column < 0) {
            m_selection.MoveAnchor(end);
            m_selection.MoveCaretY(s.startY);
        } else {
            m_selection.MoveAnchor(start);
            m_selection.MoveCaretY(s.endY);
        }
    } else if (row < 0) {
        if (column < 0) {
            m_selection.MoveAnchor(end);
        } else if (column == 0) {
            m_selection.MoveAnchor(end);
            m_selection.MoveCaretX(s.startX);
        } else {
            m_selection.MoveAnchor({s.startX, s.endY});
        }
    } else {
        if (column < 0) {
            m_selection.MoveAnchor({s.endX, s.startY});
        } else if (column == 0) {
            m_selection.MoveAnchor(start);
            m_selection.MoveCaretX(s.endX);
        } else {
            m_selection.MoveAnchor(start);
        }
    }
}

void CViewEngine::ExtendGutterSelectionEnd()
{
    if (GetAnchorY() >= GetCaretY())
        return;
    const CDisplayLineRef line = CaretLine();
    if (!line)
        return;
    if (const CDisplayLineRef next = m_layout.NextLine(*line))
        m_selection.MoveCaret({next->GetStartX(), GetCaretY() + GetLineHeight()});
    else
        m_selection.MoveCaretX(line->GetEndX());
}

// ---- clipboard and keys ----

bool CViewEngine::SetClipboardText(const CStringLineList& lines)
{
    return ::SetClipboardText(m_clipboard, lines);
}

bool CViewEngine::GetClipboardText(CStringLineList& lines)
{
    return ::GetClipboardText(m_clipboard, lines);
}

int CViewEngine::GetModifierMask() const
{
    int mask = 0;
    if (m_host.IsCtrlHeld())
        mask |= kModifierCtrl;
    if (m_host.IsShiftHeld())
        mask |= kModifierShift;
    if (m_host.IsAltHeld())
        mask |= kModifierAlt;
    return mask;
}
