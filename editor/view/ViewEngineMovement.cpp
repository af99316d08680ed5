#include <algorithm>

#include "editor/util/CharClasses.h"
#include "editor/view/ViewEngine.h"

// Caret movement over display lines and the caret-key table.

bool CViewEngine::IsDoubleByteBefore(const CDisplayLine& line, ByteColumn column) const
{
    if (column <= 0)
        return false;
    const DisplaySegment* segment = line.FindSegmentAtColumn(column - 1);
    if (segment && segment->kind == kRunWordDbcsChar && segment->firstColumn <= column - 1)
        return true;
    return m_document.IsDoubleByteMode() && column >= 2 && GbkText::IsLeadByte(line.ByteAt(column - 2)) &&
           (line.ByteAt(column - 1) & 0x80) != 0;
}

bool CViewEngine::IsDoubleByteAt(const CDisplayLine& line, ByteColumn column) const
{
    const DisplaySegment* segment = line.FindSegmentAtColumn(column);
    if (segment && segment->kind == kRunWordDbcsChar && segment->firstColumn <= column)
        return true;
    return m_document.IsDoubleByteMode() && GbkText::IsLeadByte(line.ByteAt(column)) &&
           line.ByteAt(column + 1) != 0;
}

void CViewEngine::StepLeft(int n)
{
    const CDisplayLineRef line = CaretLine();
    if (!line)
        return;
    if (GetCaretX() > line->GetEndX()) {
        if (!m_modes.columnMode) {
            ToDisplayLineEnd();
            return;
        }
        const PixelX x = GetCaretX() - n * Metrics().GetAverageCharWidth();
        if (x < 0)
            return;
        PlaceCaretX(std::max(x, line->GetEndX()));
        return;
    }
    const ByteColumn column = ColumnFromX(*line, GetCaretX(), true);
    if (column - line->GetStartColumn() < n)
        return;
    PlaceCaretX(XFromColumn(*line, column - n, true));
}

void CViewEngine::StepRight(int n)
{
    const CDisplayLineRef line = CaretLine();
    if (!line)
        return;
    if (GetCaretX() < line->GetEndX()) {
        const ByteColumn column = ColumnFromX(*line, GetCaretX(), true);
        PlaceCaretX(XFromColumn(*line, std::min(column + n, line->GetEndColumn()), true));
    } else if (m_modes.columnMode) {
        SetCaretX(GetCaretX() + n * Metrics().GetAverageCharWidth(), 1);
    } else {
        PlaceCaretX(line->GetEndX());
    }
}

void CViewEngine::WordLeft()
{
    const DocPosition caret = GetCaretDocPosition();
    if (caret.column <= 0)
        return;
    const CTextLine& text = *m_document.GetLine(caret.line);
    const ByteColumn before = CharStartBefore(text, std::min(caret.column, text.GetLength()));
    SetCaretToDocPosition(PrevWordStart(caret.line, before), caret.line);
}

void CViewEngine::WordRight()
{
    const DocPosition caret = GetCaretDocPosition();
    SetCaretToDocPosition(NextWordStart(caret.line, caret.column), caret.line);
}

void CViewEngine::ToDisplayLineStart()
{
    const CDisplayLineRef line = CaretLine();
    PlaceCaretX(line ? line->GetStartX() : 0);
}

void CViewEngine::ToDisplayLineEnd()
{
    const CDisplayLineRef line = CaretLine();
    PlaceCaretX(line ? line->GetEndX() : 0);
}

void CViewEngine::ToFirstTextPosition()
{
    const CDisplayLineRef line = CaretLine();
    PlaceCaretX(line ? line->GetTextStartX() : 0);
}

void CViewEngine::JumpDocLineStart()
{
    const LineIndex line = GetCaretDocPosition().line;
    const CTextLine* text = m_document.GetLine(line);
    const ByteColumn start = text && text->GetRunCount() > 0 ? text->GetRuns()[0].start : 0;
    SetCaretToDocPosition(start, line);
}

void CViewEngine::JumpDocLineEnd()
{
    const LineIndex line = GetCaretDocPosition().line;
    const CTextLine* text = m_document.GetLine(line);
    SetCaretToDocPosition(text ? std::max(text->GetRunsEnd(), text->GetLength()) : 0, line);
}

void CViewEngine::LineUp()
{
    SetCaretY(GetCaretY() - GetLineHeight());
    SetCaretX(0, 0);
}

void CViewEngine::LineDown()
{
    SetCaretY(GetCaretY() + GetLineHeight());
    SetCaretX(0, 0);
}

void CViewEngine::ToScreenTop()
{
    SetCaretY(m_scrollY);
    SetCaretX(0, 0);
}

void CViewEngine::ToScreenBottom()
{
    SetCaretY(m_scrollY + (std::max(1, GetVisibleLineCount()) - 1) * GetLineHeight());
    SetCaretX(0, 0);
}

void CViewEngine::PageUp()
{
    const int step = GetVisibleLineCount() * GetLineHeight();
    SetScrollY(m_scrollY - step);
    SetCaretY(GetCaretY() - step);
    SetCaretX(0, 0);
}

void CViewEngine::PageDown()
{
    const int step = GetVisibleLineCount() * GetLineHeight();
    SetScrollY(m_scrollY + step);
    SetCaretY(GetCaretY() + step);
    SetCaretX(0, 0);
}

void CViewEngine::HalfPageUp()
{
    const int step = GetVisibleLineCount() / 2 * GetLineHeight();
    SetScrollY(m_scrollY - step);
    SetCaretY(GetCaretY() - step);
    SetCaretX(0, 0);
}

