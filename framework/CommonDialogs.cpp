#include "framework/CommonDialogs.h"

#include "framework/Dc.h"
#include "framework/DeferredLibrary.h"
#include "framework/DialogDriver.h"
#include "framework/Gbk.h"
#include "framework/PrinterChoice.h"

#include <cstring>

namespace {

// Byte index of the last ch standing at a character start of text, or -1.
int LastSingleByte(const char* text, char ch)
{
    int length = (int)std::strlen(text);
    int found = -1;
    for (int i = 0; i < length; i += GbkText::CharLength(text, length, i))
        if (text[i] == ch)
            found = i;
    return found;
}

// The name part of a path: what follows its last backslash.
CString FileNameOf(const char* path)
{
    return CString(path + LastSingleByte(path, '\\') + 1);
}

// The hook of the colour, font and print dialogs: tells the test driver, when there is one,
// that the dialog is ready. TRUE lets the dialog put the focus on its first control.
UINT_PTR CALLBACK CommonDialogHook(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return 0;
    DialogDriver::NotifyInitialized(dialog);
    return TRUE;
}

// An explorer-style file dialog calls its hook for a child of the real dialog, and tells it
// when the dialog has been filled.
UINT_PTR CALLBACK FileDialogHook(HWND child, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_NOTIFY && reinterpret_cast<const OFNOTIFY*>(lParam)->hdr.code == CDN_INITDONE)
        DialogDriver::NotifyInitialized(::GetParent(child));
    return 0;
}

} // namespace

HWND CCommonDialog::OwnerWindow() const
{
    if (m_pParentWnd && m_pParentWnd->GetSafeHwnd())
        return m_pParentWnd->GetSafeHwnd();
    return ::GetActiveWindow();
}

std::string FileDialogFilterList(LPCTSTR filter)
{
    std::string list = filter ? filter : "";
    int length = (int)list.size();
    for (int i = 0; i < length; i += GbkText::CharLength(list.data(), length, i))
        if (list[i] == '|')
            list[i] = '\0';
    // Two terminators end the list even when the text lacks its closing "||".
    list.append(2, '\0');
    return list;
}

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                         CWnd* parent)
    : CCommonDialog(parent), m_openFileDialog(openFileDialog)
{
    std::memset(&m_ofn, 0, sizeof m_ofn);
    m_fileName[0] = '\0';
    m_fileTitle[0] = '\0';
    if (fileName)
        lstrcpyn(m_fileName, fileName, sizeof m_fileName);

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = sizeof m_fileName;
    m_ofn.lpstrFileTitle = m_fileTitle;
    m_ofn.nMaxFileTitle = sizeof m_fileTitle;
    m_ofn.Flags = flags | OFN_EXPLORER;
    // The system wants the extension without its dot; callers write it with one.
    if (defaultExt) {
        m_defaultExt = defaultExt[0] == '.' ? defaultExt + 1 : defaultExt;
        m_ofn.lpstrDefExt = m_defaultExt;
    }
    if (filter) {
        m_filterList = FileDialogFilterList(filter);
        m_ofn.lpstrFilter = m_filterList.c_str();
    }
}

