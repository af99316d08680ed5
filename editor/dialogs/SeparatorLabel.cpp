#include "editor/dialogs/SeparatorLabel.h"

#include "framework/Dc.h"
#include "framework/Gdi.h"

#include <optional>

BEGIN_MESSAGE_MAP(CSeparatorLabel, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CSeparatorLabel::OnPaint()
{
    CPaintDC dc(this);
    const DWORD style = GetStyle();
    CRect window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    const int width = window.Width(), height = window.Height();
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (height > width) {
        CRect line(width / 2, 0, width / 2 + 2, height);
        dc.Draw3dRect(&line, shadow, highlight);
        return;
    }
    CRect line(0, height / 2, width, height / 2 + 2);
    dc.Draw3dRect(&line, shadow, highlight);

    CString text;
    GetWindowText(text);
    UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        text = "  " + text + "  ";
        format |= DT_CENTER;
        break;
    case SS_RIGHT:
        text = "  " + text;
        format |= DT_RIGHT;
        break;
    default:
        text += "  ";
        break;
    }
    std::optional<ScopedSelectObject> font;
    if (CFont* windowFont = GetFont())
        font.emplace(dc, *windowFont);
    dc.SetBkColor(::GetSysColor(COLOR_BTNFACE));
    dc.SetBkMode(OPAQUE);
    dc.DrawText(text, &client, format);
}
