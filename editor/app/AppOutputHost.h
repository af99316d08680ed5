#pragma once
#include <windows.h>

#include "editor/shell/OutputBar.h"
#include "editor/shell/OutputCommands.h"

class CEditorApp;
class CWrenDoc;
class CWrenView;

// The application's side of the output commands and of the output window: the active
// document and view, the frame's bar and timer, the dialogs and the open-request queue.
class AppOutputHost : public OutputCommandsHost, public OutputBarHost {
public:
    explicit AppOutputHost(CEditorApp& app) : m_app(app) {}
    void SetCommands(OutputCommands* commands) { m_commands = commands; }

    // ---- OutputCommandsHost ----
    CString OpenProjectPath() override;
    bool ActiveDocumentPath(CString& path) override;
    bool IsActiveDocumentModified() override;
    void SaveActiveDocument() override;
    void SaveActiveDocumentAs() override { SendToFrame(ID_FILE_SAVE_AS); }
    // The project settings dialog comes with the project commands; without it the build
    // reports the missing settings.
    void EditProjectSettings(const CString& path) override;
    void ShowMessage(const CString& text, UINT type) override;
    void ShowOutputWindow() override;
    void StartPoll(std::function<void()> poll) override;
    void StopPoll() override;
    void CheckChangedDocuments() override;
    bool OpenWithShell(const CString& target, const CString& folder) override;
    void CaretValues(CString& lineNum, CString& currWord) override;
    bool AskUserInput(UINT promptId, CString& text) override;
    bool AskFile(const CString& folder, CString& path) override;
    bool AskFolder(const CString& folder, CString& path) override;
    void ShowHelp(ToolKind kind, const CString& file, const CString& keyword) override;

    // ---- OutputBarHost ----
    CString ActiveDocumentPath() override;
    void PushActivePosition() override;
    void PostOpenFile(const CString& file, int line) override;
    // Opened only when the last tool run was the conversion.
    void OpenConversionOutput(const CString& file) override;
    void QueueChildInput(const CString& line) override;
    void KillChildProcess() override;

private:
    CWrenDoc* ActiveDocument();
    CWrenView* ActiveView();
    HWND Owner();
    void SendToFrame(UINT command);

    CEditorApp& m_app;
    OutputCommands* m_commands = nullptr;
};
