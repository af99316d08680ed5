/* Dialogs of the window API: the style words of in-memory dialogs, dialogs from templates
   and resources, message boxes, dialog items and the file dialogs. */
#include "runtime/源码/视窗.h"
#include "runtime/源码/视窗支持.h"
#include "runtime/源码/显示.h"

#include <direct.h>

/* The style words of in-memory dialogs; a style word of 0 stands for kDialogDefaultStyle. */
typedef struct DialogStyleWords {
    DWORD style;
    DWORD exStyle;
} DialogStyleWords;

static DialogStyleWords g_dialogStyleWords;

static DWORD DialogStyle(void)
{
    return g_dialogStyleWords.style ? g_dialogStyleWords.style : kDialogDefaultStyle;
}

void WndDialogStyle(KindWord operation, DWORD bits, int which, DWORD* old)
{
    if (g_dialogStyleWords.style == 0)
        g_dialogStyleWords.style = kDialogDefaultStyle;
    DWORD* word = which == 0 ? &g_dialogStyleWords.style : &g_dialogStyleWords.exStyle;
    if (old)
        *old = *word;
    if (operation == 清除) {
        *word &= ~bits;
    } else if (operation == 设置) {
        *word = bits;
    } else if (operation == 添加) {
        *word |= bits;
    } else if (operation == 重置) {
        g_dialogStyleWords.style = 0;
        g_dialogStyleWords.exStyle = 0;
    }
}

/* A position of 0x100000 or more in size means "centred". */
static DWORD CentreRule(int* x, int* y, DWORD style)
{
    if (*x >= kDialogCentreThreshold || *x <= -kDialogCentreThreshold) {
        *x = 0;
        *y = 0;
        style |= DS_CENTER;
    }
    return style;
}

INT_PTR WndRunDialog(HWND owner, const char* title, int x, int y, int width, int height,
                     DLGPROC procedure, LPARAM initParam, const char* face, int pointSize)
{
    DWORD style = CentreRule(&x, &y, DialogStyle());
    return DlgRunFromTemplateModal(owner, title, x, y, width, height, procedure, initParam,
                                   face, pointSize, style, g_dialogStyleWords.exStyle);
}

INT_PTR WndRunDialogCentered(const char* title, int width, int height, DLGPROC procedure,
                             LPARAM initParam)
{
    DWORD style = g_dialogStyleWords.style ? g_dialogStyleWords.style | DS_CENTER
                                           : kDialogCentredDefaultStyle;
    return DlgRunFromTemplateModal(GfxGetDisplayWindow(), title, 0, 0, width, height, procedure,
                                   initParam, NULL, 0, style, g_dialogStyleWords.exStyle);
}

HWND WndCreateDialog(HWND owner, const char* title, int x, int y, int width, int height,
                     DLGPROC procedure, LPARAM initParam, const char* face, int pointSize)
{
    DWORD style = CentreRule(&x, &y, DialogStyle());
    return DlgCreateFromTemplateModeless(owner, title, x, y, width, height, procedure,
                                         initParam, face, pointSize, style,
                                         g_dialogStyleWords.exStyle);
}

INT_PTR WndDialogBox(HWND owner, const char* templateName, DLGPROC procedure, LPARAM initParam)
{
    return DlgRunResource(owner, templateName, procedure, initParam);
}

BOOL WndEndDialog(HWND window, INT_PTR result)
{
    return EndDialog(window, result);
}

int WndMessageBox(const char* text, const char* caption, UINT type)
{
    return MessageBoxA(GfxGetDisplayWindow(), text, caption, type);
}

static HWND OrDisplay(HWND window)
{
    return window ? window : GfxGetDisplayWindow();
}

HWND WndGetDlgItem(HWND window, int id)
{
    return GetDlgItem(OrDisplay(window), id);
}

UINT WndGetDlgItemInt(HWND window, int id, BOOL* translated, BOOL isSigned)
{
    return GetDlgItemInt(OrDisplay(window), id, translated, isSigned);
}

UINT WndGetDlgItemText(HWND window, int id, char* buffer, int size)
{
    return GetDlgItemTextA(OrDisplay(window), id, buffer, size);
}

BOOL WndSetDlgItemInt(HWND window, int id, UINT value, BOOL isSigned)
{
    return SetDlgItemInt(OrDisplay(window), id, value, isSigned);
}

BOOL WndSetDlgItemText(HWND window, int id, const char* text)
{
    return SetDlgItemTextA(OrDisplay(window), id, text);
}

int WndOpenFileDialog(char* buffer, int size, DWORD* offsets, const char* filter, int filterIndex,
                      const char* initialFolder, const char* title, DWORD flags)
{
    return DlgOpenFile(buffer, size, offsets, filter, filterIndex, initialFolder, title, flags);
}

int WndSaveFileDialog(char* buffer, int size, DWORD* offsets, const char* filter, int filterIndex,
                      const char* initialFolder, const char* title, DWORD flags)
{
    return DlgSaveFile(buffer, size, offsets, filter, filterIndex, initialFolder, title, flags);
}

static const char* CurrentFolder(char* buffer, int size)
{
    return _getcwd(buffer, size);
}

int WndOpenFileDialogSimple(char* buffer, int size)
{
    char folder[256];
    return DlgOpenFile(buffer, size, NULL, "全部(*.*)|*.*", 0, CurrentFolder(folder, sizeof folder),
                       NULL, 0);
}

int WndSaveFileDialogSimple(char* buffer, int size)
{
    char folder[256];
    return DlgSaveFile(buffer, size, NULL, "全部(*.*)|*.*", 0, CurrentFolder(folder, sizeof folder),
                       NULL, 0);
}
