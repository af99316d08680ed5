#include <algorithm>

#include "editor/util/CharClasses.h"
#include "editor/view/ViewEngine.h"

// Scroll-bar ranges and system-caret placement: the numbers the window hands to the
// platform, computed here so they are testable without one.

namespace {

const int kParked = -10000;
const int kExtraColumns = 4094;

}  // namespace

int CViewEngine::GetVerticalScrollScale() const
{
    const int n = m_layout.GetCount();
    if (n <= 32767)
        return 1;
    if (n <= 65535)
        return 2;
    if (n <= 131071)
        return 4;
    if (n <= 262143)
        return 8;
    if (n <= 524287)
        return 16;
    return 32;
}

CViewEngine::ScrollBarState CViewEngine::UpdateVerticalScrollBar()
{
    ScrollBarState bar;
    if (m_layout.IsEmpty())
        return bar;
    const int h = GetLineHeight();
    m_scrollY = std::max(0, std::min(m_scrollY, GetLastDisplayLineY()));
    const int scale = GetVerticalScrollScale();
    bar.page = (m_clientHeight / h) / scale;
    bar.maximum = (m_layout.GetCount() - 1) / scale + bar.page - 1;
    bar.position = (m_scrollY / h) / scale;
    return bar;
}

CViewEngine::ScrollBarState CViewEngine::UpdateHorizontalScrollBar()
{
    ScrollBarState bar;
    if (m_layout.IsEmpty())
        return bar;
    m_scrollX = std::max(0, m_scrollX);
    const int average = GetAverageCharWidth();
    bar.page = (m_clientWidth - GetGutterWidth()) / average;
    bar.maximum = bar.page + kExtraColumns;
    bar.position = m_scrollX / average;
    return bar;
}

CViewEngine::CaretPlacement CViewEngine::GetCaretPlacement() const
{
    CaretPlacement caret;
    const CDisplayLineRef line = CaretLine();
    if (!line)
        return caret;
    caret.width = GetAverageCharWidth() * m_settings.caretWidthPercent / 100;
    if (m_modes.overwriteMode && !IsSelectionActive() && GetCaretX() < line->GetEndX()) {
        // Overwrite mode shows the character it would replace.
        const ByteColumn column = ColumnFromX(*line, GetCaretX(), true);
        const DisplaySegment* segment = line->FindSegmentAtColumn(column);
        if (segment && segment->columnCount == 1) {
            caret.width = segment->width;
        } else if (segment) {
            const bool pair = segment->kind == kRunWordDbcsChar ||
                              (IsDoubleByteMode() && GbkText::IsLeadByte(line->ByteAt(column)));
            const int count = pair && column + 1 < line->GetTextLength() ? 2 : 1;
            caret.width = Metrics().GetDevice().MeasureText(line->GetText() + column,
                                                            std::min(count, line->GetTextLength() - column));
        }
    }
    caret.height = Metrics().GetFontHeight() - 1;
    const int gutter = GetGutterWidth();
    const int x = GetCaretX() + gutter - m_scrollX;
    const int y = GetCaretY() - m_scrollY;
    if (x < gutter || x > m_clientWidth || y < 0 || y > m_clientHeight) {
        caret.x = caret.y = kParked;
    } else {
        caret.x = x;
        caret.y = y + 1;
    }
    return caret;
}

CViewEngine::CaretPlacement CViewEngine::GetDropCaretPlacement() const
{
    CaretPlacement caret;
    caret.width = GetAverageCharWidth() * 25 / 100;
    caret.height = Metrics().GetFontHeight() - 1;
    const int gutter = GetGutterWidth();
    const int x = GetDropX() + gutter - m_scrollX;
    const int y = GetDropY() - m_scrollY;
    if (x < gutter || x > m_clientWidth || y < 0 || y > m_clientHeight) {
        caret.x = caret.y = kParked;
    } else {
        caret.x = x;
        caret.y = y + 1;
    }
    return caret;
}
