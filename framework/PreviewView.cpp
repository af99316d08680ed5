#include "framework/PreviewView.h"

#include "framework/CommandIds.h"
#include "framework/CmdUI.h"
#include "framework/CommonDialogs.h"
#include "framework/Debug.h"
#include "framework/DockBar.h"
#include "framework/FrameWnd.h"
#include "framework/MessageMap.h"

#include <algorithm>

namespace {

// The id the client pane carries while the preview stands in its place.
constexpr UINT kSavedPaneId = 0xEA21;
constexpr int kBarPadding = 3;
constexpr int kButtonHeight = 24;
constexpr int kScrollLine = 16;

struct PreviewButton {
    UINT id;
    const char* text;
};

constexpr PreviewButton kButtons[] = {
    {AFX_ID_PREVIEW_PRINT, "打印(&P)..."},  {AFX_ID_PREVIEW_NEXT, "下一页(&N)"},
    {AFX_ID_PREVIEW_PREV, "上一页(&V)"},    {AFX_ID_PREVIEW_NUMPAGE, "两页(&T)"},
    {AFX_ID_PREVIEW_ZOOMIN, "放大(&I)"},    {AFX_ID_PREVIEW_ZOOMOUT, "缩小(&Z)"},
    {AFX_ID_PREVIEW_CLOSE, "关闭(&C)"},
};
constexpr const char* kOnePageText = "单页(&O)";
constexpr const char* kTwoPagesText = "两页(&T)";
constexpr UINT kPageLineId = 0xE3FF;

// The window's own visibility, whatever its parents' (a hidden frame's bars still count).
bool HasVisibleStyle(HWND window)
{
    return (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The top-level frame above view: print preview takes the whole application window.
CFrameWnd* TopLevelFrameOf(CView* view)
{
    CFrameWnd* frame = view->GetParentFrame();
    if (auto* top = dynamic_cast<CFrameWnd*>(view->GetTopLevelParent()))
        frame = top;
    return frame;
}

} // namespace

// ---- playing a page

namespace {

struct PageHeader {
    ENHMETAHEADER header;
};

// Mapping-mode units per metre of the metric and English modes; 0 for the others.
int UnitsPerMetre(DWORD mode)
{
    switch (mode) {
    case MM_LOMETRIC: return 10000;
    case MM_HIMETRIC: return 100000;
    case MM_LOENGLISH: return 3937;  // 100 per inch
    case MM_HIENGLISH: return 39370;
    case MM_TWIPS: return 56693;     // 1440 per inch
    default: return 0;
    }
}

template <class Record> void PlayRecord(HDC dc, HANDLETABLE* table, Record& record, int handles)
{
    PlayEnhMetaFileRecord(dc, table, reinterpret_cast<const ENHMETARECORD*>(&record), handles);
}

// A metric or English mapping mode becomes the anisotropic mode with the extents that mode
// has on the printer the page was recorded for.
int CALLBACK PlayPageRecord(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record, int handles, LPARAM data)
{
    const ENHMETAHEADER& header = reinterpret_cast<const PageHeader*>(data)->header;
    int units = 0;
    if (record->iType == EMR_SETMAPMODE)
        units = UnitsPerMetre(reinterpret_cast<const EMRSETMAPMODE*>(record)->iMode);
    if (units == 0 || header.szlMillimeters.cx <= 0 || header.szlMillimeters.cy <= 0)
        return PlayEnhMetaFileRecord(dc, table, record, handles);
    EMRSETMAPMODE mode = *reinterpret_cast<const EMRSETMAPMODE*>(record);
    mode.iMode = MM_ANISOTROPIC;
    PlayRecord(dc, table, mode, handles);
    EMRSETWINDOWEXTEX window = {{EMR_SETWINDOWEXTEX, sizeof window}, {}};
    window.szlExtent.cx = MulDiv(header.szlMillimeters.cx, units, 1000);
    window.szlExtent.cy = MulDiv(header.szlMillimeters.cy, units, 1000);
    PlayRecord(dc, table, window, handles);
    // The y axis points up in all these modes.
    EMRSETVIEWPORTEXTEX viewport = {{EMR_SETVIEWPORTEXTEX, sizeof viewport}, {}};
    viewport.szlExtent.cx = header.szlDevice.cx;
    viewport.szlExtent.cy = -header.szlDevice.cy;
    PlayRecord(dc, table, viewport, handles);
    return 1;
}

} // namespace

void PlayPreviewPage(HDC dc, HENHMETAFILE page, const RECT& target)
{
    PageHeader header = {};
    if (::GetEnhMetaFileHeader(page, sizeof header.header, &header.header) == 0)
        return;
    ::EnumEnhMetaFile(dc, page, PlayPageRecord, &header, &target);
}

// ---- the frame's preview mode

void CFrameWnd::OnSetPreviewMode(BOOL preview, CPrintPreviewState* state)
{
    if (preview) {
        state->menu = ::GetMenu(m_hWnd);
        if (state->menu != nullptr)
            ::SetMenu(m_hWnd, nullptr);
        state->accelerators = m_hAccelTable;
        m_hAccelTable = nullptr;
        state->hiddenBars.clear();
        // The bars, docked or floating, but not the dock bars that hold them, nor the status
        // bar, which shows the preview's messages.
        for (POSITION position = m_listControlBars.GetHeadPosition(); position != nullptr;) {
            auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(position));
            if (bar->GetSafeHwnd() == nullptr || dynamic_cast<CDockBar*>(bar) != nullptr ||
                bar->GetDlgCtrlID() == static_cast<int>(AFX_IDW_STATUS_BAR) || !bar->IsVisible())
                continue;
            ShowControlBar(bar, FALSE, FALSE);
            state->hiddenBars.push_back(bar->m_hWnd);
        }
        state->pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
        if (state->pane != nullptr) {
            state->paneVisible = HasVisibleStyle(state->pane);
            ::ShowWindow(state->pane, SW_HIDE);
            ::SetWindowLongA(state->pane, GWL_ID, kSavedPaneId);
        }
    } else {
        if (state->pane != nullptr && ::IsWindow(state->pane)) {
            ::SetWindowLongA(state->pane, GWL_ID, AFX_IDW_PANE_FIRST);
            if (state->paneVisible)
                ::ShowWindow(state->pane, SW_SHOWNA);
        }
        for (HWND window : state->hiddenBars) {
            if (auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(window)))
                ShowControlBar(bar, TRUE, FALSE);
        }
        state->hiddenBars.clear();
        m_hAccelTable = state->accelerators;
        if (state->menu != nullptr)
            ::SetMenu(m_hWnd, state->menu);
        state->pane = nullptr;
        RecalcLayout();
    }
}

