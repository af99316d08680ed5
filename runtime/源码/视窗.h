/* The window API of Moyu GUI programs: controls with Chinese class names and small style
   words, windows and classes, off-screen canvases, bitmaps, thin wrappers of the platform's
   window, GDI, resource, module, registry, environment and shell calls, and dialogs (from
   resources, from templates built in memory, and the file dialogs). A null window argument
   means the display window where noted. */
#ifndef MOYU_GUI_WINDOW_H
#define MOYU_GUI_WINDOW_H

#include <windows.h>
#include "runtime/源码/常量.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSourceWindowModule "源码\\墨语言视窗.墨"
#define kSourceWindowSupport "源码\\视窗支持.墨"

/* Option words of the window API. */
#define 资源 ((KindWord)0xD7CAD4B4u)
#define 打印 ((KindWord)0xB4F2D3A1u)
#define 浏览 ((KindWord)0xE4AFC0C0u)

/* ---- Controls ---------------------------------------------------------------------- */

/* The control constructors, one row set each in the style table. */
typedef enum ControlKind {
    kControlButton,
    kControlCheckBox,
    kControlRadioButton,
    kControlGroupBox,
    kControlLabel,
    kControlPicture,
    kControlEdit,
    kControlRichEdit,
    kControlComboBox,
    kControlListBox,
    kControlScrollBar,
    kControlKindCount
} ControlKind;

/* The style argument of the control constructors: with bit 31 clear the platform window
   style itself; with bit 31 set a kind (low 5 bits) of the constructor's table and flags. */
typedef DWORD ControlStyleWord;

/* A window style and extended style pair. */
typedef struct ControlStyle {
    DWORD style;
    DWORD exStyle;
} ControlStyle;

/* Style-word bits (with bit 31 set). */
enum {
    kStyleWordTable = 0x80000000u,
    kStyleWordKindMask = 0x1F,
    kStyleWordProgramSet = 0x80000007u,
    kStyleWordDisabled = 0x8000000,
    kStyleWordHidden = 0x400,
    kStyleWordTransparent = 0x800
};

/* What a style word means for a constructor: pure, so it can be checked without windows.
   programSet is the pair WndSetControlStyle keeps. */
ControlStyle WndResolveControlStyle(ControlKind kind, ControlStyleWord styleWord,
                                    ControlStyle programSet);
/* The platform class name for a Chinese name of ControlClassTable; any other name as given. */
const char* WndMapClassName(const char* name);

HWND WndCreateButton(HWND parent, const char* text, int x, int y, int width, int height,
                     ControlStyleWord styleWord, int id);
HWND WndCreateCheckBox(HWND parent, const char* text, int x, int y, int width, int height,
                       ControlStyleWord styleWord, int id);
HWND WndCreateRadioButton(HWND parent, const char* text, int x, int y, int width, int height,
                          ControlStyleWord styleWord, int id);
HWND WndCreateGroupBox(HWND parent, const char* text, int x, int y, int width, int height,
                       ControlStyleWord styleWord, int id);
HWND WndCreateLabel(HWND parent, const char* text, int x, int y, int width, int height,
                    ControlStyleWord styleWord, int id);
HWND WndCreatePicture(HWND parent, const char* text, int x, int y, int width, int height,
                      ControlStyleWord styleWord, int id);
HWND WndCreateEdit(HWND parent, const char* text, int x, int y, int width, int height,
                   ControlStyleWord styleWord, int id);
HWND WndCreateRichEdit(HWND parent, const char* text, int x, int y, int width, int height,
                       ControlStyleWord styleWord, int id);
HWND WndCreateComboBox(HWND parent, const char* text, int x, int y, int width, int height,
                       ControlStyleWord styleWord, int id);
HWND WndCreateListBox(HWND parent, const char* text, int x, int y, int width, int height,
                      ControlStyleWord styleWord, int id);
HWND WndCreateScrollBar(HWND parent, const char* text, int x, int y, int width, int height,
                        ControlStyleWord styleWord, int id);

void WndSetControlStyle(DWORD style, DWORD exStyle);
/* The style for which 0, the extended style otherwise. */
DWORD WndGetControlStyle(int which);
void WndSetDefaultControlFont(HFONT font);
HFONT WndGetDefaultControlFont(void);

/* ---- Windows and classes ----------------------------------------------------------- */

