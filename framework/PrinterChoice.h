#pragma once
#include <windows.h>

#include "framework/CString.h"

class CDC;
class CPrintDialog;

// The printer the application prints to: the device mode and the device names the print and
// print set-up dialogs return. Printing, preview, print set-up and the printer-font list all
// take the printer from here, so a choice made in one holds for the others. Until the user
// chooses, the system's default printer is taken on first use.
class CPrinterChoice {
public:
    CPrinterChoice() = default;
    ~CPrinterChoice();
    CPrinterChoice(const CPrinterChoice&) = delete;
    CPrinterChoice& operator=(const CPrinterChoice&) = delete;

    // Takes the system default printer when none is chosen yet; FALSE when there is none.
    BOOL UpdateDefaults();
    // Takes ownership of the two global blocks (either may be null) and frees the old ones.
    void Select(HGLOBAL devNames, HGLOBAL devMode);
    // Chooses a printer by name, with its driver's default settings; a name no printer has
    // is kept, so that creating its DC fails as it would after the printer was removed.
    void SelectByName(LPCTSTR device);
    // Forgets the choice; the next use takes the default printer again.
    void Clear() { Select(nullptr, nullptr); }

    // Fills pd's device handles with the choice (the dialog borrows them); FALSE without a
    // printer.
    BOOL GetDefaults(PRINTDLG& pd);
    // Runs dialog on the choice and keeps what the user chose; IDOK or IDCANCEL.
    int DoPrintDialog(CPrintDialog& dialog);
    // A DC of the chosen printer; FALSE when there is no printer or it cannot be opened.
    BOOL CreatePrinterDC(CDC& dc);
    CString GetDeviceName() const;

    HGLOBAL GetDevNames() const { return m_hDevNames; }
    HGLOBAL GetDevMode() const { return m_hDevMode; }

private:
    HGLOBAL m_hDevNames = nullptr;
    HGLOBAL m_hDevMode = nullptr;
};

// The process's printer choice.
CPrinterChoice& AfxGetPrinterChoice();

// The device, driver or port name (part 0 driver, 1 device, 2 port) of a DEVNAMES block;
// empty when the block is missing or malformed.
CString DevNamesPart(HGLOBAL devNames, int part);
