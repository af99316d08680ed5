#include "framework/BarLayout.h"

#include <algorithm>

CRect TakeSideStrip(CRect* room, BarSide side, int thickness)
{
    CRect strip = *room;
    bool vertical = side == BarSide::kTop || side == BarSide::kBottom;
    thickness = std::max(0, std::min(thickness, static_cast<int>(vertical ? room->Height() : room->Width())));
    switch (side) {
    case BarSide::kTop:
        strip.bottom = room->top += thickness;
        break;
    case BarSide::kBottom:
        strip.top = room->bottom -= thickness;
        break;
    case BarSide::kLeft:
        strip.right = room->left += thickness;
        break;
    case BarSide::kRight:
        strip.left = room->right -= thickness;
        break;
    }
    return strip;
}

DockRowsLayout LayoutDockRows(const std::vector<std::vector<DockRowItem>>& rows, int rowLength)
{
    DockRowsLayout layout;
    int across = 0;
    for (const std::vector<DockRowItem>& row : rows) {
        std::vector<CRect> placed(row.size());
        std::vector<int> pos(row.size(), 0);
        int end = 0;
        int thickness = 0;
        for (size_t i = 0; i < row.size(); ++i) {
            if (!row[i].visible)
                continue;
            pos[i] = std::max(std::max(row[i].wantedPos, 0), end);
            end = pos[i] + row[i].length;
            thickness = std::max(thickness, row[i].thickness);
        }
        // Push back what sticks out, from the end; then forward again so nothing overlaps when
        // the row is simply too short for its bars.
        int limit = rowLength;
        for (size_t i = row.size(); i-- > 0;) {
            if (!row[i].visible)
                continue;
            if (pos[i] + row[i].length > limit)
                pos[i] = std::max(limit - row[i].length, 0);
            limit = pos[i];
        }
        end = 0;
        for (size_t i = 0; i < row.size(); ++i) {
            if (!row[i].visible)
                continue;
            pos[i] = std::max(pos[i], end);
            end = pos[i] + row[i].length;
            placed[i] = CRect(pos[i], across, end, across + thickness);
        }
        layout.placed.push_back(std::move(placed));
        across += thickness;
    }
    layout.thickness = across;
    return layout;
}

int DockRowAt(const DockRowsLayout& layout, int across)
{
    if (across < 0)
        return -1;
    int start = 0;
    for (size_t row = 0; row < layout.placed.size(); ++row) {
        int thickness = 0;
        for (const CRect& rect : layout.placed[row])
            thickness = std::max(thickness, static_cast<int>(rect.Height()));
        if (thickness > 0 && across < start + thickness)
            return static_cast<int>(row);
        start += thickness;
    }
    return static_cast<int>(layout.placed.size());
}

std::vector<bool> WrapButtons(const std::vector<int>& widths, const std::vector<bool>& separators, int maxWidth)
{
    std::vector<bool> wraps(widths.size(), false);
    int x = 0;
    bool lineHasButton = false;
    for (size_t i = 0; i < widths.size(); ++i) {
        bool separator = i < separators.size() && separators[i];
        if (!separator && lineHasButton && x + widths[i] > maxWidth) {
            // End the line before this button, after any separators that close it.
            size_t last = i - 1;
            wraps[last] = true;
            x = 0;
            lineHasButton = false;
        }
        x += widths[i];
        if (!separator)
            lineHasButton = true;
    }
    return wraps;
}

std::vector<int> StatusPaneEdges(const std::vector<int>& widths, const std::vector<bool>& stretch, int gap,
                                 int totalWidth)
{
    int used = 0;
    int stretching = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        used += widths[i] + gap;
        if (i < stretch.size() && stretch[i])
            ++stretching;
    }
    int extra = std::max(totalWidth - used, 0);
    std::vector<int> edges;
    int right = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        right += widths[i] + gap;
        if (i < stretch.size() && stretch[i] && stretching > 0) {
            int share = extra / stretching;
            right += share;
            extra -= share;
            --stretching;
        }
        edges.push_back(right);
    }
    return edges;
}

