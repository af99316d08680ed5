#pragma once
#include "editor/viewwindow/ViewShell.h"
#include "framework/CmdTarget.h"

#include <memory>

class AppOutputHost;
class CCmdUI;
class CEditorApp;
class CFindInFilesDlg;
class CMainFrame;
class OutputCommands;

// The application's build, run, user-tool and find-in-files commands over the output window,
// and the output window and open views the view commands reach through the view shell.
class CBuildCommands : public CCmdTarget, public IViewShell {
public:
    explicit CBuildCommands(CEditorApp& app);
    ~CBuildCommands() override;

    // Puts the output commands on the frame's output window; lineLimit caps its lines.
    void Connect(CMainFrame& frame, int lineLimit);

    // ---- IViewShell ----
    // Searches and writes the hits to the output window; false when the regular expression
    // does not compile. The view's selection searches call it directly.
    bool FindInFiles(const char* text, const char* types, const CString& folder, int scope, int mode) override;
    bool IsOutputBusy() override;
    void BeginOutputReport() override;
    void EndOutputReport() override;
    void AppendOutputLine(const char* line) override;
    std::vector<CWrenView*> OpenDocumentViews() override;

private:
    void OnBuild();
    void OnRun();
    void OnToolSlot(UINT id);
    void OnUpdateToolSlot(CCmdUI* cmdUI);
    void OnSendChildInput();
    void OnKillChild();
    void OnUpdateChildCommand(CCmdUI* cmdUI);
    void OnFindInFiles();
    // The find-in-files dialog's text, types and folder from the active view.
    void PrepareFindInFiles(CFindInFilesDlg& dialog);

    CEditorApp& m_app;
    std::unique_ptr<AppOutputHost> m_outputHost;
    std::unique_ptr<OutputCommands> m_outputCommands;
    std::unique_ptr<CFindInFilesDlg> m_findInFilesDlg;

    DECLARE_MESSAGE_MAP()
};