// ---- page DC

BOOL CPreviewDC::Begin(CDC& printer)
{
    ASSERT(m_hDC == nullptr);
    // The frame in hundredths of a millimetre as the printer states its size, so that the
    // metafile's device units are exactly the printer's pixels.
    RECT frame = {0, 0, printer.GetDeviceCaps(HORZSIZE) * 100, printer.GetDeviceCaps(VERTSIZE) * 100};
    HDC dc = ::CreateEnhMetaFileA(printer, nullptr, &frame, nullptr);
    if (dc == nullptr)
        return FALSE;
    Attach(dc);
    m_bPrinting = TRUE;
    return TRUE;
}

HENHMETAFILE CPreviewDC::End()
{
    return m_hDC != nullptr ? ::CloseEnhMetaFile(Detach()) : nullptr;
}

CPreviewDC::~CPreviewDC()
{
    if (HENHMETAFILE metafile = End())
        ::DeleteEnhMetaFile(metafile);
}

// ---- tool bar

BOOL CPreviewBar::Create(CFrameWnd* frame)
{
    LPCTSTR windowClass = RegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    if (!CreateBar(0, windowClass, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | CBRS_TOP, 0, frame, AFX_IDW_PREVIEW_BAR))
        return FALSE;
    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HDC screen = ::GetDC(m_hWnd);
    HGDIOBJ oldFont = ::SelectObject(screen, font);
    int x = kBarPadding;
    auto add = [&](const char* className, const char* text, DWORD style, UINT id, int width) {
        HWND control = ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, kBarPadding, width,
                                         kButtonHeight, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                         ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        x += width + kBarPadding;
    };
    for (const PreviewButton& button : kButtons) {
        SIZE size = {};
        ::GetTextExtentPoint32A(screen, button.text, static_cast<int>(strlen(button.text)), &size);
        add("BUTTON", button.text, BS_PUSHBUTTON, button.id, std::max<int>(size.cx + 16, 60));
    }
    ::SelectObject(screen, oldFont);
    ::ReleaseDC(m_hWnd, screen);
    add("STATIC", "", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, kPageLineId, 160);
    m_contentWidth = x;
    return TRUE;
}

