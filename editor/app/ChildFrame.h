#pragma once
#include <windows.h>

#include "framework/MdiFrameWnd.h"
#include "framework/SplitterWnd.h"

// The splitter of a document window: at most 2 x 2 panes of the same document. A column
// split is refused while a view of the first column wraps its lines.
class CFrameSplitter : public CSplitterWnd {
public:
    BOOL SplitColumn(int cxBefore) override;
    // True when the view in column 0 of some row wraps its lines.
    bool FirstColumnWraps() const;
};

// A document window of the editor: its client is a splitter of views. It tells the main
// frame when it comes, goes and becomes active (tabs and the recent-window order).
class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)

public:
    CFrameSplitter& GetSplitter() { return m_splitter; }

    // The pane left of the view, else above it, else the view itself.
    CWnd* GetSiblingPane(CWnd* view) const;
    // Every pane of the view's column takes x, every pane of its row takes y.
    void SyncPanes(CWnd* view, int x, int y);
    void InvalidateRowPanes(CWnd* view);
    void InvalidateRowAndColumnPanes(CWnd* view);

protected:
    BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context) override;
    void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) override;
    int OnCreate(LPCREATESTRUCT createStruct);
    void OnDestroy();
    void OnWindowClose();
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    DECLARE_MESSAGE_MAP()

private:
    CFrameSplitter m_splitter;
};