namespace {

// Offsets of count spans along a length: each wanted size except the last, which takes the
// rest; gap between spans. A span never gets a negative size.
std::vector<std::pair<int, int>> Spans(int start, int end, int count, const std::vector<int>& wanted, int gap)
{
    std::vector<std::pair<int, int>> spans;
    int pos = start;
    for (int i = 0; i < count; ++i) {
        int size = i + 1 < count && i < static_cast<int>(wanted.size()) ? std::max(wanted[i], 0) : end - pos;
        int spanEnd = std::max(std::min(pos + size, end), pos);
        spans.emplace_back(pos, spanEnd);
        pos = std::min(spanEnd + gap, end);
    }
    return spans;
}

} // namespace

SplitterLayout LayoutSplitter(const SplitterMetrics& m, const CRect& client)
{
    SplitterLayout layout;
    CRect inside = client;
    if (m.vScroll)
        inside.right = std::max(inside.left, inside.right - m.cxVScroll);
    if (m.hScroll)
        inside.bottom = std::max(inside.top, inside.bottom - m.cyHScroll);

    auto cols = Spans(inside.left, inside.right, m.cols, m.colWidths, m.gap);
    auto rows = Spans(inside.top, inside.bottom, m.rows, m.rowHeights, m.gap);
    layout.panes.assign(m.rows, std::vector<CRect>(m.cols));
    for (int r = 0; r < m.rows; ++r)
        for (int c = 0; c < m.cols; ++c)
            layout.panes[r][c] = CRect(cols[c].first, rows[r].first, cols[c].second, rows[r].second);
    for (int c = 0; c + 1 < m.cols; ++c)
        layout.colBars.emplace_back(cols[c].second, inside.top, cols[c + 1].first, inside.bottom);
    for (int r = 0; r + 1 < m.rows; ++r)
        layout.rowBars.emplace_back(inside.left, rows[r].second, inside.right, rows[r + 1].first);

    if (m.hScroll) {
        for (int c = 0; c < m.cols; ++c) {
            int left = cols[c].first;
            if (c == 0 && m.colSplitBox) {
                layout.colSplitBox = CRect(left, inside.bottom, std::min(left + m.gap, cols[c].second), client.bottom);
                left = layout.colSplitBox.right;
            }
            layout.hScrollBars.emplace_back(left, inside.bottom, cols[c].second, client.bottom);
        }
    }
    if (m.vScroll) {
        for (int r = 0; r < m.rows; ++r) {
            int top = rows[r].first;
            if (r == 0 && m.rowSplitBox) {
                layout.rowSplitBox = CRect(inside.right, top, client.right, std::min(top + m.gap, rows[r].second));
                top = layout.rowSplitBox.bottom;
            }
            layout.vScrollBars.emplace_back(inside.right, top, client.right, rows[r].second);
        }
    }
    if (m.hScroll && m.vScroll)
        layout.sizeBox = CRect(inside.right, inside.bottom, client.right, client.bottom);
    return layout;
}

SplitterHit HitTestSplitter(const SplitterLayout& layout, POINT point)
{
    SplitterHit hit;
    if (layout.rowSplitBox.PtInRect(point)) {
        hit.kind = SplitterHit::kRowSplitBox;
        return hit;
    }
    if (layout.colSplitBox.PtInRect(point)) {
        hit.kind = SplitterHit::kColSplitBox;
        return hit;
    }
    for (size_t r = 0; r < layout.rowBars.size(); ++r)
        if (layout.rowBars[r].PtInRect(point))
            hit.row = static_cast<int>(r);
    for (size_t c = 0; c < layout.colBars.size(); ++c)
        if (layout.colBars[c].PtInRect(point))
            hit.col = static_cast<int>(c);
    if (hit.row >= 0 && hit.col >= 0)
        hit.kind = SplitterHit::kBarCross;
    else if (hit.row >= 0)
        hit.kind = SplitterHit::kRowBar;
    else if (hit.col >= 0)
        hit.kind = SplitterHit::kColBar;
    return hit;
}
