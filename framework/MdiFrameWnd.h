#pragma once
#include <windows.h>

#include "framework/FrameWnd.h"

class CMDIChildWnd;

// The main frame of a multi-document application: its client pane is the MDI client, which
// holds one CMDIChildWnd per document window. Commands go to the active child first (and so
// to its view and document), then to this frame and the application.
class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNAMIC(CMDIFrameWnd)

public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient = nullptr;

    // The active child; maximized (when given) tells whether it is maximised.
    CMDIChildWnd* MDIGetActive(BOOL* maximized = nullptr) const;
    void MDIActivate(CWnd* child);
    // Activates the child after the active one (or before it, with previous).
    void MDINext(BOOL previous = FALSE);
    void MDIMaximize(CWnd* child);
    void MDIRestore(CWnd* child);
    void MDICascade();
    void MDITile(UINT how);
    // Shows menu (null: the frame's default menu) with windowMenu as the menu that lists the
    // children.
    void MDISetMenu(HMENU menu, HMENU windowMenu);
    // The popup of menu that lists the child windows: the last one holding a window command
    // (cascade, tile, arrange); null when there is none.
    virtual HMENU GetWindowMenuPopup(HMENU menu);
    // Shows the menu of the active child's template, or the default menu when no child is open.
    virtual void OnUpdateFrameMenu(HMENU alternate);

    CDocument* GetActiveDocument() override;
    CFrameWnd* GetActiveFrame() override;
    void OnUpdateFrameTitle(BOOL addToTitle) override;

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    // The MDI system keys (Ctrl+F4, Ctrl+F6), then the active child's accelerators, then the
    // frame's.
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context) override;
    virtual BOOL CreateClient(LPCREATESTRUCT createStruct, HMENU windowMenu);

    void OnSize(UINT type, int cx, int cy);
    void OnWindowArrange();
    void OnWindowCascade();
    void OnWindowTileHorz();
    void OnWindowTileVert();
    void OnUpdateWindowCommand(CCmdUI* cmdUI);

    DECLARE_MESSAGE_MAP()
};

// A document window inside an MDI frame. Its client comes from the creation context (a view,
// or a splitter a derived frame makes); it shows its template's menu while active.
class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)

public:
    CMDIChildWnd();

    // Creates the child inside the main frame's MDI client (parent null) with the title from
    // the resource string, and takes the template's shared menu and accelerators.
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* parent = nullptr, CCreateContext* context = nullptr) override;
    BOOL Create(LPCTSTR className, LPCTSTR title, DWORD style, const RECT& rect, CMDIFrameWnd* parent,
                CCreateContext* context);

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();
    // Destroys the child through the MDI client.
    void MDIDestroy();

    void ActivateFrame(int showCommand = -1) override;
    BOOL DestroyWindow() override;
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HMENU m_hMenuShared = nullptr;

protected:
    BOOL RoutesToApplication() const override { return FALSE; }
    // Activation: shows the child's menu in the frame and tells the active view.
    virtual void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);
    LRESULT OnMDIActivateMessage(WPARAM wParam, LPARAM lParam);
    int OnCreate(LPCREATESTRUCT createStruct);

    DECLARE_MESSAGE_MAP()
};
