#include "framework/DataExchange.h"

#include "framework/Debug.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"
#include "framework/Wnd.h"
#include "framework/WndThreadState.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr char kPromptInteger[] = "请输入一个整数。";
constexpr char kPromptPositiveInteger[] = "请输入一个正整数。";
constexpr char kPromptNumber[] = "请输入一个数。";
constexpr char kPromptIntegerRange[] = "请输入 %s 到 %s 之间的整数。";
constexpr char kPromptMaxChars[] = "请输入不超过 %d 个字符。";

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

const char* SkipBlanks(const char* text)
{
    while (IsBlank(*text))
        ++text;
    return text;
}

// Decimal integer with optional blanks around it; the sign only where signed. False for
// anything else and for values outside [minValue, maxValue].
bool ParseSigned(const char* text, long minValue, long maxValue, long& value)
{
    const char* start = SkipBlanks(text);
    if (!(*start == '-' || *start == '+' || (*start >= '0' && *start <= '9')))
        return false;
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || *SkipBlanks(end) != '\0' || parsed < minValue || parsed > maxValue)
        return false;
    value = parsed;
    return true;
}

bool ParseUnsigned(const char* text, unsigned long maxValue, unsigned long& value)
{
    const char* start = SkipBlanks(text);
    if (!(*start == '+' || (*start >= '0' && *start <= '9')))
        return false;
    char* end = nullptr;
    errno = 0;
    unsigned long parsed = std::strtoul(start, &end, 10);
    if (end == start || errno == ERANGE || *SkipBlanks(end) != '\0' || parsed > maxValue)
        return false;
    value = parsed;
    return true;
}

bool ParseReal(const char* text, double& value)
{
    const char* start = SkipBlanks(text);
    if (*start == '\0' || std::isspace(static_cast<unsigned char>(*start)))
        return false;
    char* end = nullptr;
    errno = 0;
    double parsed = std::strtod(start, &end);
    if (end == start || errno == ERANGE || *SkipBlanks(end) != '\0')
        return false;
    value = parsed;
    return true;
}

CString ControlText(HWND control)
{
    CString text;
    CWnd::FromHandle(control)->GetWindowText(text);
    return text;
}

// Tells the user and ends the exchange.
[[noreturn]] void FailWithMessage(CDataExchange* dx, LPCTSTR message)
{
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    dx->Fail();
}

// Shared by the integer kinds: load formats, save parses with the kind's limits.
template <class Number>
void ExchangeSigned(CDataExchange* dx, int id, Number& value, long minValue, long maxValue)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (!dx->m_bSaveAndValidate) {
        char text[32];
        std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
        ::SetWindowTextA(control, text);
        return;
    }
    long parsed = 0;
    if (!ParseSigned(ControlText(control), minValue, maxValue, parsed))
        FailWithMessage(dx, kPromptInteger);
    value = static_cast<Number>(parsed);
}

template <class Number>
void ExchangeUnsigned(CDataExchange* dx, int id, Number& value, unsigned long maxValue)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (!dx->m_bSaveAndValidate) {
        char text[32];
        std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(value));
        ::SetWindowTextA(control, text);
        return;
    }
    unsigned long parsed = 0;
    if (!ParseUnsigned(ControlText(control), maxValue, parsed))
        FailWithMessage(dx, kPromptPositiveInteger);
    value = static_cast<Number>(parsed);
}

CString ListText(HWND control, int index, UINT lengthMessage, UINT textMessage)
{
    LRESULT length = ::SendMessageA(control, lengthMessage, index, 0);
    if (length < 0)
        return CString();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(control, textMessage, index, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
    return CString(buffer.data());
}

} // namespace

// --- CDataExchange and UpdateData ----------------------------------------------------------

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
    ASSERT(dialog != nullptr);
}

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND control = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    if (control == nullptr) {
        char message[80];
        std::snprintf(message, sizeof message, "Data exchange: the dialog has no control %d.\n", id);
        ::OutputDebugStringA(message);
        return nullptr;
    }
    m_hWndLastControl = control;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    if (control != nullptr)
        m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL save)
{
    CDataExchange dx(this, save);
    // Setting the controls' texts must not run the dialog's change handlers.
    WndThreadState& state = CurrentWndThreadState();
    HWND lockedBefore = state.lockoutNotifyWindow;
    state.lockoutNotifyWindow = m_hWnd;
    BOOL ok = FALSE;
    try {
        DoDataExchange(&dx);
        ok = TRUE;
    } catch (CUserException* e) {
        e->Delete();
    } catch (CException* e) {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
    }
    state.lockoutNotifyWindow = lockedBefore;
    return ok;
}

