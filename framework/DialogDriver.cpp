#include "framework/DialogDriver.h"

#include "framework/Dialog.h"
#include "framework/Wnd.h"

#include <vector>

namespace {

// Timer ids above any the framework's dialogs use themselves.
constexpr UINT_PTR kDriverTimerId = 0x7D10;

DialogDriver*& InstalledDriver()
{
    thread_local DialogDriver* driver = nullptr;
    return driver;
}

bool IsButtonOfStyle(HWND control, UINT style)
{
    return (static_cast<UINT>(::GetWindowLongA(control, GWL_STYLE)) & BS_TYPEMASK) == style;
}

bool IsComboBox(HWND control)
{
    char className[32] = {};
    ::GetClassNameA(control, className, sizeof className);
    return ::lstrcmpiA(className, "ComboBox") == 0;
}

// Text of a list or combo box item, read with its length so the copy stays in bounds.
CString ListItemText(HWND control, int index, bool combo)
{
    LRESULT length = ::SendMessageA(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
    if (length < 0)
        return CString();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(control, combo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
    return CString(buffer.data());
}

// The dialog still runs: a framework dialog whose modal run was not ended, or any other
// dialog still visible (the platform's EndDialog hides it).
bool StillOpen(HWND dialog)
{
    if (!::IsWindow(dialog))
        return false;
    if (CDialog* framework = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(dialog)))
        return framework->ContinueModal() != FALSE;
    return ::IsWindowVisible(dialog) != FALSE;
}

} // namespace

DialogDriver::DialogDriver()
    : m_previous(InstalledDriver())
{
    InstalledDriver() = this;
}

DialogDriver::DialogDriver(std::initializer_list<Script> scripts)
    : DialogDriver()
{
    for (const Script& script : scripts)
        m_scripts.push_back(script);
}

DialogDriver::~DialogDriver()
{
    InstalledDriver() = m_previous;
}

void DialogDriver::Queue(Script script)
{
    m_scripts.push_back(std::move(script));
}

void DialogDriver::NotifyInitialized(HWND dialog)
{
    DialogDriver* driver = InstalledDriver();
    if (driver == nullptr || dialog == nullptr)
        return;
    // Dialogs that ended before their turn drop what they took.
    auto& taken = driver->m_taken;
    for (auto it = taken.begin(); it != taken.end();)
        it = ::IsWindow(it->first) ? it + 1 : taken.erase(it);
    if (!driver->m_scripts.empty()) {
        taken.emplace_back(dialog, std::move(driver->m_scripts.front()));
        driver->m_scripts.pop_front();
    }
    // A timer with its own procedure is dispatched by any message loop, the framework's or
    // the platform's own (common dialogs), once the queue is otherwise empty.
    ::SetTimer(dialog, kDriverTimerId, 0, &DialogDriver::OnTimer);
}

void CALLBACK DialogDriver::OnTimer(HWND dialog, UINT, UINT_PTR timerId, DWORD)
{
    ::KillTimer(dialog, timerId);
    if (DialogDriver* driver = InstalledDriver())
        driver->Run(dialog);
}

void DialogDriver::Run(HWND dialog)
{
    HWND outer = m_dialog;
    bool outerKeepOpen = m_keepOpen;
    m_dialog = dialog;
    m_keepOpen = false;
    Script script;
    for (auto it = m_taken.begin(); it != m_taken.end(); ++it)
        if (it->first == dialog) {
            script = std::move(it->second);
            m_taken.erase(it);
            break;
        }
    if (!script && !m_scripts.empty()) {  // queued after the dialog came
        script = std::move(m_scripts.front());
        m_scripts.pop_front();
    }
    const bool scripted = static_cast<bool>(script);
    if (!scripted) {
        ++m_unscripted;
    } else {
        ++m_scriptsRun;
        script(*this);
    }
    if (!m_keepOpen && StillOpen(dialog)) {
        if (scripted)
            ++m_leftOpen;
        m_dialog = dialog;
        PressCancel();
        if (CDialog* framework = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(dialog)))
            if (framework->ContinueModal())
                framework->EndDialog(IDCANCEL);
    }
    m_dialog = outer;
    m_keepOpen = outerKeepOpen;
}

HWND DialogDriver::Item(int id) const
{
    return m_dialog ? ::GetDlgItem(m_dialog, id) : nullptr;
}

CString DialogDriver::Caption() const
{
    if (m_dialog == nullptr)
        return CString();
    CString text;
    CWnd::FromHandle(m_dialog)->GetWindowText(text);
    return text;
}

bool DialogDriver::SetText(int id, LPCTSTR text)
{
    HWND control = Item(id);
    if (control == nullptr || !::IsWindowEnabled(control))
        return false;
    // An edit control notifies EN_CHANGE itself when its text is set.
    ::SetWindowTextA(control, text ? text : "");
    return true;
}

