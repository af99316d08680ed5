#pragma once
#include "framework/Geometry.h"

// Where the print preview places its pages in its window, without any window: the paper in
// printer pixels at the printer's resolution becomes a rectangle of screen pixels.
struct PreviewLayoutInput {
    CSize client;          // the preview window's client area
    CSize paper;           // the paper in printer pixels
    CSize printerDpi;      // printer pixels per inch, x and y
    CSize screenDpi;       // screen pixels per inch, x and y
    int pages = 1;         // pages shown side by side when the whole page fits (1 or 2)
    int zoom = 0;          // 0 the whole page(s) fit; 1 the paper's real size; 2 twice that
    CPoint scroll;         // scroll position (zoomed in only)
};

struct PreviewLayout {
    int pageCount = 1;     // pages actually shown
    CRect pages[2];        // their rectangles in client pixels
    CSize extent;          // the size of everything, for the scroll bars
    CPoint scroll;         // the scroll position, kept inside what the extent allows
};

// The free margin around and between pages, in screen pixels.
constexpr int kPreviewMargin = 8;
constexpr int kPreviewMaxZoom = 2;

PreviewLayout LayOutPreview(const PreviewLayoutInput& input);
