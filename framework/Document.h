#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/CmdTarget.h"
#include "framework/List.h"
#include "framework/RuntimeClass.h"

class CArchive;
class CDocTemplate;
class CException;
class CFile;
class CFileException;
class CFrameWnd;
class CView;

// The framework's standard texts of the document sequence.
constexpr char kFailedToOpenDocText[] = "无法打开文档。";
constexpr char kFailedToSaveDocText[] = "无法保存文档。";
constexpr char kFailedToCreateDocText[] = "无法创建空文档。";
constexpr char kAskToSaveText[] = "是否保存对 %1 的修改？";
constexpr char kUntitledText[] = "无标题";

// One open file's data: its path and title, modified flag and views. The template that made
// it owns it; it deletes itself when its last view goes (unless m_bAutoDelete is cleared).
// File commands Save, Save As and Close are handled here.
class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument();
    // Leaves the template's list.
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Also retitles every frame showing the document.
    virtual void SetTitle(LPCTSTR title);
    const CString& GetPathName() const { return m_strPathName; }
    // Stores the full path; the title becomes its file name; addToMRU puts it on the
    // recent-file list.
    virtual void SetPathName(LPCTSTR path, BOOL addToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL modified = TRUE);

    // Views.
    void AddView(CView* view);
    void RemoveView(CView* view);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& position) const;
    int GetViewCount() const { return m_viewList.GetCount(); }
    // Calls OnUpdate of every view but sender.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, void* hintObject = nullptr);
    // Retitles the frames (":1", ":2" when a document shows in several).
    void UpdateFrameCounts();

    // The sequence. Each reports its own failures to the user.
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCTSTR path);
    virtual BOOL OnSaveDocument(LPCTSTR path);
    // Destroys every frame of the document, then the document itself when auto-deleting.
    virtual void OnCloseDocument();
    // Empties the data; the sequence calls it before new, open and close.
    virtual void DeleteContents();
    // Asks kAskToSaveText when modified: FALSE means the user cancelled.
    virtual BOOL SaveModified();
    // Whether frame may close: when it is the document's last frame, SaveModified decides.
    virtual BOOL CanCloseFrame(CFrameWnd* frame);
    // Called before a frame of the document is destroyed by OnCloseDocument.
    virtual void PreCloseFrame(CFrameWnd* frame);
    // Saves under path; a null or empty path asks for a name first. replace makes the new
    // name the document's own.
    virtual BOOL DoSave(LPCTSTR path, BOOL replace = TRUE);
    // Saves under the document's path, or asks for one when it has none or the file is
    // read-only.
    virtual BOOL DoFileSave();
    // The default file format: what Serialize writes and reads.
    virtual void Serialize(CArchive& archive);

    // The file the sequence reads or writes; null after reporting into error.
    virtual CFile* GetFile(LPCTSTR path, UINT openFlags, CFileException* error);
    virtual void ReleaseFile(CFile* file, BOOL abort);
    // Shows the failure of a load or save: nothing for a user exception (already reported),
    // the memory exception's own box, else defaultText (null: kFailedToOpenDocText or
    // kFailedToSaveDocText).
    virtual void ReportSaveLoadException(LPCTSTR path, CException* e, BOOL saving, LPCTSTR defaultText);

    // Routes: the document's own map, then its template's.
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;

    BOOL m_bAutoDelete = TRUE;

protected:
    // After a view came or went: the document closes with its last view.
    virtual void OnChangedViewList();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocTemplate;
    CDocTemplate* m_pDocTemplate = nullptr;
    CList<CView*, CView*> m_viewList;
};
