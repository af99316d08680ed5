#include "framework/PrintingDialog.h"

#include "framework/CString.h"

namespace {

thread_local CPrintingDialog* t_running = nullptr;

// Appends a GBK text as the zero-terminated UTF-16 string a dialog template holds.
void AppendText(std::vector<WORD>& words, const char* text)
{
    int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    words.insert(words.end(), wide.begin(), wide.end());
}

void AppendDword(std::vector<WORD>& words, DWORD value)
{
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

// One control: style, position in dialog units, id, predefined class atom and text.
void AppendItem(std::vector<WORD>& words, DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
                const char* text)
{
    if (words.size() % 2)
        words.push_back(0);
    AppendDword(words, style | WS_CHILD | WS_VISIBLE);
    AppendDword(words, 0);
    for (short value : {x, y, cx, cy})
        words.push_back(static_cast<WORD>(value));
    words.push_back(id);
    words.push_back(0xFFFF);
    words.push_back(atom);
    AppendText(words, text);
    words.push_back(0);
}

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kStaticAtom = 0x0082;

// The printing dialog's template: three lines of text over a centred Cancel button.
std::vector<WORD> PrintingTemplate()
{
    std::vector<WORD> words;
    AppendDword(words, DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    AppendDword(words, 0);
    words.push_back(4);
    for (short value : {0, 0, 180, 86})
        words.push_back(static_cast<WORD>(value));
    words.push_back(0);
    words.push_back(0);
    AppendText(words, PrintText::kDialogCaption);
    words.push_back(9);
    AppendText(words, "宋体");
    AppendItem(words, SS_CENTER, 8, 8, 164, 10, static_cast<WORD>(-1), kStaticAtom, PrintText::kPrinting);
    AppendItem(words, SS_CENTER | SS_NOPREFIX, 8, 20, 164, 10, AFX_IDC_PRINT_DOCNAME, kStaticAtom, "");
    AppendItem(words, SS_CENTER | SS_NOPREFIX, 8, 32, 164, 10, AFX_IDC_PRINT_PRINTERNAME, kStaticAtom, "");
    AppendItem(words, SS_CENTER, 8, 44, 164, 10, AFX_IDC_PRINT_PAGENUM, kStaticAtom, "");
    AppendItem(words, BS_DEFPUSHBUTTON | WS_TABSTOP, 65, 62, 50, 14, IDCANCEL, kButtonAtom, PrintText::kCancel);
    return words;
}

} // namespace

CPrintingDialog::~CPrintingDialog()
{
    Close();
}

void CPrintingDialog::Close()
{
    // The owner comes back before the dialog goes, so the activation returns to it.
    if (m_disabledOwner != nullptr && ::IsWindow(m_disabledOwner))
        ::EnableWindow(m_disabledOwner, TRUE);
    m_disabledOwner = nullptr;
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (t_running == this)
        t_running = m_previous;
}

BOOL CPrintingDialog::Create(CWnd* owner, LPCTSTR documentName, LPCTSTR printerName)
{
    m_template = PrintingTemplate();
    HWND ownerWindow = owner != nullptr ? owner->GetSafeHwnd() : nullptr;
    while (ownerWindow != nullptr && (::GetWindowLongA(ownerWindow, GWL_STYLE) & WS_CHILD))
        ownerWindow = ::GetParent(ownerWindow);
    if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), CWnd::FromHandle(ownerWindow)))
        return FALSE;
    SetDlgItemText(AFX_IDC_PRINT_DOCNAME, documentName);
    CString printer;
    printer.Format(PrintText::kOnPrinter, printerName);
    SetDlgItemText(AFX_IDC_PRINT_PRINTERNAME, printer);
    if (ownerWindow != nullptr && ::IsWindowEnabled(ownerWindow)) {
        ::EnableWindow(ownerWindow, FALSE);
        m_disabledOwner = ownerWindow;
    }
    m_previous = t_running;
    t_running = this;
    return TRUE;
}

void CPrintingDialog::SetPage(UINT page)
{
    CString text;
    text.Format(PrintText::kPage, page);
    SetDlgItemText(AFX_IDC_PRINT_PAGENUM, text);
    ::UpdateWindow(m_hWnd);
}

BOOL CPrintingDialog::PumpMessages()
{
    MSG msg;
    while (!m_userAborted && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The program ends: the job is dropped and the quit goes back to the main loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_userAborted = TRUE;
            break;
        }
        if (m_hWnd == nullptr || !::IsDialogMessageA(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return !m_userAborted;
}

CPrintingDialog* CPrintingDialog::Running()
{
    return t_running;
}

void CPrintingDialog::OnCancel()
{
    m_userAborted = TRUE;
    GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
}

BOOL CALLBACK AfxAbortProc(HDC, int)
{
    CPrintingDialog* dialog = CPrintingDialog::Running();
    return dialog == nullptr || dialog->PumpMessages();
}
