#include <algorithm>

#include "editor/util/CharClasses.h"
#include "editor/view/ViewEngine.h"

// Caret and drop setters, the selection's geometry and its hit tests.

void CViewEngine::SetCaretY(PixelY y)
{
    const PixelY last = GetLastDisplayLineY();
    if (y <= 0)
        m_caretY = 0;
    else if (y > last)
        m_caretY = last;
    else
        m_caretY = y - y % GetLineHeight();
}

void CViewEngine::SetCaretX(PixelX x, int store)
{
    if (store == 0)
        x = m_desiredX;
    const CDisplayLine* line = CaretLine();
    if (!line) {
        m_caretX = 0;
    } else if (x <= line->GetStartX()) {
        m_caretX = line->GetStartX();
    } else if (x < line->GetEndX()) {
        m_caretX = XFromColumn(*line, ColumnFromX(*line, x, true), true);
    } else if (!m_modes.columnMode) {
        m_caretX = line->GetEndX();
    } else {
        const int average = m_metrics.GetAverageCharWidth();
        m_caretX = std::max(line->GetEndX(), average * (x / average));
    }
    if (store)
        m_desiredX = m_caretX;
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
        const int average = m_metrics.GetAverageCharWidth();
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

void CViewEngine::SetCaretFromPoint(int clientX, int clientY)
{
    SetCaretY(clientY + m_scrollY);
    const CDisplayLine* line = CaretLine();
    if (!line)
        return;
    SetCaretX(NearestBoundaryX(*line, clientX + m_scrollX - GetGutterWidth(), true), 1);
}

void CViewEngine::SetDropY(PixelY y)
{
    const PixelY last = GetLastDisplayLineY();
    if (y <= 0)
        m_dropY = 0;
    else if (y > last)
        m_dropY = last;
    else
        m_dropY = y - y % GetLineHeight();
}

void CViewEngine::SetDropX(PixelX x)
{
    const CDisplayLine* line = GetDisplayLineAtY(m_dropY);
    if (!line) {
        m_dropX = 0;
    } else if (x <= line->GetStartX()) {
        m_dropX = line->GetStartX();
    } else if (x < line->GetEndX()) {
        m_dropX = XFromColumn(*line, ColumnFromX(*line, x, true), true);
    } else if (!m_modes.columnMode) {
        m_dropX = line->GetEndX();
    } else {
        const int average = m_metrics.GetAverageCharWidth();
        m_dropX = std::max(line->GetEndX(), average * (x / average));
    }
}

void CViewEngine::SetDropFromPoint(int clientX, int clientY)
{
    SetDropY(clientY + m_scrollY);
    const CDisplayLine* line = GetDisplayLineAtY(m_dropY);
    if (!line)
        return;
    SetDropX(NearestBoundaryX(*line, clientX + m_scrollX - GetGutterWidth(), false));
}

bool CViewEngine::IsCaretInView() const
{
    const int h = GetLineHeight();
    const int visible = std::max(1, GetVisibleLineCount());
    if (m_caretY < m_scrollY || m_caretY > m_scrollY + (visible - 1) * h)
        return false;
    const int gutter = GetGutterWidth();
    const PixelX screenX = m_caretX - m_scrollX + gutter;
    return screenX >= gutter && screenX <= m_clientWidth - m_metrics.GetMaxCharWidth();
}

// ---- selection ----

PixelSelection CViewEngine::GetSelectionRect() const
{
    PixelSelection rect;
    if (!m_selectionActive)
        return rect;
    if (m_modes.columnMode) {
        rect.startX = std::min(m_anchorX, m_caretX);
        rect.endX = std::max(m_anchorX, m_caretX);
        rect.startY = std::min(m_anchorY, m_caretY);
        rect.endY = std::max(m_anchorY, m_caretY);
        return rect;
    }
    const bool anchorFirst =
        m_anchorY < m_caretY || (m_anchorY == m_caretY && m_anchorX <= m_caretX);
    if (anchorFirst) {
        rect = {m_anchorX, m_anchorY, m_caretX, m_caretY};
    } else {
        rect = {m_caretX, m_caretY, m_anchorX, m_anchorY};
    }
    if (m_anchorY < m_caretY && m_gutterSelecting) {
        // A gutter selection takes the caret's display line whole.
        const CDisplayLine* caretLine = CaretLine();
        const CDisplayLine* next = caretLine ? caretLine->Next() : nullptr;
        if (next) {
            rect.endY = m_caretY + GetLineHeight();
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
    if (!m_selectionActive)
        return range;
    const PixelSelection rect = GetSelectionRect();
    const bool snap = !m_modes.columnMode;
    const CDisplayLine* startLine = GetDisplayLineAtY(rect.startY);
    const CDisplayLine* endLine = GetDisplayLineAtY(rect.endY);
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
    if (!m_selectionActive)
        return 0;
    const DocSelection range = GetSelectionRange();
    return range.end.line - range.start.line;
}

bool CViewEngine::IsInSelection(PixelX x, PixelY y) const
{
    if (!m_selectionActive)
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
    if (m_selectionActive) {
        m_savedSelection = GetSelectionRect();
        m_selectionSaved = true;
    } else {
        m_selectionSaved = false;
    }
}

void CViewEngine::ExtendFromSavedSelection()
{
    if (!m_selectionSaved)
        return;
    const PixelSelection& s = m_savedSelection;
    if (!m_modes.columnMode) {
        const bool before = m_caretY < s.startY || (m_caretY == s.startY && m_caretX < s.startX);
        const bool after = m_caretY > s.endY || (m_caretY == s.endY && m_caretX >= s.endX);
        if (before) {
            SetAnchor(s.endX, s.endY);
        } else if (after) {
            SetAnchor(s.startX, s.startY);
        } else {
            SetAnchor(s.endX, s.endY);
            SetCaretPixels(s.startX, s.startY);
        }
        return;
    }
    // Column mode: by the mouse's row band and column band against the saved rectangle.
    const int row = m_caretY < s.startY ? -1 : m_caretY > s.endY ? 1 : 0;
    const int column = m_caretX < s.startX ? -1 : m_caretX > s.endX ? 1 : 0;
    if (row == 0) {
        if (column == 0) {
            SetAnchor(s.endX, s.endY);
            SetCaretPixels(s.startX, s.startY);
        } else if (column < 0) {
            SetAnchor(s.endX, s.endY);
            m_caretY = s.startY;
        } else {
            SetAnchor(s.startX, s.startY);
            m_caretY = s.endY;
        }
    } else if (row < 0) {
        if (column < 0) {
            SetAnchor(s.endX, s.endY);
        } else if (column == 0) {
            SetAnchor(s.endX, s.endY);
            m_caretX = s.startX;
        } else {
            SetAnchor(s.startX, s.endY);
        }
    } else {
        if (column < 0) {
            SetAnchor(s.endX, s.startY);
        } else if (column == 0) {
            SetAnchor(s.startX, s.startY);
            m_caretX = s.endX;
        } else {
            SetAnchor(s.startX, s.startY);
        }
    }
}

void CViewEngine::ExtendGutterSelectionEnd()
{
    if (m_anchorY >= m_caretY)
        return;
    const CDisplayLine* line = CaretLine();
    if (!line)
        return;
    if (const CDisplayLine* next = line->Next()) {
        m_caretY += GetLineHeight();
        m_caretX = next->GetStartX();
    } else {
        m_caretX = line->GetEndX();
    }
}

// ---- clipboard and keys ----

bool CViewEngine::SetClipboardText(const CStringLineList& lines)
{
    const int size = lines.TotalLength() + 2;
    std::string buffer((size_t)size, '\0');
    const int written = lines.JoinCrLf(&buffer[0], size);
    // JoinCrLf ends the text with two zero bytes; the clipboard gets the text itself.
    const int length = std::max(0, written - 2);
    return m_clipboard.PutText(buffer.data(), length);
}

bool CViewEngine::GetClipboardText(CStringLineList& lines)
{
    std::string bytes;
    if (!m_clipboard.GetText(bytes))
        return false;
    lines.SplitText(bytes.data(), (int)bytes.size());
    return true;
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
