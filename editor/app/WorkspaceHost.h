#pragma once
#include "editor/shell/WorkspaceBar.h"

class CMainFrame;

// The application seen from the workspace bar: the output window, the status pane, the
// open-request queue and the active view, all reached through the main frame.
class CWorkspaceHost : public WorkspaceBarHost {
public:
    explicit CWorkspaceHost(CMainFrame& frame) : m_frame(frame) {}

    void ShowVocabularyLines(const CStringArray& lines) override;
    void SetStatusText(const CString& text) override;
    void PostOpenFile(const CString& file, int line) override;
    bool InsertIntoActiveView(const CString& text) override;
    CString InstallFolder() override;

private:
    CMainFrame& m_frame;
};
