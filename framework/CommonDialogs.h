#pragma once
#include <windows.h>
#include <commdlg.h>

#include "framework/CString.h"
#include "framework/Dialog.h"
#include "framework/Position.h"

#include <string>

class CDC;

// Base of the system's common dialogs: the caller presets the public record, runs DoModal
// (IDOK or IDCANCEL; the system runs its own modal loop, without the framework's message
// pre-translation) and reads the results after IDOK. The owner is the parent given, else
// the active window of the thread. Each dialog tells the test driver when it is ready, like
// the framework's own dialogs.
class CCommonDialog : public CDialog {
public:
    explicit CCommonDialog(CWnd* parent) { m_pParentWnd = parent; }

protected:
    HWND OwnerWindow() const;
};

// The filter list the system expects ("text\0pattern\0...\0\0") from the framework's form
// "text|pattern|...||". Only single-byte '|' separate: a GBK trail byte may be 0x7C.
std::string FileDialogFilterList(LPCTSTR filter);

// The open or save dialog.
class CFileDialog : public CCommonDialog {
public:
    // defaultExt may begin with '.'; the dialog appends it without the dot when the user
    // types a name without extension. filter is in the framework's "|" form.
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt = nullptr, LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                         CWnd* parent = nullptr);

    // IDOK or IDCANCEL; also IDCANCEL when the system refuses (a name buffer too small for
    // the chosen files, a bad record).
    int DoModal() override;

    // The chosen file's full path; with several files chosen, the folder.
    CString GetPathName() const;
    // Name with extension, extension alone (without dot), name without extension.
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    // The chosen paths one by one: null when there are none; each GetNextPathName gives a
    // full path and moves the position on, to null after the last.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& position) const;

    // Preset by the caller: title, initial folder, filter index (1-based), or a larger name
    // buffer (lpstrFile/nMaxFile) for multiple selection; read after IDOK.
    OPENFILENAME m_ofn;

private:
    BOOL m_openFileDialog;
    std::string m_filterList;
    CString m_defaultExt;
    char m_fileName[MAX_PATH];
    char m_fileTitle[MAX_PATH];
};

// The colour dialog; it opens on the initial colour.
class CColorDialog : public CCommonDialog {
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    int DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF color) { m_cc.rgbResult = color; }

    // The 16 custom colours, shared by every colour dialog of the process.
    static COLORREF* GetSavedCustomColors();

    CHOOSECOLOR m_cc;
};

// The font dialog. CF_PRINTERFONTS lists the fonts of the printer DC given, else of the
// default printer (screen fonts only when there is no printer); CF_FIXEDPITCHONLY offers
// fixed-pitch fonts only. The LOGFONT height is a device height; GetSize gives points.
class CFontDialog : public CCommonDialog {
public:
    explicit CFontDialog(const LOGFONT* initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* printerDc = nullptr, CWnd* parent = nullptr);

    int DoModal() override;

    void GetCurrentFont(LOGFONT* logFont) const { *logFont = m_lf; }
    CString GetFaceName() const { return m_lf.lfFaceName; }
    // In tenths of a point.
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return m_lf.lfWeight; }
    BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }

    CHOOSEFONT m_cf;
    LOGFONT m_lf;
};

// The print or print set-up dialog. The device handles in m_pd (hDevMode, hDevNames) belong
// to whoever keeps the printer choice (the application); the dialog frees none of them.
class CPrintDialog : public CCommonDialog {
public:
    explicit CPrintDialog(BOOL printSetupOnly,
                          DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                        PD_NOSELECTION,
                          CWnd* parent = nullptr);

    int DoModal() override;
    // Fills m_pd with the default printer without showing anything; FALSE without printers.
    BOOL GetDefaults();

    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;
    // A DC of the chosen printer for the caller to delete; null on failure.
    HDC CreatePrinterDC();

    PRINTDLG m_pd;

private:
    CString DevNamesText(int part) const;
};