void CPreviewBar::SetPageLine(LPCTSTR text)
{
    ::SetDlgItemTextA(m_hWnd, kPageLineId, text);
}

CSize CPreviewBar::CalcFixedLayout(BOOL stretch, BOOL horz)
{
    return SizeAround(CSize(m_contentWidth, kButtonHeight + 2 * kBarPadding), stretch, horz);
}

void CPreviewBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    UpdateDialogControls(target, disableIfNoHandler);
}

// ---- preview view

BEGIN_MESSAGE_MAP(CPreviewView, CView)
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
    ON_COMMAND(ID_FILE_PRINT, OnPreviewPrint)
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_KEYDOWN()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView()
{
    ClearPages();
}

BOOL CPreviewView::Start(CView* view)
{
    CFrameWnd* frame = view != nullptr ? TopLevelFrameOf(view) : nullptr;
    if (frame == nullptr || frame->IsInPreviewMode())
        return FALSE;
    auto* preview = new CPreviewView;
    if (!preview->Open(view)) {
        preview->Close();
        return FALSE;
    }
    return TRUE;
}

CPreviewView* CPreviewView::Of(CFrameWnd* frame)
{
    if (frame == nullptr || !frame->IsInPreviewMode())
        return nullptr;
    return dynamic_cast<CPreviewView*>(frame->GetActiveView());
}

BOOL CPreviewView::Open(CView* printView)
{
    m_info = std::make_unique<CPrintInfo>();
    m_info->m_bPreview = TRUE;
    if (!printView->OnPreparePrinting(m_info.get()))
        return FALSE;
    m_printer.Attach(m_info->m_pPD->m_pd.hDC);
    m_info->m_pPD->m_pd.hDC = nullptr;
    if (m_printer.GetSafeHdc() == nullptr)
        return FALSE;
    m_printer.m_bPrinting = TRUE;
    m_printView = printView;
    m_printViewWnd = printView->m_hWnd;
    printView->OnBeginPrinting(&m_printer, m_info.get());
    m_begun = TRUE;
    m_info->m_nCurPage = std::clamp(m_info->m_nCurPage, m_info->GetMinPage(), std::max(m_info->GetMinPage(), m_info->GetMaxPage()));

    CFrameWnd* frame = TopLevelFrameOf(printView);
    frame->OnSetPreviewMode(TRUE, &m_state);
    m_frame = frame;
    frame->m_lpfnCloseProc = &CloseFromFrame;
    if (!m_bar.Create(frame) ||
        !Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 0, 0), frame,
                AFX_IDW_PANE_FIRST, nullptr))
        return FALSE;
    frame->RecalcLayout();
    frame->SetActiveView(this);
    SetFocus();
    ShowPagesAgain();
    return TRUE;
}

void CPreviewView::CloseFromFrame(CFrameWnd* frame)
{
    if (CPreviewView* preview = Of(frame))
        preview->Close();
    else
        frame->m_lpfnCloseProc = nullptr;
}

