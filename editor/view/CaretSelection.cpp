#include "editor/view/CaretSelection.h"

#include <algorithm>

PixelY RemapLayoutY(PixelY y, int lineHeight, DisplayLineIndex start, int oldCount, int newCount,
                    int lineCount)
{
    DisplayLineIndex k = y / lineHeight;
    if (k >= start + oldCount)
        k += newCount - oldCount;
    else if (k >= start && newCount == 0)
        k = start - 1;
    else if (k >= start)
        k = start + std::min(k - start, newCount - 1);
    return std::max(0, std::min(k, lineCount - 1)) * lineHeight;
}

void CCaretSelection::TakePositionsOf(const CCaretSelection& other)
{
    Reset();
    m_caret = other.m_caret;
    m_anchor = other.m_anchor;
    m_desiredX = other.m_desiredX;
}

void CCaretSelection::MoveCaret(PixelPosition caret)
{
    m_caret = caret;
    m_active = m_active && m_anchor != m_caret;
}

void CCaretSelection::MoveAnchor(PixelPosition anchor)
{
    m_anchor = anchor;
    m_active = m_active && m_anchor != m_caret;
}

void CCaretSelection::Relocate(PixelPosition anchor, PixelPosition caret)
{
    m_anchor = anchor;
    m_caret = caret;
    m_active = m_active && m_anchor != m_caret;
}

void CCaretSelection::Select(PixelPosition anchor, PixelPosition caret)
{
    m_anchor = anchor;
    m_caret = caret;
    UpdateActive();
}

void CCaretSelection::DropAnchor()
{
    m_anchor = m_caret;
    m_active = false;
}

void CCaretSelection::Save(const PixelSelection& selection)
{
    m_savedSelection = selection;
    m_saved = true;
}

void CCaretSelection::Remap(int lineHeight, DisplayLineIndex start, int oldCount, int newCount,
                            int lineCount)
{
    auto remap = [&](PixelY& y) { y = RemapLayoutY(y, lineHeight, start, oldCount, newCount, lineCount); };
    remap(m_caret.y);
    remap(m_anchor.y);
    remap(m_drop.y);
    if (m_saved) {
        remap(m_savedSelection.startY);
        remap(m_savedSelection.endY);
    }
    m_active = m_active && m_anchor != m_caret;
}

bool CCaretSelection::Check(int lineHeight, int lineCount) const
{
    const PixelY lastY = std::max(0, lineCount - 1) * lineHeight;
    for (PixelY y : {m_caret.y, m_anchor.y, m_drop.y}) {
        if (y < 0 || y > lastY || y % lineHeight != 0)
            return false;
    }
    if (m_active && m_anchor == m_caret)
        return false;
    return !m_saved || m_savedSelection.startY <= m_savedSelection.endY;
}
