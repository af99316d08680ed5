#pragma once
#include <windows.h>

#include <functional>

#include "editor/shell/CapturedProcess.h"
#include "editor/settings/ChildEnvironment.h"
#include "editor/settings/UserTools.h"

class COutputBar;

// What the build, run, tool and search commands need of the application and its windows.
class OutputCommandsHost {
public:
    virtual ~OutputCommandsHost() = default;

    // The open project's path; empty without one.
    virtual CString OpenProjectPath() = 0;
    // False without an active document; path is empty while it is untitled.
    virtual bool ActiveDocumentPath(CString& path) = 0;
    virtual bool IsActiveDocumentModified() = 0;
    // File Save and File Save As on the active document.
    virtual void SaveActiveDocument() = 0;
    virtual void SaveActiveDocumentAs() = 0;
    // The project settings dialog for the project or document at path.
    virtual void EditProjectSettings(const CString& path) = 0;
    virtual void ShowMessage(const CString& text, UINT type) = 0;

    // The output window shown when hidden; the frame's poll timer.
    virtual void ShowOutputWindow() = 0;
    virtual void StartPoll(std::function<void()> poll) = 0;
    virtual void StopPoll() = 0;
    // Every open document compared with its file once a child has ended.
    virtual void CheckChangedDocuments() = 0;
    // The shell's "open" verb in folder; false when the shell refused.
    virtual bool OpenWithShell(const CString& target, const CString& folder) = 0;

    // ---- user tools ----
    // The caret line and the current word of the active view (nothing without one).
    virtual void CaretValues(CString& lineNum, CString& currWord) = 0;
    // The one-line input dialog with the prompt string; false on Cancel.
    virtual bool AskUserInput(UINT promptId, CString& text) = 0;
    // A file chosen in the document's folder, a folder chosen from it; false on Cancel.
    virtual bool AskFile(const CString& folder, CString& path) = 0;
    virtual bool AskFolder(const CString& folder, CString& path) = 0;
    // The help viewers: a keyword looked up in a help file.
    virtual void ShowHelp(ToolKind kind, const CString& file, const CString& keyword) = 0;
};

// The commands whose output goes to the output window: building and running the user's
// program, the user tools, and find in files. It owns the one captured child process,
// writes its lines to the window, and keeps the window for one user at a time.
class OutputCommands : private CaptureSink {
public:
    OutputCommands(OutputCommandsHost& host, COutputBar& output, UserToolTable& tools, const CString& installFolder,
                   const CString& programFolder);
    OutputCommands(const OutputCommands&) = delete;
    OutputCommands& operator=(const OutputCommands&) = delete;

    // Lines of child output accepted in one poll (输出窗口最大行数).
    void SetLineLimit(int limit) { m_process.SetLineLimit(limit); }

    // The project through the compiler driver, or without a project the active document
    // through the window-program tool.
    void Build();
    // Opens the built program. When it is missing it is built first, and opened once that
    // build has ended with exit code 0.
    void Run();
    // The tool of a slot (1-15), refused while another child runs; false when not started.
    bool RunUserTool(int slot);
    // Searches and writes one line per hit; false when the regular expression does not
    // compile.
    bool FindInFiles(const char* text, const char* types, const CString& folder, int scope, int mode,
                     const CStringArray* projectFiles);

    // A report of the editor's own (replacing in all open files): the window shown, its input
    // box hidden and its page cleared, and the window kept busy until EndReport.
    void BeginReport();
    void EndReport();
    void AppendLine(const char* line);

    // The input box and the context menu's commands.
    void QueueChildInput(const CString& line) { m_process.QueueInput(line); }
    bool KillChildProcess() { return m_process.Kill(); }
    void PollChildProcess() { m_process.Poll(); }

    bool IsCaptureActive() const { return m_process.IsCaptureActive(); }
    // A captured child, a search or a report writes to the output window.
    bool IsOutputBusy() const { return m_process.IsCaptureActive() || m_searching || m_reporting; }
    int LastToolSlot() const { return m_lastToolSlot; }
    const CString& LastUserInput() const { return m_lastUserInput; }

private:
    bool ExecuteUserTool(int slot);
    // The built program opened through the shell; a message when it is missing or the shell
    // refused.
    void OpenTarget(const CString& target);
    // The active document's path, an untitled one saved first (Save As); false without a
    // document (with the message) or when it was not saved.
    bool SavedActiveDocument(const char* missingMessage, CString& path);
    // The settings file of a project or document, the settings dialog run once when it is
    // missing; false (with the message) when it still is.
    bool HaveBuildSettings(const CString& path);
    // The start-failure message of the build or of a tool.
    void ReportStartFailure(StartStatus status, const CString& program, bool tool);
    bool AskToolDialogs(const CString& arguments, const CString& documentFolder, ToolMacroValues& values);
    void Message(const CString& text, UINT type = MB_ICONERROR) { m_host.ShowMessage(text, type); }

    // CaptureSink
    void CaptureStarted(const char* commandLine) override;
    void CaptureLine(const char* line) override;
    void CaptureEnded(DWORD exitCode) override;

    OutputCommandsHost& m_host;
    COutputBar& m_output;
    UserToolTable& m_tools;
    CString m_installFolder;
    CString m_programFolder;
    ProcessEnvironment m_environment;
    CapturedProcessState m_process;
    bool m_toolRunning[kLastToolSlot + 1] = {};
    bool m_searching = false;
    bool m_reporting = false;
    int m_lastToolSlot = 0;
    CString m_lastUserInput;
    CString m_runAfterBuild;  // the target Run waits for while its build runs
};
