#pragma once
#include <windows.h>

#include "framework/Geometry.h"
#include "framework/Ole.h"
#include "framework/PrintInfo.h"
#include "framework/RuntimeClass.h"
#include "framework/Wnd.h"

class CDC;
class CDocument;
class CFrameWnd;

// A window that shows a splitter's shared scroll bars to the panes inside it.
class CScrollBarLender {
public:
    virtual ~CScrollBarLender() = default;
    // The shared bar (SB_HORZ or SB_VERT) that pane uses, or null when it has its own.
    virtual HWND GetPaneScrollBar(int bar, const CWnd* pane) const = 0;
};

// A pane that shows one document: paints through OnDraw, hears of document changes through
// OnUpdate, and passes the commands it does not handle on to its document.
class CView : public CWnd {
    DECLARE_DYNAMIC(CView)

public:
    CView();
    // Leaves the document's view list.
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // The nearest frame window above the view (an MDI child in an MDI application).
    CFrameWnd* GetParentFrame() const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The scroll bar that serves this view for bar: a splitter's shared one when its parent
    // lends one, else null (the view's own bar).
    virtual HWND GetScrollBarCtrl(int bar) const;
    // Scroll-bar state through GetScrollBarCtrl, so views of a splitter share its bars.
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;

    // Called by the frame when the view becomes or stops being its active view.
    virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView);
    virtual void OnActivateFrame(UINT state, CFrameWnd* frame);

    // A drag over the view, from its registered COleDropTarget; the point is in client
    // coordinates. The defaults accept nothing.
    virtual DROPEFFECT OnDragEnter(COleDataObject* dataObject, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* dataObject, DWORD keyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* dataObject, DROPEFFECT dropEffect, CPoint point);

    // Before the frame first shows: the default calls OnUpdate(null, 0, null).
    virtual void OnInitialUpdate();
    // The document changed; the default repaints the whole view.
    virtual void OnUpdate(CView* sender, LPARAM hint, void* hintObject);
    // Paints the document; the dc is prepared by OnPrepareDC.
    virtual void OnDraw(CDC* dc) = 0;
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);

    // Printing: the print loop calls these in this order. OnPreparePrinting sets the page
    // range and calls DoPreparePrinting; the others get the printer DC (in preview, the
    // preview's page DC for OnPrepareDC and OnPrint).
    virtual BOOL OnPreparePrinting(CPrintInfo* info);
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnPrint(CDC* dc, CPrintInfo* info);
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);
    // Runs the print dialog on the application's printer choice, or for a preview or a
    // direct print takes the choice as it is; leaves the printer DC in m_pPD->m_pd.hDC.
    // FALSE when the user cancelled or there is no printer (told in a message box).
    BOOL DoPreparePrinting(CPrintInfo* info);

    // The standard commands: print with the dialog, print at once, print preview.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();
    // The print loop on a prepared printer DC: OnBeginPrinting, the job with one
    // OnPrepareDC, StartPage, OnPrint, EndPage per page of the chosen range while
    // m_bContinuePrinting holds, OnEndPrinting. The printing dialog's Cancel or a failed page
    // aborts the job. TRUE when the job was completed.
    BOOL RunPrintLoop(CDC& dc, CPrintInfo& info);

    // Routes: the view's own map, then its document.
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    // A menu or accelerator command sent to the view itself (a hot key it posts to itself)
    // that neither the view nor its document handles goes on to the top-level frame, and
    // from there to the application, as the same command from the menu does.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    // Views are made with new by their template and delete themselves.
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT createStruct);
    void OnDestroy();
    void OnPaint();
    LRESULT OnMouseActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);
    // OnPreparePrinting, then the print loop on the DC it prepared.
    void PrintWith(CPrintInfo& info);

    CDocument* m_pDocument = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument;
};
