/* logindemo: the login dialog "登陆器" over a hidden virtual display; it checks the password
   against the one stored in the program and either ends or reports "密码错误". */
#ifndef MOYU_SAMPLE_LOGINDEMO_H
#define MOYU_SAMPLE_LOGINDEMO_H

/* Resource ids, shared with logindemo.rc. */
#define IDD_LOGINDEMO 100
#define IDC_LOGINDEMO_ACCOUNT 1000
#define IDC_LOGINDEMO_PASSWORD 1004

#ifndef RC_INVOKED
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* 0 when the dialog ran; 1 when it could not be created. */
int LoginDemoMain(int argc, char** argv, char** envp);
INT_PTR CALLBACK LoginDemoDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/* Checks the password; ends the dialog when it is right. Always 1. */
int LoginDemoOnOk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#ifdef __cplusplus
}
#endif
#endif

#endif