ATOM WndRegisterClass(const char* className, WNDPROC procedure, UINT classStyle,
                      const char* menuName, HICON icon, HCURSOR cursor, HBRUSH background);
HWND WndCreate(const char* className, const char* title, DWORD style, int x, int y, int width,
               int height, HWND parent, HMENU menuOrId, void* parameter);
HWND WndCreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                 int y, int width, int height, HWND parent, HMENU menuOrId, void* parameter);

/* ---- Off-screen canvases and bitmaps ----------------------------------------------- */

typedef struct WndCanvas {
    HDC memoryDC;
    HBITMAP displacedBitmap;
    int width;
    int height;
} WndCanvas;

WndCanvas* WndCreateCanvas(int fromDisplay, int x, int y, int width, int height);
int WndDrawCanvas(WndCanvas* canvas, int toDisplay, int x, int y, int width, int height);
int WndFreeCanvas(WndCanvas* canvas);
int WndDrawBitmap(HBITMAP bitmap, int x, int y, int width, int height, DWORD rasterOp);
/* source 资源 or 1: a bitmap resource of the program; anything else: a file name. */
HBITMAP WndLoadBitmap(KindWord source, const char* name, int width, int height);

/* ---- Registry, environment and shell ----------------------------------------------- */

int WndRegRead(HKEY root, const char* subKey, const char* valueName, char* buffer, int size);
int WndRegWrite(HKEY root, const char* subKey, const char* valueName, const char* text);
int WndRegDeleteKey(HKEY root, const char* subKey);
int WndRegDeleteValue(HKEY root, const char* subKey, const char* valueName);
DWORD WndGetEnv(const char* name, char* buffer, int size);
DWORD WndGetCommandShell(char* buffer, int size);
int WndGetBrowserCommand(char* buffer, int size);
HINSTANCE WndShellExecute(HWND window, KindWord verb, const char* file, const char* parameters,
                          const char* directory, int show);
UINT WndWinExec(const char* command, int show);
INT_PTR WndOpenDocument(const char* file, int show);
BOOL WndSetConsoleCursor(int x, int y);

/* ---- Plain wrappers ---------------------------------------------------------------- */

BOOL WndDestroy(HWND window);
HWND WndGetParent(HWND window);
BOOL WndUpdate(HWND window);
BOOL WndShow(HWND window, int command);
LONG WndSetLong(HWND window, int index, LONG value);
LONG WndGetLong(HWND window, int index);
HWND WndGetDesktop(void);
HWND WndFind(const char* className, const char* title);
HWND WndFindEx(HWND parent, HWND after, const char* className, const char* title);
BOOL WndMove(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL WndSetPos(HWND window, HWND after, int x, int y, int width, int height, UINT flags);
HWND WndFromPoint(POINT point);
HWND WndChildFromPoint(HWND parent, POINT point);
HWND WndGetFocus(void);
HWND WndSetFocus(HWND window);
HWND WndGetActive(void);
HWND WndSetActive(HWND window);
HWND WndGetForeground(void);
BOOL WndSetForeground(HWND window);
BOOL WndGetRect(HWND window, RECT* rect);
BOOL WndGetClientRect(HWND window, RECT* rect);
HDC WndGetWindowDC(HWND window);
HDC WndGetDC(HWND window);
int WndReleaseDC(HWND window, HDC dc);
HDC WndCreateCompatibleDC(HDC dc);
BOOL WndDeleteDC(HDC dc);
HBRUSH WndCreateSolidBrush(COLORREF colour);
int WndGetObject(HGDIOBJ object, int size, void* buffer);
HGDIOBJ WndGetStockObject(int index);
HGDIOBJ WndSelectObject(HDC dc, HGDIOBJ object);
BOOL WndDeleteObject(HGDIOBJ object);
HBITMAP WndCreateCompatibleBitmap(HDC dc, int width, int height);
BOOL WndBitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
               DWORD rop);
