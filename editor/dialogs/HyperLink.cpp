#include "editor/dialogs/HyperLink.h"

#include "editor/res/resource.h"
#include "editor/util/ShellHelpers.h"
#include "framework/AppState.h"
#include "framework/Dc.h"
#include "framework/MessageBox.h"

namespace {

LinkOpener g_opener = &ShellOpenDocument;

// Loaded once by the first link that wants it; a shared resource, never destroyed.
HCURSOR g_handCursor = nullptr;
bool g_handCursorLoaded = false;

// Style bits of a static control.
constexpr DWORD kCentredText = SS_CENTER;
constexpr DWORD kRightText = SS_RIGHT;
constexpr DWORD kCentredImage = SS_CENTERIMAGE;
constexpr UINT kToolId = 1;

} // namespace

// The framework's controls carry no run-time class: the link is the root of its own.
IMPLEMENT_DYNAMIC_ROOT(CHyperLink)

const COLORREF CHyperLink::kLinkColour = RGB(0, 0, 255);
const COLORREF CHyperLink::kVisitedColour = RGB(128, 0, 128);
const COLORREF CHyperLink::kHoverColour = RGB(255, 0, 0);
const COLORREF CHyperLink::kFocusColour = RGB(0, 128, 128);

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CHyperLink::CHyperLink() = default;
CHyperLink::~CHyperLink() = default;

HCURSOR CHyperLink::GetHandCursor()
{
    if (!g_handCursorLoaded) {
        g_handCursorLoaded = true;
        g_handCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_LINK_HAND));
    }
    return g_handCursor;
}

void CHyperLink::PreSubclassWindow()
{
    CString text;
    GetWindowText(text);
    if (m_target.IsEmpty())
        m_target = text;
    if (text.IsEmpty())
        SetWindowText(m_target);
    if (CFont* font = GetFont())
        ApplyLinkFont(font);
    else
        m_style &= ~LinkAutoSize;
    if (!(m_style & LinkNoHandCursor))
        GetHandCursor();
    if (m_tip.Create(this))
        m_tip.AddTool(this, m_target, nullptr, kToolId);
    CStatic::PreSubclassWindow();
}

BOOL CHyperLink::PreTranslateMessage(MSG* msg)
{
    if (m_tip.GetSafeHwnd())
        m_tip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

void CHyperLink::SetTarget(LPCTSTR target)
{
    m_target = target;
    if (!GetSafeHwnd())
        return;
    ShowWindow(SW_HIDE);
    FitToText();
    if (m_tip.GetSafeHwnd())
        m_tip.UpdateTipText(m_target, this, kToolId);
    ShowWindow(SW_SHOW);
}

bool CHyperLink::ChangeStyle(DWORD remove, DWORD add, BOOL redraw)
{
    if (remove & add)
        return false;
    m_style = add | (m_style & ~remove);
    if (redraw && GetSafeHwnd()) {
        if ((add | remove) & LinkUnderline) {
            ShowWindow(SW_HIDE);
            ApplyLinkFont(GetFont());
            ShowWindow(SW_SHOW);
        }
        if (add & LinkAutoSize)
            FitToText();
        if (remove & LinkHoverColour)
            Invalidate();
    }
    return true;
}

void CHyperLink::SetLinkFont(CFont* font)
{
    ShowWindow(SW_HIDE);
    ApplyLinkFont(font);
    ShowWindow(SW_SHOW);
}

void CHyperLink::ApplyLinkFont(CFont* font)
{
    LOGFONT logFont = {};
    if (!font || !font->GetLogFont(&logFont))
        return;
    logFont.lfUnderline = (m_style & LinkUnderline) ? TRUE : FALSE;
    // The new font may be a copy of the one in use: make it before letting that go.
    CFont linkFont;
    if (!linkFont.CreateFontIndirect(&logFont))
        return;
    SetFont(&linkFont, TRUE);
    m_linkFont.DeleteObject();
    m_linkFont.Attach(linkFont.Detach());
    FitToText();
}

void CHyperLink::FitToText()
{
    if (!(m_style & LinkAutoSize) || !GetSafeHwnd() || !m_linkFont.GetSafeHandle())
        return;
    CRect window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    const int frameX = window.Width() - client.Width();
    const int frameY = window.Height() - client.Height();
    GetParent()->ScreenToClient(&window);
    CString text;
    GetWindowText(text);
    CSize extent;
    {
        CClientDC dc(this);
        ScopedSelectObject select(dc, m_linkFont);
        extent = dc.GetTextExtent(text, text.GetLength());
    }
    const DWORD style = GetStyle();
    if (style & kCentredImage) {
        window.top += (window.Height() - extent.cy) / 2;
        window.bottom = window.top + extent.cy;
    } else {
        window.bottom = window.top + extent.cy;
    }
    if ((style & SS_TYPEMASK) == kCentredText) {
        window.left += (window.Width() - extent.cx) / 2;
        window.right = window.left + extent.cx;
    } else if ((style & SS_TYPEMASK) == kRightText) {
        window.left = window.right - extent.cx;
    } else {
        window.right = window.left + extent.cx;
    }
    SetWindowPos(nullptr, window.left, window.top, window.Width() + frameX,
                 window.Height() + frameY, SWP_NOZORDER | SWP_NOACTIVATE);
}

COLORREF CHyperLink::GetTextColour() const
{
    if (m_over && (m_style & LinkHoverColour))
        return kHoverColour;
    if (m_focused && !(m_style & LinkNoFocusColour))
        return kFocusColour;
    return m_visited ? kVisitedColour : kLinkColour;
}

HBRUSH CHyperLink::CtlColor(CDC* dc, UINT)
{
    dc->SetTextColor(GetTextColour());
    dc->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(NULL_BRUSH);
}

BOOL CHyperLink::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (!g_handCursor || (m_style & LinkNoHandCursor))
        return CStatic::OnSetCursor(window, hitTest, message);
    ::SetCursor(g_handCursor);
    return TRUE;
}

