#pragma once
#include <vector>

#include "framework/CString.h"

class CWrenView;

// What the view's commands ask of the application around it: find in files, the output
// window, and the views of the open documents. The application plugs itself in at start-up;
// without a shell the commands that need one do nothing.
class IViewShell {
public:
    virtual ~IViewShell() = default;
    // Find in files with the scope and mode bits of FindInFiles.h; false when the regular
    // expression does not compile.
    virtual bool FindInFiles(const char* text, const char* types, const CString& folder, int scope, int mode) = 0;
    // A captured child, a search or another report is writing to the output window.
    virtual bool IsOutputBusy() = 0;
    // The output window shown, cleared and kept busy until EndOutputReport.
    virtual void BeginOutputReport() = 0;
    virtual void EndOutputReport() = 0;
    virtual void AppendOutputLine(const char* line) = 0;
    // The first view of every open document.
    virtual std::vector<CWrenView*> OpenDocumentViews() = 0;
};

// The process-wide shell; null until one is set.
IViewShell* TheViewShell();
void SetViewShell(IViewShell* shell);

// One report in the output window, from construction to destruction.
class CViewOutputReport {
public:
    explicit CViewOutputReport(IViewShell& shell) : m_shell(shell) { m_shell.BeginOutputReport(); }
    ~CViewOutputReport() { m_shell.EndOutputReport(); }
    CViewOutputReport(const CViewOutputReport&) = delete;
    CViewOutputReport& operator=(const CViewOutputReport&) = delete;

private:
    IViewShell& m_shell;
};

// One search of a selection-search command: the file types, the folder and the scope and
// mode bits it hands to find in files.
struct SelectionSearch {
    CString types;
    CString folder;
    int scope;
    int mode;
};

// The searches of a selection-search command (current folder, interfaces, vocabulary,
// samples), in order, for a document at path (empty while untitled) with the program and
// installation folders given.
// Empty for another id, and for the current-folder search of an untitled document.
std::vector<SelectionSearch> SelectionSearchesFor(unsigned id, const CString& path, const CString& programFolder,
                                                  const CString& installationFolder);