void CPreviewView::Close()
{
    ClearPages();
    if (m_begun && ::IsWindow(m_printViewWnd))
        m_printView->OnEndPrinting(&m_printer, m_info.get());
    m_begun = FALSE;
    if (m_bar.GetSafeHwnd() != nullptr)
        m_bar.DestroyWindow();
    if (m_hWnd != nullptr) {
        ShowWindow(SW_HIDE);
        SetDlgCtrlID(0);
    }
    if (m_frame != nullptr) {
        m_frame->m_lpfnCloseProc = nullptr;
        if (m_frame->GetActiveView() == this)
            m_frame->SetActiveView(nullptr, FALSE);
        m_frame->OnSetPreviewMode(FALSE, &m_state);
        if (::IsWindow(m_printViewWnd)) {
            if (m_printView->GetParentFrame() == m_frame)
                m_frame->SetActiveView(m_printView, FALSE);
            ::SetFocus(m_printViewWnd);
        }
        m_frame = nullptr;
    }
    if (m_hWnd != nullptr)
        DestroyWindow();  // the view deletes itself
    else
        delete this;
}

void CPreviewView::ClearPages()
{
    for (HENHMETAFILE& page : m_pages) {
        if (page != nullptr)
            ::DeleteEnhMetaFile(page);
        page = nullptr;
    }
}

HENHMETAFILE CPreviewView::GetPageMetafile(int index) const
{
    return index >= 0 && index < 2 ? m_pages[index] : nullptr;
}

BOOL CPreviewView::PageExists(UINT page)
{
    if (page < m_info->GetMinPage() || page > m_info->GetMaxPage() || page > m_lastPage ||
        !::IsWindow(m_printViewWnd))
        return FALSE;
    if (m_info->GetMaxPage() != 0xFFFF)
        return TRUE;
    // The length is unknown: the view's OnPrepareDC tells whether the page is there.
    CPreviewDC probe;
    if (!probe.Begin(m_printer))
        return FALSE;
    UINT current = m_info->m_nCurPage;
    m_info->m_nCurPage = page;
    m_info->m_bContinuePrinting = TRUE;
    m_printView->OnPrepareDC(&probe, m_info.get());
    BOOL exists = m_info->m_bContinuePrinting;
    m_info->m_nCurPage = current;
    m_info->m_bContinuePrinting = TRUE;
    if (!exists)
        m_lastPage = page - 1;
    return exists;
}

void CPreviewView::RenderPages()
{
    ClearPages();
    UINT current = m_info->m_nCurPage;
    for (int i = 0; i < m_layout.pageCount; ++i) {
        UINT page = current + i;
        if (!PageExists(page))
            break;
        CPreviewDC dc;
        if (!dc.Begin(m_printer))
            break;
        m_info->m_nCurPage = page;
        m_info->m_bContinuePrinting = TRUE;
        m_printView->OnPrepareDC(&dc, m_info.get());
        if (!m_info->m_bContinuePrinting)
            break;
        m_info->m_rectDraw.SetRect(0, 0, m_printer.GetDeviceCaps(HORZRES), m_printer.GetDeviceCaps(VERTRES));
        dc.DPtoLP(&m_info->m_rectDraw);
        m_printView->OnPrint(&dc, m_info.get());
        m_pages[i] = dc.End();
    }
    m_info->m_nCurPage = current;
    m_info->m_bContinuePrinting = TRUE;
}

void CPreviewView::Relayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    HDC screenDc = ::GetDC(nullptr);
    PreviewLayoutInput input;
    input.client = CSize(client.Width(), client.Height());
    int paperWidth = m_printer.GetDeviceCaps(PHYSICALWIDTH);
    int paperHeight = m_printer.GetDeviceCaps(PHYSICALHEIGHT);
    input.paper = paperWidth > 0 && paperHeight > 0
                      ? CSize(paperWidth, paperHeight)
                      : CSize(m_printer.GetDeviceCaps(HORZRES), m_printer.GetDeviceCaps(VERTRES));
    input.printerDpi = CSize(m_printer.GetDeviceCaps(LOGPIXELSX), m_printer.GetDeviceCaps(LOGPIXELSY));
    input.screenDpi = CSize(::GetDeviceCaps(screenDc, LOGPIXELSX), ::GetDeviceCaps(screenDc, LOGPIXELSY));
    ::ReleaseDC(nullptr, screenDc);
    input.pages = m_pagesWanted == 2 && PageExists(m_info->m_nCurPage + 1) ? 2 : 1;
    input.zoom = m_zoom;
    input.scroll = m_scroll;
    m_layout = LayOutPreview(input);
    m_scroll = m_layout.scroll;
    m_info->m_nNumPreviewPages = m_layout.pageCount;
    UpdateScrollBars();
    Invalidate(FALSE);
}

