#pragma once
#include "editor/shell/OutputBar.h"
#include "editor/shell/WorkspaceBar.h"

class CMainFrame;

// What the build part lends the output window: the running captured child and the files a
// source conversion wrote. Nothing is lent while no build part is attached.
class CaptureControl {
public:
    virtual ~CaptureControl() = default;
    virtual void QueueChildInput(const CString& line) = 0;
    virtual void KillChildProcess() = 0;
    virtual void OpenConversionOutput(const CString& file) = 0;
};

// The application seen from the main frame's two panes: the active document and view, the
// position history, the open-request queue, the status pane and the output window.
class CFramePaneHost : public OutputBarHost, public WorkspaceBarHost {
public:
    explicit CFramePaneHost(CMainFrame& frame) : m_frame(frame) {}
    void SetCaptureControl(CaptureControl* control) { m_capture = control; }

    // ---- OutputBarHost ----
    CString ActiveDocumentPath() override;
    void PushActivePosition() override;
    void PostOpenFile(const CString& file, int line) override;
    void OpenConversionOutput(const CString& file) override;
    void QueueChildInput(const CString& line) override;
    void KillChildProcess() override;

    // ---- WorkspaceBarHost ----
    void ShowVocabularyLines(const CStringArray& lines) override;
    void SetStatusText(const CString& text) override;
    bool InsertIntoActiveView(const CString& text) override;
    CString InstallFolder() override;

private:
    CMainFrame& m_frame;
    CaptureControl* m_capture = nullptr;
};
