/* logindemo's main program, dialog procedure and password check. */
#include "samples/logindemo/logindemo.h"

#include "runtime/源码/墨语言.h"
#include "runtime/源码/显示.h"
#include "runtime/源码/视窗.h"

#define kPresetAccount "阿满"
#define kPresetPassword "507"
#define kStoredPassword "80631"

/* Debug category and level of the log line; the fields hold at most 9 bytes each. */
enum { kLogCategory = 0, kLogLevel = 4, kFieldSize = 10 };

int LoginDemoOnOk(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)message;
    (void)lParam;
    char account[kFieldSize];
    char password[kFieldSize];
    WndGetDlgItemText(window, IDC_LOGINDEMO_ACCOUNT, account, sizeof account);
    WndGetDlgItemText(window, IDC_LOGINDEMO_PASSWORD, password, sizeof password);
    DbgPrint(kLogCategory, kLogLevel, "账号=%串，密码=%串。%行", account, password);
    if (StrCompare(password, kStoredPassword) != 0) {
        WndMessageBox("密码错误", "错误", MB_OK);
        WndSetActive(window);
        WndSetDlgItemText(window, IDC_LOGINDEMO_PASSWORD, "");
        WndSetFocus(WndGetDlgItem(window, IDC_LOGINDEMO_PASSWORD));
    } else {
        EndDialog(window, LOWORD(wParam));
    }
    return 1;
}

INT_PTR CALLBACK LoginDemoDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        WndSetDlgItemText(window, IDC_LOGINDEMO_ACCOUNT, kPresetAccount);
        WndSetDlgItemText(window, IDC_LOGINDEMO_PASSWORD, kPresetPassword);
        WndSetFocus(WndGetDlgItem(window, IDC_LOGINDEMO_PASSWORD));
        return 0; /* the platform keeps the focus set here */
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            return LoginDemoOnOk(window, message, wParam, lParam);
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(window, IDCANCEL);
        return 1;
    default:
        return 0;
    }
}

int LoginDemoMain(int argc, char** argv, char** envp)
{
    (void)argc;
    (void)argv;
    (void)envp;
    int width = 320, height = 240;
    GfxInit(NULL, &width, &height, NULL, 0, NULL);
    GfxShowDisplay(隐藏);
    INT_PTR result = WndDialogBox(GfxGetDisplayWindow(), MAKEINTRESOURCEA(IDD_LOGINDEMO),
                                  LoginDemoDialogProc, 0);
    GfxCloseDisplay(立即);
    return result == -1 ? 1 : 0;
}

int 主程序(int argc, char** argv, char** envp)
{
    return LoginDemoMain(argc, argv, envp);
}