LRESULT CHyperLink::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

void CHyperLink::OnMouseMove(UINT, CPoint point)
{
    if (!m_over) {
        m_over = true;
        Invalidate();
        SetCapture();
        return;
    }
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        m_over = false;
        ::ReleaseCapture();
        Invalidate();
    }
}

void CHyperLink::OnLButtonDown(UINT, CPoint)
{
    if (m_style & LinkFocusOnClick)
        SetFocus();
    if (m_style & LinkOpenOnPress)
        OpenTarget();
    m_focused = true;
}

void CHyperLink::OnLButtonUp(UINT, CPoint)
{
    if (m_focused && !(m_style & LinkOpenOnPress))
        OpenTarget();
}

void CHyperLink::OnSetFocus(CWnd*)
{
    m_focused = true;
    Invalidate();
}

void CHyperLink::OnKillFocus(CWnd*)
{
    m_over = false;
    m_focused = false;
    Invalidate();
}

void CHyperLink::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (key == VK_SPACE)
        OpenTarget();
    else
        CStatic::OnKeyDown(key, repeat, flags);
}

void CHyperLink::OpenTarget()
{
    const INT_PTR result = OpenLinkTarget(m_target, SW_SHOWNORMAL);
    if (result <= 32) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        ShowLinkError(result);
        return;
    }
    m_visited = true;
    Invalidate();
}

INT_PTR OpenLinkTarget(const char* target, int showCommand)
{
    return g_opener(target, showCommand);
}

LinkOpener SetLinkOpener(LinkOpener opener)
{
    const LinkOpener previous = g_opener;
    g_opener = opener ? opener : &ShellOpenDocument;
    return previous;
}

CString LinkErrorText(INT_PTR code)
{
    static const struct {
        INT_PTR code;
        const char* text;
    } kReasons[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    };
    CString reason;
    for (const auto& entry : kReasons)
        if (entry.code == code)
            reason = entry.text;
    if (reason.IsEmpty())
        reason.Format("Unknown Error (%d) occurred.", (int)code);
    return "Can't open link:\n\n" + reason;
}

void ShowLinkError(INT_PTR code)
{
    AfxMessageBox(LinkErrorText(code), MB_ICONEXCLAMATION);
}