int CFileDialog::DoModal()
{
    if (!m_ofn.lpstrFile || m_ofn.nMaxFile == 0)
        return IDCANCEL;
    m_ofn.hwndOwner = OwnerWindow();
    m_ofn.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
    m_ofn.lpfnHook = &FileDialogHook;
    BOOL chosen = m_openFileDialog ? RunCommonDialog("GetOpenFileNameA", &m_ofn)
                                   : RunCommonDialog("GetSaveFileNameA", &m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const
{
    return FileNameOf(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = LastSingleByte(name, '.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = LastSingleByte(name, '.');
    return dot < 0 ? name : name.Left(dot);
}

// A position is the offset of the next name in the buffer plus one. With several files
// chosen the buffer holds the folder, then each name, each ended by a zero byte, then a
// second zero; with one file, its full path.
POSITION CFileDialog::GetStartPosition() const
{
    if (!m_ofn.lpstrFile || m_ofn.lpstrFile[0] == '\0')
        return nullptr;
    return (POSITION)(INT_PTR)1;
}

CString CFileDialog::GetNextPathName(POSITION& position) const
{
    const char* buffer = m_ofn.lpstrFile;
    const size_t size = m_ofn.nMaxFile;
    size_t offset = (size_t)(INT_PTR)position - 1;
    position = nullptr;
    if (!buffer || offset >= size)
        return CString();

    size_t firstLength = strnlen(buffer, size);
    bool several = (m_ofn.Flags & OFN_ALLOWMULTISELECT) && firstLength + 1 < size && buffer[firstLength + 1] != '\0';
    if (!several)
        return CString(buffer, (int)firstLength);

    if (offset == 0)
        offset = firstLength + 1;
    size_t nameLength = strnlen(buffer + offset, size - offset);
    CString path(buffer, (int)firstLength);
    // A drive's root folder already ends in a backslash.
    if (LastSingleByte(path, '\\') != path.GetLength() - 1)
        path += '\\';
    path += CString(buffer + offset, (int)nameLength);

    size_t next = offset + nameLength + 1;
    if (next < size && buffer[next] != '\0')
        position = (POSITION)(INT_PTR)(next + 1);
    return path;
}

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : CCommonDialog(parent)
{
    std::memset(&m_cc, 0, sizeof m_cc);
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = flags | CC_RGBINIT;
}

COLORREF* CColorDialog::GetSavedCustomColors()
{
    static COLORREF customColors[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    };
    return customColors;
}

int CColorDialog::DoModal()
{
    m_cc.hwndOwner = OwnerWindow();
    m_cc.Flags |= CC_ENABLEHOOK;
    m_cc.lpfnHook = &CommonDialogHook;
    return RunCommonDialog("ChooseColorA", &m_cc) ? IDOK : IDCANCEL;
}

CFontDialog::CFontDialog(const LOGFONT* initial, DWORD flags, CDC* printerDc, CWnd* parent) : CCommonDialog(parent)
{
    std::memset(&m_cf, 0, sizeof m_cf);
    std::memset(&m_lf, 0, sizeof m_lf);
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = flags;
    if (initial) {
        m_lf = *initial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (printerDc && printerDc->GetSafeHdc()) {
        m_cf.hDC = printerDc->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

int CFontDialog::DoModal()
{
    m_cf.hwndOwner = OwnerWindow();
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags |= CF_ENABLEHOOK;
    m_cf.lpfnHook = &CommonDialogHook;
    // Printer fonts are listed from a printer DC: the application's printer when none was given,
    // and without any printer the screen fonts alone. The caller's flags are kept for the
    // next run.
    const DWORD flags = m_cf.Flags;
    CDC defaultPrinter;
    if ((flags & CF_PRINTERFONTS) && !m_cf.hDC) {
        if (AfxGetPrinterChoice().CreatePrinterDC(defaultPrinter))
            m_cf.hDC = defaultPrinter;
        else
            m_cf.Flags = (flags & ~CF_PRINTERFONTS) | CF_SCREENFONTS;
    }
    BOOL chosen = RunCommonDialog("ChooseFontA", &m_cf);
    if (defaultPrinter.GetSafeHdc())
        m_cf.hDC = nullptr;
    m_cf.Flags = (m_cf.Flags & ~(CF_PRINTERFONTS | CF_SCREENFONTS)) | (flags & (CF_PRINTERFONTS | CF_SCREENFONTS));
    return chosen ? IDOK : IDCANCEL;
}

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent) : CCommonDialog(parent)
{
    std::memset(&m_pd, 0, sizeof m_pd);
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = flags;
    if (printSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    else
        m_pd.Flags |= PD_RETURNDC;
}

int CPrintDialog::DoModal()
{
    m_pd.hwndOwner = OwnerWindow();
    m_pd.Flags |= PD_ENABLESETUPHOOK | PD_ENABLEPRINTHOOK;
    m_pd.lpfnSetupHook = &CommonDialogHook;
    m_pd.lpfnPrintHook = &CommonDialogHook;
    return RunCommonDialog("PrintDlgA", &m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    DWORD flags = m_pd.Flags;
    m_pd.Flags = (flags & ~(PD_RETURNDC | PD_ENABLESETUPHOOK | PD_ENABLEPRINTHOOK)) | PD_RETURNDEFAULT;
    m_pd.hwndOwner = nullptr;
    BOOL found = RunCommonDialog("PrintDlgA", &m_pd);
    m_pd.Flags = flags;
    return found;
}

CString CPrintDialog::DevNamesText(int part) const
{
    return DevNamesPart(m_pd.hDevNames, part);
}

CString CPrintDialog::GetDriverName() const
{
    return DevNamesText(0);
}

CString CPrintDialog::GetDeviceName() const
{
    return DevNamesText(1);
}

CString CPrintDialog::GetPortName() const
{
    return DevNamesText(2);
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (!m_pd.hDevNames)
        return nullptr;
    const DEVMODE* mode = m_pd.hDevMode ? static_cast<const DEVMODE*>(::GlobalLock(m_pd.hDevMode)) : nullptr;
    HDC dc = ::CreateDC(GetDriverName(), GetDeviceName(), nullptr, mode);
    if (mode)
        ::GlobalUnlock(m_pd.hDevMode);
    return dc;
}