// --- Texts ---------------------------------------------------------------------------------

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        value = ControlText(control);
    else
        ::SetWindowTextA(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    ExchangeSigned(dx, id, value, INT_MIN, INT_MAX);
}

void DDX_Text(CDataExchange* dx, int id, long& value)
{
    ExchangeSigned(dx, id, value, LONG_MIN, LONG_MAX);
}

void DDX_Text(CDataExchange* dx, int id, UINT& value)
{
    ExchangeUnsigned(dx, id, value, UINT_MAX);
}

void DDX_Text(CDataExchange* dx, int id, DWORD& value)
{
    ExchangeUnsigned(dx, id, value, ULONG_MAX);
}

void DDX_Text(CDataExchange* dx, int id, double& value)
{
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (!dx->m_bSaveAndValidate) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*g", DBL_DIG, value);
        ::SetWindowTextA(control, text);
        return;
    }
    double parsed = 0;
    if (!ParseReal(ControlText(control), parsed))
        FailWithMessage(dx, kPromptNumber);
    value = parsed;
}

// --- Buttons -------------------------------------------------------------------------------

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        ASSERT(value >= 0 && value <= 2);
        ::SendMessageA(control, BM_SETCHECK, (value >= 0 && value <= 2) ? value : 0, 0);
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    HWND first = dx->PrepareCtrl(id);
    if (first == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        value = -1;
    // The group runs from the first button to the next control with WS_GROUP.
    int index = 0;
    for (HWND item = first; item != nullptr; item = ::GetWindow(item, GW_HWNDNEXT)) {
        if (item != first && (::GetWindowLongA(item, GWL_STYLE) & WS_GROUP))
            break;
        if ((::SendMessageA(item, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0)
            continue;
        if (dx->m_bSaveAndValidate) {
            if (::SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED && value == -1)
                value = index;
        } else {
            ::SendMessageA(item, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

// --- List and combo boxes ------------------------------------------------------------------

void DDX_LBIndex(CDataExchange* dx, int id, int& index)
{
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(control, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(control, LB_SETCURSEL, index, 0);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index)
{
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(control, CB_SETCURSEL, index, 0);
}

void DDX_LBString(CDataExchange* dx, int id, CString& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate) {
        LRESULT index = ::SendMessageA(control, LB_GETCURSEL, 0, 0);
        value = index < 0 ? CString() : ListText(control, static_cast<int>(index), LB_GETTEXTLEN, LB_GETTEXT);
    } else {
        ::SendMessageA(control, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(LPCTSTR(value)));
    }
}

void DDX_CBString(CDataExchange* dx, int id, CString& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    DWORD style = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE));
    bool dropList = (style & 0x3) == CBS_DROPDOWNLIST;
    if (dx->m_bSaveAndValidate) {
        if (dropList) {
            LRESULT index = ::SendMessageA(control, CB_GETCURSEL, 0, 0);
            value = index < 0 ? CString() : ListText(control, static_cast<int>(index), CB_GETLBTEXTLEN, CB_GETLBTEXT);
        } else {
            value = ControlText(control);
        }
    } else {
        LRESULT found = ::SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(LPCTSTR(value)));
        if (found == CB_ERR && !dropList)
            ::SetWindowTextA(control, value);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd != nullptr)
        return;
    HWND item = dx->PrepareCtrl(id);
    if (item == nullptr)
        return;
    VERIFY(control.SubclassWindow(item));
}

// --- Validation ----------------------------------------------------------------------------

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue)
{
    ASSERT(minValue <= maxValue);
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    char low[16];
    char high[16];
    std::snprintf(low, sizeof low, "%d", minValue);
    std::snprintf(high, sizeof high, "%d", maxValue);
    CString message;
    message.Format(kPromptIntegerRange, low, high);
    FailWithMessage(dx, message);
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue)
{
    ASSERT(minValue <= maxValue);
    if (!dx->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    char low[16];
    char high[16];
    std::snprintf(low, sizeof low, "%u", minValue);
    std::snprintf(high, sizeof high, "%u", maxValue);
    CString message;
    message.Format(kPromptIntegerRange, low, high);
    FailWithMessage(dx, message);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars)
{
    ASSERT(maxChars >= 1);
    if (dx->m_bSaveAndValidate) {
        if (value.GetLength() <= maxChars)
            return;
        CString message;
        message.Format(kPromptMaxChars, maxChars);
        FailWithMessage(dx, message);
    }
    if (dx->m_hWndLastControl != nullptr && dx->m_bEditLastControl)
        ::SendMessageA(dx->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}
