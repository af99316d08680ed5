#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/CmdTarget.h"
#include "framework/Profile.h"

class CWnd;

// The application object: one per process. Starts the program (InitInstance), runs the
// message loop with idle processing (Run), ends it (ExitInstance), and is the last command
// target on the frame's route. It holds the registry profile.
class CWinApp : public CCmdTarget {
public:
    // appName: the name of the profile and of message-box captions; the executable's file
    // title when null.
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    // FALSE ends the program at once.
    virtual BOOL InitInstance();
    // The program's exit code.
    virtual int ExitInstance();
    // The message loop: pumps until WM_QUIT, calling OnIdle while the queue is empty;
    // returns ExitInstance's code.
    virtual int Run();
    // count counts the calls since the last message; TRUE asks for more idle time. Call 0
    // updates the main window's command user interface; later calls free temporary wrappers.
    virtual BOOL OnIdle(LONG count);
    // Sees every message of the pump first, thread messages included; the base walks from
    // the target window up to its top-level window (whose PreTranslateMessage does the frame's
    // accelerators), then offers the main window the messages of other top-level windows.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Gets and dispatches one message; FALSE on WM_QUIT.
    BOOL PumpMessage();
    // FALSE for messages that should not restart idle processing (repeated mouse moves,
    // paints, caret blinks).
    virtual BOOL IsIdleMessage(MSG* msg);

    void DoWaitCursor(int code);

    // A cursor of the resource module; null when it has none of that name.
    HCURSOR LoadCursor(LPCTSTR name) const;
    HCURSOR LoadCursor(UINT id) const { return LoadCursor(MAKEINTRESOURCE(id)); }
    // One of the system's cursors (IDC_ARROW, IDC_IBEAM, IDC_WAIT…).
    HCURSOR LoadStandardCursor(LPCTSTR name) const { return ::LoadCursor(nullptr, name); }

    // The profile lives under HKEY_CURRENT_USER\Software\<registryKey>\<application name>.
    void SetRegistryKey(LPCTSTR registryKey);
    void SetRegistryKey(UINT stringId);
    CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr);
    BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);
    UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue);
    BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);

    CWnd* GetMainWnd() const { return m_pMainWnd; }

    // The standard Print Setup command: the set-up dialog on the application's printer
    // choice (AfxGetPrinterChoice), which printing, preview and printer fonts then use.
    void OnFilePrintSetup();
    // The standard Exit command: closes the main window as its close box would.
    void OnAppExit();

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    // The message PumpMessage handled last.
    MSG m_msgCur = {};

protected:
    DECLARE_MESSAGE_MAP()

private:
    CString m_appName;
    CString m_registryKey;
    RegistryProfile m_profile;
    POINT m_lastMousePoint = {-1, -1};
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The program's start: InitInstance, then Run, or ExitInstance when InitInstance failed.
// The program's WinMain calls it.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

// The arguments of a whole command line (GetCommandLine's): what follows the program name
// (quoted, or up to the first blank) and the blanks after it. Only the space and the tab are
// blanks; the bytes of a Chinese name are not, whichever comes first. The program's WinMain
// passes this on instead of the run-time's own cut, which skips a leading Chinese name.
LPSTR SkipProgramName(LPSTR commandLine);

// The pump step every framework loop uses (the application's when there is one): gets one
// message, lets PreTranslateMessage see it and dispatches it. FALSE on WM_QUIT.
BOOL AfxPumpMessage();
// The application's PreTranslateMessage, or the window walk when there is no application.
BOOL AfxPreTranslateMessage(MSG* msg);
// Offers msg to the target window and each parent up to the top-level window.
BOOL AfxWalkPreTranslateTree(MSG* msg);
