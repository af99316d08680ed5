#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/CmdTarget.h"
#include "framework/DocTemplate.h"
#include "framework/List.h"

#include <memory>

class CCmdUI;
class CDocument;
class CRecentFileList;

// The application's documents: owns the templates (and through them the documents), runs
// File New, Open and the recent-file commands, opens a file once (a second open activates
// the document that has it) and saves or closes all documents together.
class CDocManager : public CCmdTarget {
public:
    CDocManager();
    // Deletes the templates, closing any documents still open.
    ~CDocManager() override;

    // Takes ownership and loads the template's strings, menu and accelerators.
    void AddDocTemplate(CDocTemplate* docTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& position) const;
    int GetOpenDocumentCount() const;

    // All open documents of all templates, in template order.
    // templatePosition is the place of the template that holds documentPosition.
    struct DocumentPosition {
        POSITION templatePosition = nullptr;
        POSITION documentPosition = nullptr;
        bool IsEnd() const { return documentPosition == nullptr; }
    };
    DocumentPosition GetFirstDocumentPosition() const;
    CDocument* GetNextDocument(DocumentPosition& position) const;

    // The open document whose path is path (full paths compared without letter case), or null.
    CDocument* FindOpenDocument(LPCTSTR path) const;
    // Opens path in the template that suits it best; a document already open is only
    // activated. Null when the file could not be opened (the failure was reported).
    virtual CDocument* OpenDocumentFile(LPCTSTR path);
    // The same, with load (when set) filling a new document in place of its OnOpenDocument.
    CDocument* OpenDocumentFile(LPCTSTR path, const DocumentLoader& load);
    // Asks to save each modified document; FALSE when the user cancelled one.
    virtual BOOL SaveAllModified();
    // Saves every modified document (asking for names of untitled ones); FALSE when one
    // was not saved.
    virtual BOOL SaveAllDocuments();
    virtual void CloseAllDocuments(BOOL endSession);

    // The file dialog of Open and Save As: path in and out; open TRUE for an open dialog.
    // FALSE when cancelled.
    virtual BOOL DoPromptFileName(CString& path, LPCTSTR title, DWORD flags, BOOL open, CDocTemplate* docTemplate);

    // The recent-file list: made by EnableRecentFileList, null before.
    void EnableRecentFileList(int size);
    CRecentFileList* GetRecentFileList() const { return m_recentFiles.get(); }
    void AddToRecentFileList(LPCTSTR path);

    // File New: a new document of the only template (of the first, when there are several).
    virtual void OnFileNew();
    // File Open: the open dialog, then OpenDocumentFile through the application.
    virtual void OnFileOpen();
    // The update of the first recent-file command: the list's items, or that item disabled
    // when there is no list.
    void OnUpdateRecentFileMenu(CCmdUI* cmdUI);

protected:
    void OnOpenRecentFileCommand(UINT id);

    DECLARE_MESSAGE_MAP()

private:
    DocumentPosition FirstDocumentFrom(POSITION templatePosition) const;

    CList<CDocTemplate*, CDocTemplate*> m_templateList;
    std::unique_ptr<CRecentFileList> m_recentFiles;
};

// The full form of path (folder resolved, "." and ".." removed), or path itself when it has
// none.
CString FullPathOf(LPCTSTR path);