void CPreviewView::ShowPagesAgain()
{
    // The view that draws the pages is gone (its window was closed by other means).
    if (!::IsWindow(m_printViewWnd)) {
        Close();
        return;
    }
    Relayout();
    RenderPages();
    UINT current = m_info->m_nCurPage;
    // The page line: "第 %u 页" for one page, "第 %u-%u 页" for two.
    CString descriptions = m_info->m_strPageDesc;
    int split = descriptions.Find('\n');
    CString format = m_layout.pageCount == 2 && split >= 0 ? descriptions.Mid(split + 1)
                                                           : (split >= 0 ? descriptions.Left(split) : descriptions);
    CString line;
    line.Format(format, current, current + 1);
    m_bar.SetPageLine(line);
    // The buttons follow at once rather than at the next idle time.
    m_bar.OnUpdateCmdUI(m_frame, FALSE);
}

void CPreviewView::OnUpdateNextPage(CCmdUI* cmdUI)
{
    cmdUI->Enable(PageExists(m_info->m_nCurPage + m_layout.pageCount));
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_info->m_nCurPage > m_info->GetMinPage());
}

void CPreviewView::OnUpdateNumPage(CCmdUI* cmdUI)
{
    // The button offers the other choice, and only where whole pages are shown.
    cmdUI->SetText(m_pagesWanted == 2 ? kOnePageText : kTwoPagesText);
    cmdUI->Enable(m_zoom == 0);
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_zoom < kPreviewMaxZoom);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_zoom > 0);
}

void CPreviewView::UpdateScrollBars()
{
    CRect client;
    GetClientRect(&client);
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = bar == SB_HORZ ? m_layout.extent.cx - 1 : m_layout.extent.cy - 1;
        info.nPage = bar == SB_HORZ ? client.Width() : client.Height();
        info.nPos = bar == SB_HORZ ? m_layout.scroll.x : m_layout.scroll.y;
        // At the fitting zoom the pages always fit: no bars.
        if (m_zoom == 0)
            info.nMax = 0;
        SetScrollInfo(bar, &info, TRUE);
    }
}

void CPreviewView::OnDraw(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, ::GetSysColor(COLOR_APPWORKSPACE));
    int paperWidth = m_printer.GetDeviceCaps(PHYSICALWIDTH);
    int paperHeight = m_printer.GetDeviceCaps(PHYSICALHEIGHT);
    int offsetX = m_printer.GetDeviceCaps(PHYSICALOFFSETX);
    int offsetY = m_printer.GetDeviceCaps(PHYSICALOFFSETY);
    int printableWidth = m_printer.GetDeviceCaps(HORZRES);
    int printableHeight = m_printer.GetDeviceCaps(VERTRES);
    if (paperWidth <= 0 || paperHeight <= 0) {
        paperWidth = printableWidth;
        paperHeight = printableHeight;
        offsetX = offsetY = 0;
    }
    for (int i = 0; i < m_layout.pageCount; ++i) {
        CRect page = m_layout.pages[i];
        CRect shadow = page;
        shadow.OffsetRect(3, 3);
        dc->FillSolidRect(&shadow, ::GetSysColor(COLOR_3DDKSHADOW));
        dc->FillSolidRect(&page, RGB(255, 255, 255));
        dc->Draw3dRect(&page, RGB(0, 0, 0), RGB(0, 0, 0));
        if (m_pages[i] == nullptr)
            continue;
        // The printable part of the paper, at the same scale as the paper.
        CRect printable(page.left + MulDiv(offsetX, page.Width(), paperWidth),
                        page.top + MulDiv(offsetY, page.Height(), paperHeight), 0, 0);
        printable.right = printable.left + MulDiv(printableWidth, page.Width(), paperWidth);
        printable.bottom = printable.top + MulDiv(printableHeight, page.Height(), paperHeight);
        int saved = dc->SaveDC();
        dc->IntersectClipRect(&page);
        PlayPreviewPage(*dc, m_pages[i], printable);
        dc->RestoreDC(saved);
    }
}

