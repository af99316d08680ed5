/* widgetdemo: one modal dialog, "我的应用", from the program's resources, shown over a hidden
   virtual display; every message the dialog receives is logged to the debug output. */
#ifndef MOYU_SAMPLE_WIDGETDEMO_H
#define MOYU_SAMPLE_WIDGETDEMO_H

/* Resource ids, shared with widgetdemo.rc. */
#define IDD_WIDGETDEMO 100
#define IDC_WIDGETDEMO_TREE 1000
#define IDC_WIDGETDEMO_PROGRESS 1002
#define IDC_WIDGETDEMO_TAB 1003
#define IDC_WIDGETDEMO_EDIT 1004

#ifndef RC_INVOKED
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* 0 when the dialog ran; 1 when it could not be created. */
int WidgetDemoMain(int argc, char** argv, char** envp);
INT_PTR CALLBACK WidgetDemoDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#ifdef __cplusplus
}
#endif
#endif

#endif
