/* widgetdemo's main program and dialog procedure. */
#include "samples/widgetdemo/widgetdemo.h"

#include <commctrl.h>

#include "runtime/源码/墨语言.h"
#include "runtime/源码/显示.h"
#include "runtime/源码/视窗.h"

/* Debug category and level of the message log. */
enum { kLogCategory = 0, kLogLevel = 4 };

INT_PTR CALLBACK WidgetDemoDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DbgPrint(kLogCategory, kLogLevel, "消息=%整，参数1=%整， 参数2=%整。%行", (int)message,
             (int)wParam, (int)lParam);
    switch (message) {
    case WM_INITDIALOG:
        return 1;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(window, LOWORD(wParam));
        return 1;
    default:
        return 0;
    }
}

/* The template's progress bar, tab control and tree view are common controls, which must be
   registered before the dialog can be created. */
static void RegisterCommonControls(void)
{
    INITCOMMONCONTROLSEX classes = { sizeof classes,
                                     ICC_PROGRESS_CLASS | ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES };
    InitCommonControlsEx(&classes);
}

int WidgetDemoMain(int argc, char** argv, char** envp)
{
    (void)argc;
    (void)argv;
    (void)envp;
    RegisterCommonControls();
    int width = 320, height = 240;
    GfxInit(NULL, &width, &height, NULL, 0, NULL);
    GfxShowDisplay(隐藏);
    INT_PTR result = WndDialogBox(GfxGetDisplayWindow(), MAKEINTRESOURCEA(IDD_WIDGETDEMO),
                                  WidgetDemoDialogProc, 0);
    GfxCloseDisplay(立即);
    return result == -1 ? 1 : 0;
}

int 主程序(int argc, char** argv, char** envp)
{
    return WidgetDemoMain(argc, argv, envp);
}