bool DialogDriver::Click(int id)
{
    HWND control = Item(id);
    if (control == nullptr || !::IsWindowEnabled(control))
        return false;
    if (IsButtonOfStyle(control, BS_AUTOCHECKBOX)) {
        LRESULT checked = ::SendMessageA(control, BM_GETCHECK, 0, 0);
        ::SendMessageA(control, BM_SETCHECK, checked == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
    } else if (IsButtonOfStyle(control, BS_AUTO3STATE)) {
        LRESULT checked = ::SendMessageA(control, BM_GETCHECK, 0, 0);
        ::SendMessageA(control, BM_SETCHECK, (checked + 1) % 3, 0);
    } else if (IsButtonOfStyle(control, BS_AUTORADIOBUTTON)) {
        // Uncheck the other radio buttons of the group, as the button does on a click.
        HWND first = control;
        while (!(::GetWindowLongA(first, GWL_STYLE) & WS_GROUP)) {
            HWND previous = ::GetWindow(first, GW_HWNDPREV);
            if (previous == nullptr)
                break;
            first = previous;
        }
        for (HWND item = first; item != nullptr; item = ::GetWindow(item, GW_HWNDNEXT)) {
            if (item != first && (::GetWindowLongA(item, GWL_STYLE) & WS_GROUP))
                break;
            if (IsButtonOfStyle(item, BS_AUTORADIOBUTTON) || IsButtonOfStyle(item, BS_RADIOBUTTON))
                ::SendMessageA(item, BM_SETCHECK, item == control ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    ::SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    return true;
}

bool DialogDriver::Select(int id, int index)
{
    HWND control = Item(id);
    if (control == nullptr || !::IsWindowEnabled(control))
        return false;
    bool combo = IsComboBox(control);
    LRESULT result = ::SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
    if (result == LB_ERR && index != -1)
        return false;
    ::SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(control));
    return true;
}

bool DialogDriver::SelectString(int id, LPCTSTR text)
{
    HWND control = Item(id);
    if (control == nullptr || text == nullptr)
        return false;
    bool combo = IsComboBox(control);
    LRESULT index = ::SendMessageA(control, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(text));
    if (index == LB_ERR)
        return false;
    return Select(id, static_cast<int>(index));
}

bool DialogDriver::Focus(int id)
{
    HWND control = Item(id);
    if (control == nullptr || !::IsWindowEnabled(control))
        return false;
    ::SendMessageA(m_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return true;
}

bool DialogDriver::PostKey(int id, UINT virtualKey)
{
    HWND target = id == 0 ? m_dialog : Item(id);
    if (target == nullptr)
        return false;
    UINT scanCode = ::MapVirtualKeyA(virtualKey, 0);
    ::PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (scanCode << 16));
    ::PostMessageA(target, WM_KEYUP, virtualKey, 1 | (scanCode << 16) | 0xC0000000u);
    return true;
}

bool DialogDriver::PressCancel()
{
    if (m_dialog == nullptr)
        return false;
    HWND button = Item(IDCANCEL);
    if (button != nullptr && !::IsWindowEnabled(button))
        return false;
    ::SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

CString DialogDriver::GetText(int id) const
{
    HWND control = Item(id);
    if (control == nullptr)
        return CString();
    CString text;
    CWnd::FromHandle(control)->GetWindowText(text);
    return text;
}

int DialogDriver::GetCheck(int id) const
{
    HWND control = Item(id);
    return control ? static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0)) : -1;
}

int DialogDriver::GetSelection(int id) const
{
    HWND control = Item(id);
    if (control == nullptr)
        return -1;
    LRESULT index = ::SendMessageA(control, IsComboBox(control) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    return index < 0 ? -1 : static_cast<int>(index);
}

int DialogDriver::GetCount(int id) const
{
    HWND control = Item(id);
    if (control == nullptr)
        return 0;
    LRESULT count = ::SendMessageA(control, IsComboBox(control) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    return count < 0 ? 0 : static_cast<int>(count);
}

CString DialogDriver::GetItemText(int id, int index) const
{
    HWND control = Item(id);
    if (control == nullptr || index < 0 || index >= GetCount(id))
        return CString();
    return ListItemText(control, index, IsComboBox(control));
}

bool DialogDriver::IsEnabled(int id) const
{
    HWND control = Item(id);
    return control != nullptr && ::IsWindowEnabled(control);
}

bool DialogDriver::IsVisible(int id) const
{
    HWND control = Item(id);
    return control != nullptr && ::IsWindowVisible(control);
}

int DialogDriver::DefaultButton() const
{
    if (m_dialog == nullptr)
        return 0;
    LRESULT result = ::SendMessageA(m_dialog, DM_GETDEFID, 0, 0);
    return HIWORD(result) == DC_HASDEFID ? LOWORD(result) : 0;
}

int DialogDriver::FocusedId() const
{
    HWND focus = ::GetFocus();
    if (focus == nullptr || m_dialog == nullptr || !::IsChild(m_dialog, focus))
        return 0;
    return ::GetDlgCtrlID(focus);
}
