#pragma once
#include <windows.h>

#include "framework/ControlBar.h"
#include "framework/Dc.h"
#include "framework/PreviewLayout.h"
#include "framework/PrintInfo.h"
#include "framework/View.h"

#include <memory>
#include <vector>

class CFrameWnd;

// What a frame hid on entering print preview, for it to put back on leaving.
struct CPrintPreviewState {
    HMENU menu = nullptr;
    HACCEL accelerators = nullptr;
    // The client pane (a view, a splitter or the MDI client), renumbered while hidden so that
    // the preview takes its place in the layout.
    HWND pane = nullptr;
    BOOL paneVisible = FALSE;
    // The bars hidden, by window, so that one destroyed meanwhile is not touched.
    std::vector<HWND> hiddenBars;
};

// A page DC of the preview: a metafile that takes its measures (resolution, fonts, text
// extents) from the printer and is played on the screen. IsPrinting is set.
class CPreviewDC : public CDC {
public:
    // Starts recording one page of printer; FALSE when the metafile cannot be made.
    BOOL Begin(CDC& printer);
    // Ends the page; the caller owns the metafile.
    HENHMETAFILE End();
    ~CPreviewDC() override;
};

// Plays a page recorded by a CPreviewDC into target, which stands for the printable part of
// the page. A metric or English mapping mode the page set keeps the printer's measure: some
// players take it from the screen, which shrank the page by the ratio of the resolutions.
void PlayPreviewPage(HDC dc, HENHMETAFILE page, const RECT& target);

// The tool bar of the print preview, at the top of the frame: print, next and previous page,
// one or two pages, zoom in and out, close, and the page line. Its buttons send their
// commands to the frame, which routes them to the preview view, and take their states from
// the view's update handlers.
class CPreviewBar : public CControlBar {
public:
    BOOL Create(CFrameWnd* frame);
    void SetPageLine(LPCTSTR text);

    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

private:
    // The width of the buttons and the page line.
    int m_contentWidth = 0;
};

// The print preview: takes the place of the frame's client pane, shows one or two pages of
// the view that asked for it, drawn by that view's OnPrint through a CPreviewDC, and ends
// with Close (its Close button, the frame's close box, Esc, or Print).
class CPreviewView : public CView {
public:
    // Opens the preview of view in its top-level frame; FALSE when there is nothing to show
    // (no printer, the view refused, the frame already previews).
    static BOOL Start(CView* view);
    // The preview a frame shows, or null.
    static CPreviewView* Of(CFrameWnd* frame);

    // Ends the preview and gives the frame back its bars and pane; deletes this object.
    void Close();

    UINT GetCurrentPage() const { return m_info->m_nCurPage; }
    UINT GetPagesShown() const { return m_layout.pageCount; }
    int GetZoom() const { return m_zoom; }
    const PreviewLayout& GetLayout() const { return m_layout; }
    // The recorded metafile of a shown page (0 or 1), null when it is blank.
    HENHMETAFILE GetPageMetafile(int index) const;

    void OnDraw(CDC* dc) override;
    BOOL OnPreparePrinting(CPrintInfo*) override { return FALSE; }

protected:
    CPreviewView();
    ~CPreviewView() override;

    BOOL Open(CView* printView);
    // Places the pages for the window's size, zoom and scroll position.
    void Relayout();
    // Lays out, records the pages shown anew and updates the bar.
    void ShowPagesAgain();
    void RenderPages();
    void ClearPages();
    // Whether the document has page; for a document of unknown length the print view's
    // OnPrepareDC is asked, and the first page it refuses ends the document.
    BOOL PageExists(UINT page);
    void UpdateScrollBars();

    void OnPreviewClose();
    void OnPreviewPrint();
    void OnNextPage();
    void OnPrevPage();
    void OnNumPageChange();
    void OnZoomIn();
    void OnZoomOut();
    void OnUpdateNextPage(CCmdUI* cmdUI);
    void OnUpdatePrevPage(CCmdUI* cmdUI);
    void OnUpdateNumPage(CCmdUI* cmdUI);
    void OnUpdateZoomIn(CCmdUI* cmdUI);
    void OnUpdateZoomOut(CCmdUI* cmdUI);
    void OnSize(UINT type, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnHScroll(UINT code, UINT position, CWnd* bar);
    void OnVScroll(UINT code, UINT position, CWnd* bar);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    static void CloseFromFrame(CFrameWnd* frame);
    void Scroll(int bar, UINT code, UINT position);

    CView* m_printView = nullptr;
    HWND m_printViewWnd = nullptr;
    CFrameWnd* m_frame = nullptr;
    CPrintPreviewState m_state;
    std::unique_ptr<CPrintInfo> m_info;
    CDC m_printer;
    CPreviewBar m_bar;
    int m_zoom = 0;
    int m_pagesWanted = 1;
    // The last page, once known (the document's maximum, or where OnPrepareDC stopped).
    UINT m_lastPage = 0xFFFF;
    HENHMETAFILE m_pages[2] = {};
    PreviewLayout m_layout;
    CPoint m_scroll;
    BOOL m_begun = FALSE;
};
