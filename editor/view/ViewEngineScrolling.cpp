#include <algorithm>

#include "editor/view/ViewEngine.h"

// Scroll offsets and keeping the caret or the drop point in sight.

namespace {

// Columns kept right of the caret after a jump out of view.
const int kCaretMarginChars = 16;

}  // namespace

void CViewEngine::SetScrollY(PixelY y)
{
    const int h = GetLineHeight();
    y = y < 0 ? 0 : y - y % h;
    m_scrollY = std::max(0, std::min(y, GetLastDisplayLineY()));
}

void CViewEngine::SetScrollX(PixelX x)
{
    m_scrollX = std::max(0, x);
}

void CViewEngine::ScrollTo(PixelX x, PixelY y)
{
    SetScrollX(x);
    SetScrollY(y);
    m_host.OnScrolled(m_scrollX, m_scrollY);
}

void CViewEngine::EnsureCaretVisible()
{
    const int average = GetAverageCharWidth();
    const int gutter = GetGutterWidth();
    const int margin = m_metrics.GetMaxCharWidth();
    const int h = GetLineHeight();
    const int visible = std::max(1, GetVisibleLineCount());
    PixelX x = m_scrollX;
    if (m_caretX < m_scrollX)
        x = m_caretX - kCaretMarginChars * average;
    else if (m_caretX > m_scrollX + m_clientWidth - margin - gutter)
        x = gutter + m_caretX + kCaretMarginChars * average - m_clientWidth;
    PixelY y = m_scrollY;
    if (m_caretY < m_scrollY)
        y = m_caretY;
    else if (m_caretY > m_scrollY + (visible - 1) * h)
        y = m_caretY - (visible - 1) * h;
    ScrollTo(x, y);
}

void CViewEngine::EnsureCaretVisibleNarrow()
{
    const int gutter = GetGutterWidth();
    const int margin = m_metrics.GetMaxCharWidth();
    const int h = GetLineHeight();
    const int visible = std::max(1, GetVisibleLineCount());
    PixelX x = m_scrollX;
    if (m_caretX < m_scrollX)
        x = m_caretX;
    else if (m_caretX > m_scrollX + m_clientWidth - margin - gutter)
        x = gutter + m_caretX + margin - m_clientWidth;
    PixelY y = m_scrollY;
    if (m_caretY < m_scrollY)
        y = m_caretY;
    else if (m_caretY > m_scrollY + (visible - 1) * h)
        y = m_caretY - (visible - 1) * h;
    ScrollTo(x, y);
}

void CViewEngine::EnsureDropPointVisible()
{
    const int gutter = GetGutterWidth();
    const int margin = m_metrics.GetMaxCharWidth();
    const int h = GetLineHeight();
    const int visible = GetVisibleLineCount();
    PixelX x = m_scrollX;
    if (m_dropX < m_scrollX)
        x = m_dropX;
    else if (m_dropX > m_scrollX + m_clientWidth - margin - gutter)
        x = gutter + m_dropX + margin - m_clientWidth;
    // A partly shown last row does not count as room for the drop point.
    const int k = m_clientHeight % h < h / 2 ? 2 : 1;
    PixelY y = m_scrollY;
    if (m_dropY < m_scrollY + h)
        y = m_dropY - h;
    else if (m_dropY > m_scrollY + (visible - k) * h)
        y = m_dropY - (visible - k) * h;
    ScrollTo(x, y);
}

void CViewEngine::ScrollCaretToTop()
{
    ScrollTo(m_scrollX, m_caretY);
    EnsureCaretVisible();
}

void CViewEngine::ScrollCaretToBottom()
{
    ScrollTo(m_scrollX, m_caretY - (std::max(1, GetVisibleLineCount()) - 1) * GetLineHeight());
    EnsureCaretVisible();
}

void CViewEngine::ScrollCaretToCentre()
{
    ScrollTo(m_scrollX, m_caretY - (std::max(1, GetVisibleLineCount()) - 1) / 2 * GetLineHeight());
    EnsureCaretVisible();
}
