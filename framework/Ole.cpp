#include "framework/Ole.h"

#include "framework/View.h"
#include "framework/Wnd.h"

#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

DWORD g_oleThread = 0;
int g_oleStarts = 0;

// IUnknown for the framework's small COM objects: made with new, one reference to start,
// deleted by the last Release.
template <class Interface>
class ComObject : public Interface {
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(Interface))) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)InterlockedIncrement(&m_references); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return (ULONG)left;
    }

protected:
    virtual ~ComObject() = default;

private:
    LONG m_references = 1;
};

FORMATETC GlobalFormat(CLIPFORMAT format, LPFORMATETC formatEtc)
{
    FORMATETC result = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (formatEtc) {
        result = *formatEtc;
        result.cfFormat = format;
    }
    return result;
}

// A movable copy of a global block; null when memory runs out.
HGLOBAL CopyGlobal(HGLOBAL source)
{
    SIZE_T size = ::GlobalSize(source);
    const void* from = ::GlobalLock(source);
    if (!from)
        return nullptr;
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size ? size : 1);
    if (void* to = copy ? ::GlobalLock(copy) : nullptr) {
        memcpy(to, from, size);
        ::GlobalUnlock(copy);
    }
    ::GlobalUnlock(source);
    return copy;
}

CPoint ClientPoint(HWND window, POINTL screen)
{
    POINT point = {screen.x, screen.y};
    ::ScreenToClient(window, &point);
    return CPoint(point);
}

} // namespace

BOOL AfxOleInit()
{
    if (FAILED(::OleInitialize(nullptr)))
        return FALSE;
    if (g_oleStarts++ == 0) {
        g_oleThread = ::GetCurrentThreadId();
        static const bool registered = atexit(AfxOleTerm) == 0;
        (void)registered;
    }
    return TRUE;
}

void AfxOleTerm()
{
    if (::GetCurrentThreadId() != g_oleThread)
        return;
    for (; g_oleStarts > 0; --g_oleStarts)
        ::OleUninitialize();
}

// --- COleDataObject -------------------------------------------------------------------------

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(IDataObject* dataObject, BOOL autoRelease)
{
    Release();
    m_lpDataObject = dataObject;
    m_bAutoRelease = autoRelease;
}

IDataObject* COleDataObject::Detach()
{
    IDataObject* dataObject = m_lpDataObject;
    m_lpDataObject = nullptr;
    return dataObject;
}

