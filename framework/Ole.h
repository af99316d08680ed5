#pragma once
#include <windows.h>
#include <ole2.h>

#include "framework/Geometry.h"

class CWnd;

// One of the DROPEFFECT_ values or several of them or'ed together.
typedef DWORD DROPEFFECT;

// Starts OLE (drag and drop, the OLE clipboard) on the calling thread, which must be the
// interface thread; FALSE on failure. AfxOleTerm undoes it; it runs at exit by itself.
BOOL AfxOleInit();
void AfxOleTerm();

// A data object seen from the receiving side: a drop target's, or any IDataObject.
class COleDataObject {
public:
    COleDataObject() = default;
    // Releases the data object when it was attached with autoRelease.
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    void Attach(IDataObject* dataObject, BOOL autoRelease = TRUE);
    IDataObject* Detach();
    void Release();
    IDataObject* GetIDataObject(BOOL addRef) const;

    // The format, in global memory unless formatEtc says otherwise.
    BOOL IsDataAvailable(CLIPFORMAT format, LPFORMATETC formatEtc = nullptr) const;
    // A global block the caller owns and frees; null when the format is not there.
    HGLOBAL GetGlobalData(CLIPFORMAT format, LPFORMATETC formatEtc = nullptr) const;

private:
    IDataObject* m_lpDataObject = nullptr;
    BOOL m_bAutoRelease = FALSE;
};

// The drag loop's questions to the side that started the drag. The default drags with the
// left or right button, drops when it is released and cancels on Esc.
class COleDropSource {
public:
    COleDropSource();
    virtual ~COleDropSource();
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    // Waits, with the mouse captured by window, until the pointer leaves the start rectangle
    // (TRUE: the drag begins) or the button is released, Esc pressed or the capture lost
    // (FALSE: no drag).
    virtual BOOL OnBeginDrag(CWnd* window);
    virtual SCODE QueryContinueDrag(BOOL escapePressed, DWORD keyState);
    virtual SCODE GiveFeedback(DROPEFFECT effect);

    // Screen coordinates; set by COleDataSource::DoDragDrop before OnBeginDrag.
    CRect m_rectStartDrag;

    IDropSource* GetInterface();

private:
    class Adapter;
    Adapter* m_adapter;
};

// Data offered to others: cached formats, handed out through an IDataObject. Used as the
// source of a drag.
class COleDataSource {
public:
    COleDataSource();
    virtual ~COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Takes the block over; it is freed with the source. A second block of the same format
    // replaces the first.
    void CacheGlobalData(CLIPFORMAT format, HGLOBAL data, LPFORMATETC formatEtc = nullptr);
    void Empty();

    // Runs the drag of the cached data with the allowed effects and returns the effect of the
    // drop: DROPEFFECT_NONE when the drag was cancelled, refused, or never started because
    // the button came up (or Esc was pressed) before the pointer left the start rectangle.
    // A null rectangle is the system's drag distance around the pointer; null dropSource
    // uses the default source.
    DROPEFFECT DoDragDrop(DWORD effects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT startDrag = nullptr, COleDropSource* dropSource = nullptr);

    // Not AddRef'd: valid while the source lives.
    IDataObject* GetInterface() const;

private:
    class DataObject;
    DataObject* m_dataObject;
};

// Makes a window a drop target: the drag's calls reach the virtuals below, whose defaults
// hand them to the window's CView with the point in client coordinates. Revoked when the
// window is destroyed or the object goes, whichever is first.
class COleDropTarget {
public:
    COleDropTarget();
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // Needs AfxOleInit on this thread; FALSE when the platform refuses.
    BOOL Register(CWnd* window);
    void Revoke();

    virtual DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* dataObject, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* window, COleDataObject* dataObject, DWORD keyState, CPoint point);
    virtual void OnDragLeave(CWnd* window);
    virtual BOOL OnDrop(CWnd* window, COleDataObject* dataObject, DROPEFFECT dropEffect, CPoint point);

    IDropTarget* GetInterface();

    HWND m_hWnd = nullptr;

private:
    class Adapter;
    Adapter* m_adapter;
};
