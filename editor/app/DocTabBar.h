#pragma once
#include <windows.h>

#include "framework/CommonControls.h"
#include "framework/DialogBar.h"
#include "framework/ImageList.h"

// The strip of tabs under the tool bars: one tab per document window in the order they
// were opened. A tab carries its window; its image shows whether the document is modified.
class CDocTabBar : public CDialogBar {
public:
    BOOL Create(CWnd* parent, UINT id);

    void AddTab(CWnd* window);
    void RemoveTab(CWnd* window);
    void SelectTab(CWnd* window);
    // Takes the window's title (or its document's) and modified state; changes the tab
    // only when its text or image differs.
    void UpdateTabTitle(CWnd* window, int maxTitleBytes);
    int FindTab(CWnd* window) const;
    CWnd* GetTabWindow(int index) const;
    int GetTabCount() const { return m_tabs.GetItemCount(); }
    CString GetTabText(int index) const { return m_tabs.GetItemText(index); }
    int GetTabImage(int index) const;
    // The tab after (before) the selected one, wrapping; null without tabs or selection.
    CWnd* GetNextTabWindow() const;
    CWnd* GetPrevTabWindow() const;

    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    CSize CalcDynamicLayout(int length, DWORD mode) override;

protected:
    void OnSize(UINT type, int cx, int cy);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnContextMenu(CWnd* window, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CWnd* StepFromSelection(int step) const;
    void Activate(CWnd* window) const;

    CTabCtrl m_tabs;
    CImageList m_images;
};