void COleDataObject::Release()
{
    if (m_lpDataObject && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = nullptr;
}

IDataObject* COleDataObject::GetIDataObject(BOOL addRef) const
{
    if (m_lpDataObject && addRef)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT format, LPFORMATETC formatEtc) const
{
    FORMATETC wanted = GlobalFormat(format, formatEtc);
    return m_lpDataObject && m_lpDataObject->QueryGetData(&wanted) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT format, LPFORMATETC formatEtc) const
{
    if (!m_lpDataObject)
        return nullptr;
    FORMATETC wanted = GlobalFormat(format, formatEtc);
    wanted.tymed = TYMED_HGLOBAL;
    STGMEDIUM medium = {};
    if (FAILED(m_lpDataObject->GetData(&wanted, &medium)))
        return nullptr;
    if (medium.tymed != TYMED_HGLOBAL) {
        ::ReleaseStgMedium(&medium);
        return nullptr;
    }
    // A block someone else still owns is copied, so the caller always owns what it gets.
    if (!medium.pUnkForRelease)
        return medium.hGlobal;
    HGLOBAL copy = CopyGlobal(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return copy;
}

// --- COleDataSource -------------------------------------------------------------------------

// The IDataObject of a COleDataSource: the cached formats. It may outlive its source when a
// receiver keeps a reference, so it owns the data.
class COleDataSource::DataObject : public ComObject<IDataObject> {
public:
    void Cache(const FORMATETC& format, HGLOBAL data)
    {
        for (Entry& entry : m_entries) {
            if (entry.format.cfFormat == format.cfFormat) {
                ::GlobalFree(entry.data);
                entry = {format, data};
                return;
            }
        }
        m_entries.push_back({format, data});
    }

    void Empty()
    {
        for (Entry& entry : m_entries)
            ::GlobalFree(entry.data);
        m_entries.clear();
    }

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (!format || !medium)
            return E_POINTER;
        const Entry* entry = Find(*format);
        if (!entry)
            return DV_E_FORMATETC;
        HGLOBAL copy = CopyGlobal(entry->data);
        if (!copy)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return DATA_E_FORMATETC; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override
    {
        return format && Find(*format) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        if (out)
            out->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override
    {
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        for (const Entry& entry : m_entries)
            formats.push_back(entry.format);
        return ::SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.data(), out);
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    struct Entry {
        FORMATETC format;
        HGLOBAL data;
    };

    ~DataObject() override { Empty(); }

    const Entry* Find(const FORMATETC& format) const
    {
        for (const Entry& entry : m_entries) {
            if (entry.format.cfFormat == format.cfFormat && (entry.format.tymed & format.tymed) &&
                entry.format.dwAspect == format.dwAspect)
                return &entry;
        }
        return nullptr;
    }

    std::vector<Entry> m_entries;
};

COleDataSource::COleDataSource() : m_dataObject(new DataObject) {}

COleDataSource::~COleDataSource()
{
    m_dataObject->Release();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT format, HGLOBAL data, LPFORMATETC formatEtc)
{
    if (!data)
        return;
    FORMATETC cached = GlobalFormat(format, formatEtc);
    cached.tymed = TYMED_HGLOBAL;
    cached.ptd = nullptr;
    m_dataObject->Cache(cached, data);
}

void COleDataSource::Empty()
{
    m_dataObject->Empty();
}

IDataObject* COleDataSource::GetInterface() const
{
    return m_dataObject;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD effects, LPCRECT startDrag, COleDropSource* dropSource)
{
    COleDropSource defaultSource;
    COleDropSource* source = dropSource ? dropSource : &defaultSource;
    if (startDrag) {
        source->m_rectStartDrag = *startDrag;
    } else {
        POINT pointer = {};
        ::GetCursorPos(&pointer);
        int cx = ::GetSystemMetrics(SM_CXDRAG);
        int cy = ::GetSystemMetrics(SM_CYDRAG);
        source->m_rectStartDrag = CRect(pointer.x - cx, pointer.y - cy, pointer.x + cx + 1, pointer.y + cy + 1);
    }
    HWND watcher = ::GetFocus();
    if (!watcher)
        watcher = ::GetActiveWindow();
    if (!source->OnBeginDrag(CWnd::FromHandle(watcher)))
        return DROPEFFECT_NONE;
    DWORD effect = DROPEFFECT_NONE;
    HRESULT result = ::DoDragDrop(m_dataObject, source->GetInterface(), effects, &effect);
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

// --- COleDropSource -------------------------------------------------------------------------

class COleDropSource::Adapter : public ComObject<IDropSource> {
public:
    explicit Adapter(COleDropSource* owner) : m_owner(owner) {}
    void Forget() { m_owner = nullptr; }

    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keyState) override
    {
        return m_owner ? m_owner->QueryContinueDrag(escapePressed, keyState) : DRAGDROP_S_CANCEL;
    }
    STDMETHODIMP GiveFeedback(DWORD effect) override
    {
        return m_owner ? m_owner->GiveFeedback(effect) : DRAGDROP_S_USEDEFAULTCURSORS;
    }

private:
    COleDropSource* m_owner;
};

COleDropSource::COleDropSource() : m_adapter(new Adapter(this)) {}

COleDropSource::~COleDropSource()
{
    m_adapter->Forget();
    m_adapter->Release();
}

IDropSource* COleDropSource::GetInterface()
{
    return m_adapter;
}

BOOL COleDropSource::OnBeginDrag(CWnd* window)
{
    HWND capture = window ? window->m_hWnd : nullptr;
    // Nothing to watch the pointer with: the drag loop itself tells a click from a drag.
    if (!capture)
        return TRUE;
    ::SetCapture(capture);
    BOOL begin = FALSE;
    while (::GetCapture() == capture) {
        MSG message;
        if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT) {
            ::PostQuitMessage((int)message.wParam);
            break;
        }
        if (message.message == WM_LBUTTONUP || message.message == WM_RBUTTONUP)
            break;
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE)
            break;
        if (message.message == WM_MOUSEMOVE) {
            POINT point = CPoint((DWORD)message.lParam);
            ::ClientToScreen(message.hwnd, &point);
            if (!::PtInRect(&m_rectStartDrag, point)) {
                begin = TRUE;
                break;
            }
            continue;
        }
        // Other input waits for the drag's outcome; everything else goes on as usual.
        if ((message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) ||
            (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    if (::GetCapture() == capture)
        ::ReleaseCapture();
    return begin;
}

SCODE COleDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    if (!(keyState & (MK_LBUTTON | MK_RBUTTON)))
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// --- COleDropTarget -------------------------------------------------------------------------

class COleDropTarget::Adapter : public ComObject<IDropTarget> {
public:
    explicit Adapter(COleDropTarget* owner) : m_owner(owner) {}
    void Forget()
    {
        m_owner = nullptr;
        m_data.Release();
    }

    STDMETHODIMP DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
    {
        DWORD allowed;
        if (!Start(data, effect, allowed))
            return effect ? S_OK : E_INVALIDARG;
        *effect = Allowed(m_owner->OnDragEnter(Window(), &m_data, keyState, Client(point)), allowed);
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD keyState, POINTL point, DWORD* effect) override
    {
        if (!effect)
            return E_INVALIDARG;
        DWORD allowed = *effect;
        *effect = DROPEFFECT_NONE;
        if (m_owner && m_data.GetIDataObject(FALSE))
            *effect = Allowed(m_owner->OnDragOver(Window(), &m_data, keyState, Client(point)), allowed);
        return S_OK;
    }
    STDMETHODIMP DragLeave() override
    {
        if (m_owner)
            m_owner->OnDragLeave(Window());
        m_data.Release();
        return S_OK;
    }
    // The effect is the one a drag over the point would get now; OnDrop can still refuse.
    STDMETHODIMP Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override
    {
        DWORD allowed;
        if (!Start(data, effect, allowed))
            return effect ? S_OK : E_INVALIDARG;
        CPoint client = Client(point);
        DROPEFFECT dropEffect =
            Allowed(m_owner->OnDragOver(Window(), &m_data, keyState, client), allowed) & ~DROPEFFECT_SCROLL;
        if (dropEffect == DROPEFFECT_NONE)
            m_owner->OnDragLeave(Window());
        else if (!m_owner->OnDrop(Window(), &m_data, dropEffect, client))
            dropEffect = DROPEFFECT_NONE;
        m_data.Release();
        *effect = dropEffect;
        return S_OK;
    }

private:
    ~Adapter() override = default;

    // Takes the source's allowed effects out of *effect, which says none until the target
    // answers, and holds the data; false when there is no one or nothing to ask.
    bool Start(IDataObject* data, DWORD* effect, DWORD& allowed)
    {
        if (!effect)
            return false;
        allowed = *effect;
        *effect = DROPEFFECT_NONE;
        if (!m_owner || !data)
            return false;
        data->AddRef();
        m_data.Attach(data, TRUE);
        return true;
    }

    // What the target wants, within what the source allows; scrolling is always allowed.
    static DROPEFFECT Allowed(DROPEFFECT wanted, DWORD allowed) { return wanted & (allowed | DROPEFFECT_SCROLL); }
    CWnd* Window() const { return CWnd::FromHandle(m_owner->m_hWnd); }
    CPoint Client(POINTL point) const { return ClientPoint(m_owner->m_hWnd, point); }

    COleDropTarget* m_owner;
    COleDataObject m_data;
};

COleDropTarget::COleDropTarget() : m_adapter(new Adapter(this)) {}

COleDropTarget::~COleDropTarget()
{
    Revoke();
    m_adapter->Forget();
    m_adapter->Release();
}

IDropTarget* COleDropTarget::GetInterface()
{
    return m_adapter;
}

BOOL COleDropTarget::Register(CWnd* window)
{
    if (!window || !window->m_hWnd || m_hWnd)
        return FALSE;
    if (FAILED(::RegisterDragDrop(window->m_hWnd, m_adapter)))
        return FALSE;
    m_hWnd = window->m_hWnd;
    window->m_pDropTarget = this;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_hWnd)
        return;
    ::RevokeDragDrop(m_hWnd);
    if (CWnd* window = CWnd::FromHandlePermanent(m_hWnd)) {
        if (window->m_pDropTarget == this)
            window->m_pDropTarget = nullptr;
    }
    m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* window, COleDataObject* dataObject, DWORD keyState, CPoint point)
{
    auto* view = dynamic_cast<CView*>(window);
    return view ? view->OnDragEnter(dataObject, keyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd* window, COleDataObject* dataObject, DWORD keyState, CPoint point)
{
    auto* view = dynamic_cast<CView*>(window);
    return view ? view->OnDragOver(dataObject, keyState, point) : DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd* window)
{
    if (auto* view = dynamic_cast<CView*>(window))
        view->OnDragLeave();
}

BOOL COleDropTarget::OnDrop(CWnd* window, COleDataObject* dataObject, DROPEFFECT dropEffect, CPoint point)
{
    auto* view = dynamic_cast<CView*>(window);
    return view ? view->OnDrop(dataObject, dropEffect, point) : FALSE;
}

// CView's drop-target defaults live here, beside the drop target that calls them: a view
// accepts nothing unless it overrides them.
DROPEFFECT CView::OnDragEnter(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT CView::OnDragOver(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void CView::OnDragLeave() {}

BOOL CView::OnDrop(COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}
