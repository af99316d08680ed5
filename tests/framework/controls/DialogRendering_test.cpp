#include "framework/AppState.h"
#include "framework/Dc.h"
#include "framework/Gdi.h"

#include "ControlsTestResources.h"

#include <gtest/gtest.h>

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

} // namespace

// The one picture test: a dialog of the resource script shows its Chinese label in the CJK
// font, as real glyphs rather than empty boxes.
TEST(DialogRenderingTest, ChineseLabelIsDrawnWithTheCjkFont)
{
    HWND dialog = ::CreateDialogParam(AfxGetResourceHandle(), MAKEINTRESOURCE(IDD_LIST_ITEMS), nullptr,
                                      &PlainDialogProc, 0);
    ASSERT_NE(nullptr, dialog);
    HWND label = ::GetDlgItem(dialog, IDC_CHINESE_LABEL);
    char text[32] = "";
    ::GetWindowText(label, text, sizeof text);
    EXPECT_STREQ("中文标签", text);

    CFont* font = CFont::FromHandle((HFONT)::SendMessage(label, WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, font);
    LOGFONT logFont;
    ASSERT_NE(0, font->GetLogFont(&logFont));
    EXPECT_STREQ("宋体", logFont.lfFaceName);

    CRect area;
    ::GetClientRect(label, &area);
    CClientDC screen(nullptr);
    CDC canvas;
    canvas.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, area.Width(), area.Height());
    ScopedSelectObject selectBitmap(canvas, bitmap);
    canvas.FillSolidRect(&area, RGB(255, 255, 255));
    ::SendMessage(label, WM_PRINTCLIENT, (WPARAM)canvas.GetSafeHdc(), PRF_CLIENT | PRF_ERASEBKGND);

    CSize textSize;
    {
        ScopedSelectObject selectFont(canvas, *font);
        textSize = canvas.GetTextExtent(CString(text));
    }
    // The label is drawn from its top-left corner, one full-width cell per character.
    auto isInk = [&](int x, int y) {
        COLORREF pixel = canvas.GetPixel(x, y);
        return GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 384;
    };
    const int cell = textSize.cx / 4;
    ASSERT_GT(cell, 4);
    int inked[4] = {0, 0, 0, 0};
    int differing = 0;
    for (int y = 0; y < textSize.cy && y < area.Height(); ++y)
        for (int x = 0; x < cell; ++x) {
            for (int i = 0; i < 4; ++i)
                inked[i] += isInk(i * cell + x, y);
            differing += isInk(x, y) != isInk(cell + x, y);
        }
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(inked[i], cell) << "character " << i << " left no ink";
    // Missing glyphs would all be the same box; 中 and 文 must differ.
    EXPECT_GT(differing, cell);
    ::DestroyWindow(dialog);
}
