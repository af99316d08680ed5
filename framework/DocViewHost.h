#pragma once
#include <windows.h>

class CCmdTarget;
class CDocManager;
class CDocument;
class CWnd;

// What frames, documents and the document manager ask of the application object, which
// implements this and installs itself at start-up.
class DocViewHost {
public:
    virtual ~DocViewHost() = default;
    // The last stop of every command route.
    virtual CCmdTarget* GetCommandTarget() = 0;
    virtual CWnd* GetMainWindow() = 0;
    virtual CDocManager* GetDocManager() = 0;
    // The road every file takes to become a document (dropped files, recent files).
    virtual CDocument* OpenDocumentFile(LPCTSTR path) = 0;
};

// The installed host; null when there is none (routes then end at the frames).
DocViewHost* GetDocViewHost();
void SetDocViewHost(DocViewHost* host);

// The host's document manager and main window, or null.
CDocManager* GetHostDocManager();
CWnd* GetHostMainWnd();
