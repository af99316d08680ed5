#pragma once
#include <vector>

#include "framework/ImageList.h"

class CWnd;

// The images of IDB_ARROWS, 9 pixels square.
enum ArrowImage { kArrowUp, kArrowDown, kArrowRight, kArrowLeft };

// A bitmap strip of images on magenta, put on push buttons as icons. It owns the image list
// and every icon it made, so the pictures live exactly as long as the dialog object.
class CButtonImages {
public:
    CButtonImages() = default;
    ~CButtonImages();
    CButtonImages(const CButtonImages&) = delete;
    CButtonImages& operator=(const CButtonImages&) = delete;

    // Loads the strip once; false when the bitmap is missing.
    bool Load(UINT bitmapId, int imageWidth);
    // The button shows the image instead of its text (which stays its name).
    void Put(CWnd& dialog, int buttonId, int image);

    CImageList& List() { return m_images; }

private:
    CImageList m_images;
    std::vector<HICON> m_icons;
};
