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
    const int margin = Metrics().GetMaxCharWidth();
    const int h = GetLineHeight();
    const int visible = std::max(1, GetVisibleLineCount());
    PixelX x = m_scrollX;
    if (GetCaretX() < m_scrollX)
        x = GetCaretX() - kCaretMarginChars * average;
    else if (GetCaretX() > m_scrollX + m_clientWidth - margin - gutter)
        x = gutter + GetCaretX() + kCaretMarginChars * average - m_clientWidth;
    PixelY y = m_scrollY;
    if (GetCaretY() < m_scrollY)
        y = GetCaretY();
    else if (GetCaretY() > m_scrollY + (visible - 1) * h)
        y = GetCaretY() - (visible - 1) * h;
    ScrollTo(x, y);
}

void CViewEngine::EnsureCaretVisibleNarrow()
{
    const int gutter = GetGutterWidth();
    const int margin = Metrics().GetMaxCharWidth();
    const int h = GetLineHeight();
    const int visible = std::max(1, GetVisibleLineCount());
    PixelX x = m_scrollX;
    if (GetCaretX() < m_scrollX)
        x = GetCaretX();
    else if (GetCaretX() > m_scrollX + m_clientWidth - margin - gutter)
        x = gutter + GetCaretX() + margin - m_clientWidth;
    PixelY y = m_scrollY;
    if (GetCaretY() < m_scrollY)
        y = GetCaretY();
    else if (GetCaretY() > m_scrollY + (visible - 1) * h)
        y = GetCaretY() - (visible - 1) * h;
    ScrollTo(x, y);
}

void CViewEngine::EnsureDropPointVisible()
{
    const int gutter = GetGutterWidth();
    const int margin = Metrics().GetMaxCharWidth();
    const int h = GetLineHeight();
    const int visible = GetVisibleLineCount();
    PixelX x = m_scrollX;
    if (GetDropX() < m_scrollX)
        x = GetDropX();
    else if (GetDropX() > m_scrollX + m_clientWidth - margin - gutter)
        x = gutter + GetDropX() + margin - m_clientWidth;
    // A partly shown last row does not count as room for the drop point.
    const int k = m_clientHeight % h < h / 2 ? 2 : 1;
    PixelY y = m_scrollY;
    if (GetDropY() < m_scrollY + h)
        y = GetDropY() - h;
    else if (GetDropY() > m_scrollY + (visible - k) * h)
        y = GetDropY() - (visible - k) * h;
    ScrollTo(x, y);
}

void CViewEngine::ScrollCaretToTop()
{
    ScrollTo(m_scrollX, GetCaretY());
    EnsureCaretVisible();
}

void CViewEngine::ScrollCaretToBottom()
{
    ScrollTo(m_scrollX, GetCaretY() - (std::max(1, GetVisibleLineCount()) - 1) * GetLineHeight());
    EnsureCaretVisible();
}

void CViewEngine::ScrollCaretToCentre()
{
    ScrollTo(m_scrollX, GetCaretY() - (std::max(1, GetVisibleLineCount()) - 1) / 2 * GetLineHeight());
    EnsureCaretVisible();
}