BOOL WndStretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                   int sw, int sh, DWORD rop);
BOOL WndDestroyCursor(HCURSOR cursor);
BOOL WndDestroyIcon(HICON icon);
BOOL WndDestroyMenu(HMENU menu);
BOOL WndDestroyAcceleratorTable(HACCEL table);
BOOL WndGetCursorPos(POINT* point);
BOOL WndSetCursorPos(int x, int y);
BOOL WndGetClipCursor(RECT* rect);
BOOL WndClipCursor(const RECT* rect);
BOOL WndClientToScreen(HWND window, POINT* point);
BOOL WndScreenToClient(HWND window, POINT* point);
void WndGetSystemTime(SYSTEMTIME* time);
BOOL WndSetSystemTime(const SYSTEMTIME* time);
void WndGetLocalTime(SYSTEMTIME* time);
BOOL WndSetLocalTime(const SYSTEMTIME* time);
HRSRC WndFindResource(HMODULE module, const char* name, const char* type);
DWORD WndSizeofResource(HMODULE module, HRSRC resource);
HGLOBAL WndLoadResource(HMODULE module, HRSRC resource);
void* WndLockResource(HGLOBAL data);
BOOL WndFreeResource(HGLOBAL data);
HANDLE WndLoadImage(HINSTANCE instance, const char* name, UINT type, int width, int height,
                    UINT flags);
HICON WndLoadIcon(HINSTANCE instance, const char* name);
HMODULE WndLoadLibrary(const char* name);
HMODULE WndGetModuleHandle(const char* name);
BOOL WndFreeLibrary(HMODULE module);
FARPROC WndGetProcAddress(HMODULE module, const char* name);
int WndGetSystemMetrics(int index);
int WndGetTextLength(HWND window);
int WndGetText(HWND window, char* buffer, int size);
BOOL WndSetText(HWND window, const char* text);
LRESULT GfxSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL GfxSendMessageCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            SENDASYNCPROC callback, ULONG_PTR data);
BOOL GfxSendNotifyMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/* A null window posts to the display window. */
BOOL GfxPostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL GfxPostThreadMessage(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam);
/* send 0 posts WM_SETFONT and returns the post's result; otherwise sends it and returns 1. */
int GfxSetControlFont(HWND window, HFONT font, int send);
HANDLE GfxGetCurrentThread(void);
DWORD GfxGetCurrentThreadId(void);
void GfxSleep(DWORD milliseconds);
LRESULT GfxDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT GfxDefDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/* ---- Dialogs ----------------------------------------------------------------------- */

enum {
    kDialogDefaultStyle = 0x90CA00C0u,
    kDialogCentredDefaultStyle = 0x90CA08C0u,
    kDialogCentreThreshold = 0x100000
};

/* which 0: the style word, else the extended word. 清除 clears bits, 设置 sets the word,
   添加 adds bits, 重置 sets both words to 0 (the default); old (may be null) receives the
   word before the change. */
void WndDialogStyle(KindWord operation, DWORD bits, int which, DWORD* old);
INT_PTR WndRunDialog(HWND owner, const char* title, int x, int y, int width, int height,
                     DLGPROC procedure, LPARAM initParam, const char* face, int pointSize);
INT_PTR WndRunDialogCentered(const char* title, int width, int height, DLGPROC procedure,
                             LPARAM initParam);
HWND WndCreateDialog(HWND owner, const char* title, int x, int y, int width, int height,
                     DLGPROC procedure, LPARAM initParam, const char* face, int pointSize);
INT_PTR WndDialogBox(HWND owner, const char* templateName, DLGPROC procedure, LPARAM initParam);
BOOL WndEndDialog(HWND window, INT_PTR result);
int WndMessageBox(const char* text, const char* caption, UINT type);
HWND WndGetDlgItem(HWND window, int id);
UINT WndGetDlgItemInt(HWND window, int id, BOOL* translated, BOOL isSigned);
UINT WndGetDlgItemText(HWND window, int id, char* buffer, int size);
BOOL WndSetDlgItemInt(HWND window, int id, UINT value, BOOL isSigned);
BOOL WndSetDlgItemText(HWND window, int id, const char* text);

/* 1 chosen, 0 cancelled or failed, -1 for a buffer below 4 bytes, minus the needed size
   when the buffer is too small. offsets (may be null) receives the file-name offset in its
   low half and the extension offset in its high half. */
int WndOpenFileDialog(char* buffer, int size, DWORD* offsets, const char* filter, int filterIndex,
                      const char* initialFolder, const char* title, DWORD flags);
int WndSaveFileDialog(char* buffer, int size, DWORD* offsets, const char* filter, int filterIndex,
                      const char* initialFolder, const char* title, DWORD flags);
int WndOpenFileDialogSimple(char* buffer, int size);
int WndSaveFileDialogSimple(char* buffer, int size);

#ifdef __cplusplus
}
#endif

#endif