BOOL CPreviewView::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CPreviewView::OnSize(UINT, int, int)
{
    Relayout();
}

void CPreviewView::OnPreviewClose()
{
    Close();
}

void CPreviewView::OnPreviewPrint()
{
    // The preview ends first; then the view prints as from its own Print command.
    HWND printView = m_printViewWnd;
    Close();
    if (::IsWindow(printView))
        ::SendMessageA(printView, WM_COMMAND, ID_FILE_PRINT, 0);
}

void CPreviewView::OnNextPage()
{
    if (!PageExists(m_info->m_nCurPage + 1))
        return;
    ++m_info->m_nCurPage;
    ShowPagesAgain();
}

void CPreviewView::OnPrevPage()
{
    if (m_info->m_nCurPage <= m_info->GetMinPage())
        return;
    --m_info->m_nCurPage;
    ShowPagesAgain();
}

void CPreviewView::OnNumPageChange()
{
    m_pagesWanted = m_pagesWanted == 2 ? 1 : 2;
    ShowPagesAgain();
}

void CPreviewView::OnZoomIn()
{
    if (m_zoom >= kPreviewMaxZoom)
        return;
    ++m_zoom;
    ShowPagesAgain();
}

void CPreviewView::OnZoomOut()
{
    if (m_zoom <= 0)
        return;
    --m_zoom;
    m_scroll = CPoint();
    ShowPagesAgain();
}

void CPreviewView::OnKeyDown(UINT key, UINT, UINT)
{
    switch (key) {
    case VK_ESCAPE: Close(); break;
    case VK_NEXT: if (m_zoom == 0) OnNextPage(); else Scroll(SB_VERT, SB_PAGEDOWN, 0); break;
    case VK_PRIOR: if (m_zoom == 0) OnPrevPage(); else Scroll(SB_VERT, SB_PAGEUP, 0); break;
    case VK_DOWN: Scroll(SB_VERT, SB_LINEDOWN, 0); break;
    case VK_UP: Scroll(SB_VERT, SB_LINEUP, 0); break;
    case VK_RIGHT: Scroll(SB_HORZ, SB_LINEDOWN, 0); break;
    case VK_LEFT: Scroll(SB_HORZ, SB_LINEUP, 0); break;
    default: break;
    }
}

void CPreviewView::Scroll(int bar, UINT code, UINT position)
{
    CRect client;
    GetClientRect(&client);
    LONG& offset = bar == SB_HORZ ? m_scroll.x : m_scroll.y;
    LONG pageSize = bar == SB_HORZ ? client.Width() : client.Height();
    switch (code) {
    case SB_LINEUP: offset -= kScrollLine; break;
    case SB_LINEDOWN: offset += kScrollLine; break;
    case SB_PAGEUP: offset -= pageSize; break;
    case SB_PAGEDOWN: offset += pageSize; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: offset = static_cast<LONG>(position); break;
    case SB_TOP: offset = 0; break;
    case SB_BOTTOM: offset = LONG_MAX / 2; break;
    default: return;
    }
    Relayout();
}

void CPreviewView::OnHScroll(UINT code, UINT position, CWnd*)
{
    Scroll(SB_HORZ, code, position);
}

void CPreviewView::OnVScroll(UINT code, UINT position, CWnd*)
{
    Scroll(SB_VERT, code, position);
}

BOOL CPreviewView::OnMouseWheel(UINT, short delta, CPoint)
{
    if (m_zoom == 0) {
        if (delta < 0)
            OnNextPage();
        else
            OnPrevPage();
    } else {
        Scroll(SB_VERT, delta < 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    }
    return TRUE;
}
