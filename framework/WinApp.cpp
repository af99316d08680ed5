#include "framework/WinApp.h"

#include "framework/AppState.h"
#include "framework/CommandIds.h"
#include "framework/CommonDialogs.h"
#include "framework/PrinterChoice.h"
#include "framework/Dc.h"
#include "framework/Debug.h"
#include "framework/Gdi.h"
#include "framework/Menu.h"
#include "framework/WaitCursor.h"
#include "framework/Wnd.h"

namespace {

CWinApp* g_application = nullptr;

// Posted by a timer or a caret blink; no reason to run the idle updates again.
constexpr UINT kSystemTimerMessage = 0x0118;

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR appName)
{
    ASSERT(g_application == nullptr);
    g_application = this;
    if (appName != nullptr)
        AfxSetAppName(appName);
    m_appName = AfxGetAppName();
    m_pszAppName = m_appName;
    m_pszProfileName = m_appName;
    m_hInstance = AfxGetInstanceHandle();
}

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_application;
}

CWnd* AfxGetMainWnd()
{
    return g_application ? g_application->m_pMainWnd : nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return static_cast<int>(m_msgCur.message == WM_QUIT ? m_msgCur.wParam : 0);
}

int CWinApp::Run()
{
    BOOL idle = TRUE;
    LONG idleCount = 0;
    MSG peeked;
    for (;;) {
        while (idle && !::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinApp::OnIdle(LONG count)
{
    if (count <= 0) {
        CWnd* mainWnd = m_pMainWnd;
        if (mainWnd != nullptr && ::IsWindow(mainWnd->m_hWnd) && mainWnd->IsWindowVisible() &&
            !mainWnd->IsIconic()) {
            mainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            mainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
        }
        return TRUE;
    }
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    return FALSE;
}

BOOL CWinApp::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    if (msg->hwnd == nullptr)
        return FALSE;
    if (AfxWalkPreTranslateTree(msg))
        return TRUE;
    // Modeless windows (floating bars, modeless dialogs) get the main window's accelerators,
    // unless a modal dialog has disabled it.
    CWnd* mainWnd = m_pMainWnd;
    if (mainWnd != nullptr && ::IsWindow(mainWnd->m_hWnd) && mainWnd->IsWindowEnabled()) {
        CWnd* target = CWnd::FromHandle(msg->hwnd);
        CWnd* top = target ? target->GetTopLevelParent() : nullptr;
        if (top != nullptr && top->m_hWnd != mainWnd->m_hWnd)
            return mainWnd->PreTranslateMessage(msg);
    }
    return FALSE;
}

BOOL CWinApp::IsIdleMessage(MSG* msg)
{
    if (msg->message == WM_MOUSEMOVE || msg->message == WM_NCMOUSEMOVE) {
        POINT point = msg->pt;
        bool same = point.x == m_lastMousePoint.x && point.y == m_lastMousePoint.y;
        m_lastMousePoint = point;
        return !same;
    }
    return msg->message != WM_PAINT && msg->message != kSystemTimerMessage;
}

void CWinApp::DoWaitCursor(int code)
{
    AfxDoWaitCursor(code);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR name) const
{
    return ::LoadCursor(AfxGetResourceHandle(), name);
}

void CWinApp::SetRegistryKey(LPCTSTR registryKey)
{
    ASSERT(registryKey != nullptr && registryKey[0] != '\0');
    m_registryKey = registryKey ? registryKey : "";
    m_pszRegistryKey = m_registryKey;
    m_profile = RegistryProfile(m_registryKey, m_pszProfileName);
}

void CWinApp::SetRegistryKey(UINT stringId)
{
    CString key;
    key.LoadString(stringId);
    SetRegistryKey(key);
}

CString CWinApp::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue)
{
    return m_profile.GetString(section, entry, defaultValue);
}

BOOL CWinApp::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value)
{
    return m_profile.WriteString(section, entry, value);
}

UINT CWinApp::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue)
{
    return m_profile.GetInt(section, entry, defaultValue);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value)
{
    return m_profile.WriteInt(section, entry, value);
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    CWinApp* application = AfxGetApp();
    if (application == nullptr)
        return -1;
    application->m_hInstance = instance;
    application->m_lpCmdLine = commandLine;
    application->m_nCmdShow = showCommand;
    if (!application->InitInstance()) {
        if (application->m_pMainWnd != nullptr && ::IsWindow(application->m_pMainWnd->m_hWnd))
            application->m_pMainWnd->DestroyWindow();
        return application->ExitInstance();
    }
    return application->Run();
}

LPSTR SkipProgramName(LPSTR commandLine)
{
    if (commandLine == nullptr)
        return nullptr;
    char* at = commandLine;
    if (*at == '"') {
        ++at;
        while (*at != '\0' && *at != '"')
            ++at;
        if (*at == '"')
            ++at;
    } else {
        while (*at != '\0' && *at != ' ' && *at != '\t')
            ++at;
    }
    while (*at == ' ' || *at == '\t')
        ++at;
    return at;
}

BOOL AfxWalkPreTranslateTree(MSG* msg)
{
    for (HWND hWnd = msg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* window = CWnd::FromHandlePermanent(hWnd);
        if (window != nullptr && window->PreTranslateMessage(msg))
            return TRUE;
        if ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
    }
    return FALSE;
}

BOOL AfxPreTranslateMessage(MSG* msg)
{
    if (CWinApp* application = AfxGetApp())
        return application->PreTranslateMessage(msg);
    return msg->hwnd != nullptr && AfxWalkPreTranslateTree(msg);
}

BOOL AfxPumpMessage()
{
    if (CWinApp* application = AfxGetApp())
        return application->PumpMessage();
    MSG msg;
    if (!::GetMessageA(&msg, nullptr, 0, 0))
        return FALSE;
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dialog(TRUE);
    AfxGetPrinterChoice().DoPrintDialog(dialog);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}
