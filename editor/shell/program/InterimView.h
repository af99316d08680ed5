#pragma once
#include "editor/document/DocumentWatcher.h"
#include "framework/View.h"

// The document windows' view until the editing view joins the program: it shows the
// document's visible lines, read-only, and follows every change the document announces.
class CInterimView : public CView, public IDocumentWatcher {
    DECLARE_DYNCREATE(CInterimView)

public:
    ~CInterimView() override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;

    void OnLinesChanged(LineIndex, int) override { Invalidate(FALSE); }
    void OnLinesInserted(LineIndex, int) override { Refresh(); }
    void OnLinesDeleted(LineIndex, int) override { Refresh(); }
    void OnDocumentRefreshed() override { Refresh(); }
    void OnDocumentReset() override { Refresh(); }
    LineIndex GetCaretLine() const override { return m_topLine + 1; }
    void GoToLine(LineIndex line) override;

protected:
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void Refresh();
    void ScrollTo(int topLine);
    int LineHeight() const { return m_lineHeight > 0 ? m_lineHeight : 16; }
    int VisibleLines() const;

    bool m_watching = false;
    int m_topLine = 0;
    int m_lineHeight = 0;
};
