#include "framework/PrinterChoice.h"

#include "framework/CommonDialogs.h"
#include "framework/Dc.h"
#include "framework/DeferredLibrary.h"

#include <cstring>
#include <string>

namespace {

// A DEVNAMES block naming device on driver "WINSPOOL" with no port.
HGLOBAL MakeDevNames(LPCTSTR device)
{
    const char driver[] = "WINSPOOL";
    size_t deviceLength = std::strlen(device);
    size_t size = sizeof(DEVNAMES) + sizeof driver + deviceLength + 2;
    HGLOBAL block = ::GlobalAlloc(GHND, size);
    if (!block)
        return nullptr;
    auto* names = static_cast<DEVNAMES*>(::GlobalLock(block));
    char* text = reinterpret_cast<char*>(names);
    names->wDriverOffset = sizeof(DEVNAMES);
    std::memcpy(text + names->wDriverOffset, driver, sizeof driver);
    names->wDeviceOffset = static_cast<WORD>(names->wDriverOffset + sizeof driver);
    std::memcpy(text + names->wDeviceOffset, device, deviceLength + 1);
    names->wOutputOffset = static_cast<WORD>(names->wDeviceOffset + deviceLength + 1);
    text[names->wOutputOffset] = '\0';
    ::GlobalUnlock(block);
    return block;
}

// The driver's default device mode of printer device; null when it has none.
HGLOBAL MakeDefaultDevMode(LPCTSTR device)
{
    const CDeferredLibrary& spooler = SpoolerLibrary();
    const auto openPrinter = spooler.Find<decltype(&::OpenPrinterA)>("OpenPrinterA");
    const auto documentProperties = spooler.Find<decltype(&::DocumentPropertiesA)>("DocumentPropertiesA");
    const auto closePrinter = spooler.Find<decltype(&::ClosePrinter)>("ClosePrinter");
    HANDLE printer = nullptr;
    if (!openPrinter || !documentProperties || !closePrinter ||
        !openPrinter(const_cast<LPSTR>(device), &printer, nullptr))
        return nullptr;
    HGLOBAL block = nullptr;
    LONG size = documentProperties(nullptr, printer, const_cast<LPSTR>(device), nullptr, nullptr, 0);
    if (size > 0 && (block = ::GlobalAlloc(GHND, size)) != nullptr) {
        auto* mode = static_cast<DEVMODEA*>(::GlobalLock(block));
        LONG done = documentProperties(nullptr, printer, const_cast<LPSTR>(device), mode, nullptr, DM_OUT_BUFFER);
        ::GlobalUnlock(block);
        if (done != IDOK) {
            ::GlobalFree(block);
            block = nullptr;
        }
    }
    closePrinter(printer);
    return block;
}

} // namespace

CString DevNamesPart(HGLOBAL devNames, int part)
{
    if (!devNames)
        return CString();
    const auto* names = static_cast<const DEVNAMES*>(::GlobalLock(devNames));
    if (!names)
        return CString();
    SIZE_T size = ::GlobalSize(devNames);
    WORD offset = part == 0 ? names->wDriverOffset : part == 1 ? names->wDeviceOffset : names->wOutputOffset;
    CString text;
    if (offset >= sizeof(DEVNAMES) && offset < size) {
        const char* start = reinterpret_cast<const char*>(names) + offset;
        text = CString(start, (int)strnlen(start, size - offset));
    }
    ::GlobalUnlock(devNames);
    return text;
}

CPrinterChoice::~CPrinterChoice()
{
    Clear();
}

BOOL CPrinterChoice::UpdateDefaults()
{
    if (m_hDevNames)
        return TRUE;
    PRINTDLG pd = {};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    if (!RunCommonDialog("PrintDlgA", &pd))
        return FALSE;
    Select(pd.hDevNames, pd.hDevMode);
    return m_hDevNames != nullptr;
}

void CPrinterChoice::Select(HGLOBAL devNames, HGLOBAL devMode)
{
    if (m_hDevNames && m_hDevNames != devNames)
        ::GlobalFree(m_hDevNames);
    if (m_hDevMode && m_hDevMode != devMode)
        ::GlobalFree(m_hDevMode);
    m_hDevNames = devNames;
    m_hDevMode = devMode;
}

void CPrinterChoice::SelectByName(LPCTSTR device)
{
    Select(MakeDevNames(device), MakeDefaultDevMode(device));
}

BOOL CPrinterChoice::GetDefaults(PRINTDLG& pd)
{
    if (!UpdateDefaults())
        return FALSE;
    pd.hDevNames = m_hDevNames;
    pd.hDevMode = m_hDevMode;
    return TRUE;
}

int CPrinterChoice::DoPrintDialog(CPrintDialog& dialog)
{
    UpdateDefaults();
    dialog.m_pd.hDevNames = m_hDevNames;
    dialog.m_pd.hDevMode = m_hDevMode;
    int result = dialog.DoModal();
    // The dialog may have replaced (and freed) the blocks it was given.
    Select(dialog.m_pd.hDevNames, dialog.m_pd.hDevMode);
    return result;
}

BOOL CPrinterChoice::CreatePrinterDC(CDC& dc)
{
    if (!UpdateDefaults())
        return FALSE;
    CString driver = DevNamesPart(m_hDevNames, 0);
    CString device = DevNamesPart(m_hDevNames, 1);
    if (device.IsEmpty())
        return FALSE;
    const auto* mode = m_hDevMode ? static_cast<const DEVMODE*>(::GlobalLock(m_hDevMode)) : nullptr;
    BOOL created = dc.CreateDC(driver.IsEmpty() ? "WINSPOOL" : (LPCTSTR)driver, device, nullptr, mode);
    if (mode)
        ::GlobalUnlock(m_hDevMode);
    return created;
}

CString CPrinterChoice::GetDeviceName() const
{
    return DevNamesPart(m_hDevNames, 1);
}

CPrinterChoice& AfxGetPrinterChoice()
{
    static CPrinterChoice choice;
    return choice;
}
