#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/CmdTarget.h"
#include "framework/List.h"
#include "framework/RuntimeClass.h"

#include <functional>

class CDocument;
class CFrameWnd;

// Fills a document a template has just made, in place of its OnOpenDocument (path) or, with
// path null, its OnNewDocument: an opener that has more to say than a path passes one.
// FALSE after a failure it reported; the new frame then goes away.
using DocumentLoader = std::function<BOOL(CDocument& document, LPCTSTR path)>;

// Binds a document class, a frame class and a view class under one resource id, whose
// string is the document string: "window title\ndocument name\nnew-file name\nfilter
// name\nfilter extension\nfile type id\nfile type name". Creates documents with their
// frames and views and owns the documents it made.
class CDocTemplate : public CCmdTarget {
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    // How well a file suits this template.
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen,
    };

    CDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
                 const CRuntimeClass* viewClass);
    ~CDocTemplate() override;

    // Loads the document string (and, for a multi-document template, the shared menu and
    // accelerators); the document manager calls it when the template is added.
    virtual void LoadTemplate();
    // One part of the document string; FALSE when that part is empty.
    BOOL GetDocString(CString& text, DocStringIndex index) const;
    UINT GetResourceId() const { return m_nIDResource; }

    // The documents, in the order they were made.
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& position) const = 0;
    virtual void AddDocument(CDocument* document);
    virtual void RemoveDocument(CDocument* document);

    // yesAlreadyOpen (with match set) when a document of this path is open; yesAttemptNative
    // when the file has the template's extension; else yesAttemptForeign.
    virtual Confidence MatchDocType(LPCTSTR path, CDocument*& match);
    virtual CDocument* CreateNewDocument();
    // A frame, with its first view, for document; null when it could not be made.
    virtual CFrameWnd* CreateNewFrame(CDocument* document, CFrameWnd* other);
    virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible = TRUE);
    // A new untitled document's title.
    virtual void SetDefaultTitle(CDocument* document) = 0;
    // A new document (path null) or the file at path, in a new frame; null after a failure
    // that was reported.
    CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible = TRUE)
    {
        return OpenDocumentFile(path, makeVisible, DocumentLoader());
    }
    // The same, with load (when set) filling the document in place of its own open or new.
    virtual CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible, const DocumentLoader& load) = 0;

    // Asks to save each modified document; FALSE when the user cancelled one.
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL endSession);

protected:
    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};

// A template for many documents at once, each in its own MDI child frame; the children show
// the template's shared menu and accelerators. New documents are titled from the new-file
// name part with a running number ("新文件1", "新文件2", ...).
class CMultiDocTemplate : public CDocTemplate {
public:
    CMultiDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
                      const CRuntimeClass* viewClass);
    // Closes the documents still open.
    ~CMultiDocTemplate() override;

    void LoadTemplate() override;
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& position) const override;
    void AddDocument(CDocument* document) override;
    void RemoveDocument(CDocument* document) override;
    void SetDefaultTitle(CDocument* document) override;
    using CDocTemplate::OpenDocumentFile;
    CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible, const DocumentLoader& load) override;

    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelTable = nullptr;

protected:
    CList<CDocument*, CDocument*> m_docList;
    UINT m_nUntitledCount = 0;
};
