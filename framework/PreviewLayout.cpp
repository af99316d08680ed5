#include "framework/PreviewLayout.h"

#include <algorithm>

namespace {

int Scale(long value, long numerator, long denominator)
{
    return denominator > 0 ? static_cast<int>(static_cast<long long>(value) * numerator / denominator) : 0;
}

} // namespace

PreviewLayout LayOutPreview(const PreviewLayoutInput& input)
{
    PreviewLayout layout;
    // The paper at its real size on this screen.
    CSize real(std::max(1, Scale(input.paper.cx, input.screenDpi.cx, input.printerDpi.cx)),
               std::max(1, Scale(input.paper.cy, input.screenDpi.cy, input.printerDpi.cy)));
    CSize page;
    if (input.zoom <= 0) {
        layout.pageCount = input.pages >= 2 ? 2 : 1;
        // The largest page that fits the room, keeping the paper's proportions.
        int roomWidth = (input.client.cx - kPreviewMargin * (layout.pageCount + 1)) / layout.pageCount;
        int roomHeight = input.client.cy - 2 * kPreviewMargin;
        roomWidth = std::max(roomWidth, 1);
        roomHeight = std::max(roomHeight, 1);
        if (static_cast<long long>(real.cx) * roomHeight <= static_cast<long long>(real.cy) * roomWidth)
            page = CSize(std::max(1, Scale(real.cx, roomHeight, real.cy)), roomHeight);
        else
            page = CSize(roomWidth, std::max(1, Scale(real.cy, roomWidth, real.cx)));
    } else {
        int factor = std::min(input.zoom, kPreviewMaxZoom);
        page = CSize(real.cx * factor, real.cy * factor);
    }
    int count = layout.pageCount;
    layout.extent = CSize(page.cx * count + kPreviewMargin * (count + 1), page.cy + 2 * kPreviewMargin);
    // Scrolling only where the pages are larger than the room; smaller ones are centred.
    CPoint maxScroll(std::max(0L, layout.extent.cx - input.client.cx), std::max(0L, layout.extent.cy - input.client.cy));
    layout.scroll = CPoint(std::clamp(input.scroll.x, 0L, maxScroll.x), std::clamp(input.scroll.y, 0L, maxScroll.y));
    CPoint origin(maxScroll.x > 0 ? -layout.scroll.x : (input.client.cx - layout.extent.cx) / 2,
                  maxScroll.y > 0 ? -layout.scroll.y : (input.client.cy - layout.extent.cy) / 2);
    for (int i = 0; i < count; ++i) {
        int left = origin.x + kPreviewMargin + i * (page.cx + kPreviewMargin);
        layout.pages[i] = CRect(left, origin.y + kPreviewMargin, left + page.cx, origin.y + kPreviewMargin + page.cy);
    }
    return layout;
}
