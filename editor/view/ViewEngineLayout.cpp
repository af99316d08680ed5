#include <algorithm>

#include "editor/view/ViewEngine.h"

void CViewEngine::ReformatDocument()
{
    // A rebuild keeps pixel positions as they are (callers restore or reset them); only
    // the lines' growth during the pass must not move them.
    const CCaretSelection selection = m_selection;
    const PixelY scrollY = m_scrollY;
    m_layout.Rebuild();
    m_selection = selection;
    m_scrollY = scrollY;
    OnDisplayLinesReplaced(0, 0, 0);
}

void CViewEngine::LayOutVisibleLines()
{
    const int h = GetLineHeight();
    if (h <= 0)
        return;
    const int visible = std::max(1, GetVisibleLineCount());
    // Each round lays out at least one pending line or finds none; the scroll position moves
    // as the counts above it change, so the next round looks again.
    while (m_layout.LayOutDisplayLines(m_scrollY / h - visible, 3 * visible) > 0) {
    }
}

void CViewEngine::RemoveDisplayLines(LineIndex first, int count)
{
    m_layout.RemoveLines(first, count);
}

void CViewEngine::InsertDisplayLines(LineIndex after, int count)
{
    m_layout.InsertLines(after, count);
}

void CViewEngine::OnDisplayLinesReplaced(DisplayLineIndex start, int oldCount, int newCount)
{
    const int h = GetLineHeight();
    const int lines = m_layout.GetCount();
    m_selection.Remap(h, start, oldCount, newCount, lines);
    m_scrollY = RemapLayoutY(m_scrollY, h, start, oldCount, newCount, lines);
}

void CViewEngine::SaveLayoutPositions()
{
    m_layoutPositions.caret = GetCaretDocPosition();
    m_layoutPositions.anchor = GetAnchorDocPosition();
    const CDisplayLineRef top = GetDisplayLineAtY(m_scrollY);
    m_layoutPositions.topLine = top ? top->GetDocLine() : 0;
    m_layoutPositions.topColumn = top ? top->GetStartColumn() : 0;
}

void CViewEngine::RestoreLayoutPositions()
{
    if (m_layout.IsEmpty())
        return;
    RelocateSelection(m_layoutPositions.anchor, m_layoutPositions.caret);
    const CDisplayLineRef top =
        m_layout.FirstLineOf(std::min(m_layoutPositions.topLine, m_layout.GetDocLineCount() - 1));
    m_scrollY = m_layout.IndexOf(*top) * GetLineHeight();
    m_scrollX = XFromColumn(*top, 0, true);
}

bool CViewEngine::Check() const
{
    if (!m_layout.Check())
        return false;
    const int h = GetLineHeight();
    if (m_scrollY < 0 || m_scrollY > GetLastDisplayLineY() || m_scrollY % h != 0)
        return false;
    return m_selection.Check(h, m_layout.GetCount());
}