void CViewEngine::HalfPageDown()
{
    const int step = GetVisibleLineCount() / 2 * GetLineHeight();
    SetScrollY(m_scrollY + step);
    SetCaretY(GetCaretY() + step);
    SetCaretX(0, 0);
}

void CViewEngine::JumpDocStart()
{
    SetCaretY(0);
    ToDisplayLineStart();
}

void CViewEngine::JumpDocEnd()
{
    SetCaretY(GetLastDisplayLineY());
    ToDisplayLineEnd();
}

void CViewEngine::ToScreenTopStart()
{
    SetCaretY(m_scrollY);
    ToDisplayLineStart();
}

void CViewEngine::ToScreenBottomEnd()
{
    SetCaretY(m_scrollY + (std::max(1, GetVisibleLineCount()) - 1) * GetLineHeight());
    ToDisplayLineEnd();
}

void CViewEngine::ScrollUpKeepCaret()
{
    const int h = GetLineHeight();
    SetScrollY(m_scrollY - h);
    const PixelY lastVisible = m_scrollY + (std::max(1, GetVisibleLineCount()) - 1) * h;
    if (GetCaretY() > lastVisible) {
        SetCaretY(lastVisible);
        SetCaretX(0, 0);
    }
}

void CViewEngine::ScrollDownKeepCaret()
{
    SetScrollY(m_scrollY + GetLineHeight());
    if (GetCaretY() < m_scrollY) {
        SetCaretY(m_scrollY);
        SetCaretX(0, 0);
    }
}

bool CViewEngine::ScrollUpOnly()
{
    const PixelY old = m_scrollY;
    const int h = GetLineHeight();
    SetScrollY(m_scrollY - h);
    if (GetCaretY() > m_scrollY + (std::max(1, GetVisibleLineCount()) - 1) * h)
        m_scrollY = old;
    return m_scrollY != old;
}

bool CViewEngine::ScrollDownOnly()
{
    const PixelY old = m_scrollY;
    SetScrollY(m_scrollY + GetLineHeight());
    if (GetCaretY() < m_scrollY)
        m_scrollY = old;
    return m_scrollY != old;
}

bool CViewEngine::MoveCaretForKey(int key, int modifiers)
{
    const CDisplayLineRef line = CaretLine();
    if (!line)
        return false;
    const bool ctrl = (modifiers & kModifierCtrl) != 0;
    const bool shift = (modifiers & kModifierShift) != 0;
    const bool alt = (modifiers & kModifierAlt) != 0;
    const bool onFirstLine = GetCaretY() <= 0;
    const bool onLastLine = GetCaretY() >= GetLastDisplayLineY();

    switch (key) {
    case kKeyLeft:
        if (ctrl) {
            if (GetCaretX() > line->GetEndX())
                ToDisplayLineEnd();
            else
                WordLeft();
        } else if (alt) {
            JumpDocLineStart();
        } else if (GetCaretX() <= line->GetStartX()) {
            if (!m_modes.columnMode && !onFirstLine) {
                LineUp();
                ToDisplayLineEnd();
            }
        } else if (GetCaretX() <= line->GetEndX() &&
                   IsDoubleByteBefore(*line, ColumnFromX(*line, GetCaretX(), true))) {
            StepLeft(2);
        } else {
            StepLeft(1);
        }
        break;
    case kKeyRight:
        if (ctrl) {
            if (m_modes.columnMode && GetCaretX() > line->GetEndX())
                ToDisplayLineEnd();
            else
                WordRight();
        } else if (alt) {
            JumpDocLineEnd();
        } else if (GetCaretX() < line->GetEndX()) {
            StepRight(IsDoubleByteAt(*line, ColumnFromX(*line, GetCaretX(), true)) ? 2 : 1);
        } else if (m_modes.columnMode) {
            StepRight(1);
        } else if (!onLastLine) {
            LineDown();
            ToDisplayLineStart();
        }
        break;
    case kKeyUp:
        if (ctrl) {
            if (m_scrollY <= 0)
                return false;
            if (shift)
                return ScrollUpOnly();
            ScrollUpKeepCaret();
            return true;
        }
        if (alt)
            ToScreenTop();
        else if (GetCaretY() > 0)
            LineUp();
        break;
    case kKeyDown:
        if (ctrl) {
            if (m_scrollY >= GetLastDisplayLineY())
                return false;
            if (shift)
                return ScrollDownOnly();
            ScrollDownKeepCaret();
            return true;
        }
        if (alt)
            ToScreenBottom();
        else if (!onLastLine)
            LineDown();
        break;
    case kKeyHome:
        if (ctrl)
            JumpDocStart();
        else if (alt)
            ToScreenTopStart();
        else if (m_settings.homeToFirstPosition || GetCaretX() == line->GetTextStartX())
            ToDisplayLineStart();
        else
            ToFirstTextPosition();
        break;
    case kKeyEnd:
        if (ctrl)
            JumpDocEnd();
        else if (alt)
            ToScreenBottomEnd();
        else
            ToDisplayLineEnd();
        break;
    case kKeyPageUp:
        if (ctrl)
            return false;
        if (alt) {
            HalfPageUp();
            return true;
        }
        if (onFirstLine)
            return false;
        PageUp();
        return true;
    case kKeyPageDown:
        if (ctrl)
            return false;
        if (alt) {
            HalfPageDown();
            return true;
        }
        if (onLastLine)
            return false;
        PageDown();
        return true;
    default:
        return false;
    }
    return !IsCaretInView();
}
