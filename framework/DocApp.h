#pragma once
#include <windows.h>

#include "framework/DocManager.h"
#include "framework/DocViewHost.h"
#include "framework/WinApp.h"

class CCmdUI;
class CDocTemplate;
class CDocument;

// An application object with documents: owns the document manager, installs itself as the
// host of the document/view classes, keeps the recent-file list in the profile and is the
// one road by which files become documents (OpenDocumentFile). Commands the application's
// own map leaves alone go on to the document manager (File New, File Open, recent files).
class CDocApp : public CWinApp, public DocViewHost {
public:
    explicit CDocApp(LPCTSTR appName = nullptr);
    ~CDocApp() override;

    // Takes ownership of the template.
    void AddDocTemplate(CDocTemplate* docTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& position) const;

    // Opens path, or activates the document that already has it; null after a reported failure.
    CDocument* OpenDocumentFile(LPCTSTR path) override;
    // Asks to save each modified document; FALSE when the user cancelled one.
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL endSession);
    virtual void AddToRecentFileList(LPCTSTR path);

    // Makes the recent-file list of maxRecentFiles entries and reads it from the profile's
    // "Recent File List" section; SaveStdProfileSettings writes it back.
    void LoadStdProfileSettings(UINT maxRecentFiles = 4);
    void SaveStdProfileSettings();

    // Writes the recent-file list, then the base exit.
    int ExitInstance() override;

    CCmdTarget* GetCommandTarget() override { return this; }
    CWnd* GetMainWindow() override { return m_pMainWnd; }
    CDocManager* GetDocManager() override { return &m_docManager; }

protected:
    // The framework's update of the recent-file items, for an application's own update handler.
    void OnUpdateRecentFileMenu(CCmdUI* cmdUI);

    CDocManager m_docManager;
};
