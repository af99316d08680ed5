#pragma once
#include <windows.h>

#include "framework/Dialog.h"

#include <vector>

// Control ids of the printing dialog.
constexpr UINT AFX_IDC_PRINT_DOCNAME = 0xE400;
constexpr UINT AFX_IDC_PRINT_PRINTERNAME = 0xE401;
constexpr UINT AFX_IDC_PRINT_PAGENUM = 0xE402;

// The modeless dialog shown while a job prints: the document, the printer, the page, and a
// Cancel button that ends the job. Its template is built in memory, so any program that
// links the framework has it. While it exists its owner is disabled; Cancel (or Esc) sets
// UserAborted, which the print loop checks between pages and the printer's abort procedure
// checks while the driver works.
class CPrintingDialog : public CDialog {
public:
    CPrintingDialog() = default;
    ~CPrintingDialog() override;

    // Shows the dialog over owner, which it disables until it is destroyed.
    BOOL Create(CWnd* owner, LPCTSTR documentName, LPCTSTR printerName);
    // Gives the owner back and destroys the dialog (the destructor does too).
    void Close();
    void SetPage(UINT page);
    BOOL UserAborted() const { return m_userAborted; }
    // Dispatches the messages waiting on this thread; FALSE once the user cancelled the job.
    BOOL PumpMessages();

    // The dialog of the job running on this thread, or null.
    static CPrintingDialog* Running();

protected:
    void OnCancel() override;

private:
    std::vector<WORD> m_template;
    HWND m_disabledOwner = nullptr;
    BOOL m_userAborted = FALSE;
    CPrintingDialog* m_previous = nullptr;
};

// The abort procedure a print loop gives its printer DC: lets the printing dialog answer
// while the driver works and ends the job once the user cancelled.
BOOL CALLBACK AfxAbortProc(HDC dc, int code);

// The texts of the printing dialog and the print and preview commands.
namespace PrintText {
constexpr const char* kDialogCaption = "打印";
constexpr const char* kPrinting = "正在打印";
constexpr const char* kOnPrinter = "打印机：%s";
constexpr const char* kPage = "第 %u 页";
constexpr const char* kCancel = "取消";
constexpr const char* kNoPrinter = "没有可用的打印机。\n请先安装打印机，或在“打印设置”中选择另一台打印机。";
constexpr const char* kPrintFailed = "打印失败：打印机拒绝了这项作业。";
} // namespace PrintText
