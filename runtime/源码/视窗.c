/* The window API's thin wrappers, off-screen canvases and bitmap loading, and the public
   registry, environment and shell calls. */
#include "runtime/源码/视窗.h"
#include "runtime/源码/外壳支持.h"
#include "runtime/源码/显示.h"
#include "runtime/源码/内存.h"

/* Source lines the module reports to the allocator. */
enum { kLineCanvasAlloc = 212, kLineCanvasFree = 262 };

static HWND OrDisplay(HWND window)
{
    return window ? window : GfxGetDisplayWindow();
}

/* The canvas memory DC, or null while the display is closed. */
static HDC DisplayDC(void)
{
    DisplayState* state = VdState();
    return state && state->open ? state->memoryDC : NULL;
}

/* Where drawing goes now, or null while the display is closed. */
static HDC DrawDC(void)
{
    DisplayState* state = VdState();
    return state && state->open ? state->currentDC : NULL;
}

/* ---- Off-screen canvases and bitmaps ----------------------------------------------- */

WndCanvas* WndCreateCanvas(int fromDisplay, int x, int y, int width, int height)
{
    HDC source = fromDisplay ? DisplayDC() : DrawDC();
    if (!source || width <= 0 || height <= 0)
        return NULL;
    WndCanvas* canvas = (WndCanvas*)MemAlloc(sizeof(WndCanvas), kSourceWindowModule,
                                             kLineCanvasAlloc);
    if (!canvas)
        return NULL;
    HDC dc = CreateCompatibleDC(source);
    HBITMAP bitmap = dc ? CreateCompatibleBitmap(source, width, height) : NULL;
    if (!bitmap) {
        if (dc)
            DeleteDC(dc);
        MemFree(canvas, kSourceWindowModule, kLineCanvasFree);
        return NULL;
    }
    canvas->memoryDC = dc;
    canvas->displacedBitmap = (HBITMAP)SelectObject(dc, bitmap);
    canvas->width = width;
    canvas->height = height;
    BitBlt(dc, 0, 0, width, height, source, x, y, SRCCOPY);
    return canvas;
}

int WndDrawCanvas(WndCanvas* canvas, int toDisplay, int x, int y, int width, int height)
{
    if (!canvas)
        return 0;
    HDC target = toDisplay ? DisplayDC() : DrawDC();
    if (!target)
        return 0;
    return BitBlt(target, x, y, width > 0 ? width : canvas->width,
                  height > 0 ? height : canvas->height, canvas->memoryDC, 0, 0, SRCCOPY);
}

int WndFreeCanvas(WndCanvas* canvas)
{
    if (!canvas)
        return 0;
    HGDIOBJ bitmap = SelectObject(canvas->memoryDC, canvas->displacedBitmap);
    DeleteObject(bitmap);
    DeleteDC(canvas->memoryDC);
    MemFree(canvas, kSourceWindowModule, kLineCanvasFree);
    return 1;
}

int WndDrawBitmap(HBITMAP bitmap, int x, int y, int width, int height, DWORD rasterOp)
{
    HDC target = DrawDC();
    if (!bitmap || !target)
        return 0;
    HDC source = CreateCompatibleDC(target);
    if (!source)
        return 0;
    HGDIOBJ displaced = SelectObject(source, bitmap);
    int result = BitBlt(target, x, y, width, height, source, 0, 0, rasterOp ? rasterOp : SRCCOPY);
    SelectObject(source, displaced);
    DeleteDC(source);
    return result;
}

HBITMAP WndLoadBitmap(KindWord source, const char* name, int width, int height)
{
    int fromResource = source == 资源 || source == 1;
    UINT flags = LR_CREATEDIBSECTION | (fromResource ? 0 : LR_LOADFROMFILE);
    return (HBITMAP)LoadImageA(fromResource ? GfxGetInstance() : NULL, name, IMAGE_BITMAP,
                               width, height, flags);
}

/* ---- Registry, environment and shell ----------------------------------------------- */

int WndRegRead(HKEY root, const char* subKey, const char* valueName, char* buffer, int size)
{
    return VdRegRead(root, subKey, valueName, buffer, size);
}

int WndRegWrite(HKEY root, const char* subKey, const char* valueName, const char* text)
{
    return VdRegWrite(root, subKey, valueName, text);
}

int WndRegDeleteKey(HKEY root, const char* subKey)
{
    return VdRegDeleteKey(root, subKey);
}

int WndRegDeleteValue(HKEY root, const char* subKey, const char* valueName)
{
    return VdRegDeleteValue(root, subKey, valueName);
}

DWORD WndGetEnv(const char* name, char* buffer, int size)
{
    return VdGetEnv(name, buffer, size);
}

DWORD WndGetCommandShell(char* buffer, int size)
{
    return VdGetEnv("COMSPEC", buffer, size);
}

int WndGetBrowserCommand(char* buffer, int size)
{
    return VdGetBrowserCommand(buffer, size);
}

HINSTANCE WndShellExecute(HWND window, KindWord verb, const char* file, const char* parameters,
                          const char* directory, int show)
{
    return VdShellExecute(window, verb, file, parameters, directory, show);
}

UINT WndWinExec(const char* command, int show)
{
    return WinExec(command, (UINT)show);
}

INT_PTR WndOpenDocument(const char* file, int show)
{
    return VdShellOpen(file, show);
}

BOOL WndSetConsoleCursor(int x, int y)
{
    return VdSetConsoleCursor(x, y);
}

/* ---- Plain wrappers ---------------------------------------------------------------- */

BOOL WndDestroy(HWND window) { return DestroyWindow(window); }
HWND WndGetParent(HWND window) { return GetParent(window); }
BOOL WndUpdate(HWND window) { return UpdateWindow(window); }
BOOL WndShow(HWND window, int command) { return ShowWindow(window, command); }
LONG WndSetLong(HWND window, int index, LONG value) { return SetWindowLongA(window, index, value); }
LONG WndGetLong(HWND window, int index) { return GetWindowLongA(window, index); }
HWND WndGetDesktop(void) { return GetDesktopWindow(); }
HWND WndFind(const char* className, const char* title) { return FindWindowA(className, title); }

HWND WndFindEx(HWND parent, HWND after, const char* className, const char* title)
{
    return FindWindowExA(parent, after, className, title);
}

BOOL WndMove(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    return MoveWindow(window, x, y, width, height, repaint);
}

BOOL WndSetPos(HWND window, HWND after, int x, int y, int width, int height, UINT flags)
{
    return SetWindowPos(window, after, x, y, width, height, flags);
}

HWND WndFromPoint(POINT point) { return WindowFromPoint(point); }
HWND WndChildFromPoint(HWND parent, POINT point) { return ChildWindowFromPoint(parent, point); }
HWND WndGetFocus(void) { return GetFocus(); }
HWND WndSetFocus(HWND window) { return SetFocus(window); }
HWND WndGetActive(void) { return GetActiveWindow(); }
HWND WndSetActive(HWND window) { return SetActiveWindow(window); }
HWND WndGetForeground(void) { return GetForegroundWindow(); }
BOOL WndSetForeground(HWND window) { return SetForegroundWindow(window); }
BOOL WndGetRect(HWND window, RECT* rect) { return GetWindowRect(window, rect); }
BOOL WndGetClientRect(HWND window, RECT* rect) { return GetClientRect(window, rect); }
HDC WndGetWindowDC(HWND window) { return GetWindowDC(window); }
HDC WndGetDC(HWND window) { return GetDC(window); }
int WndReleaseDC(HWND window, HDC dc) { return ReleaseDC(window, dc); }
HDC WndCreateCompatibleDC(HDC dc) { return CreateCompatibleDC(dc); }
BOOL WndDeleteDC(HDC dc) { return DeleteDC(dc); }
HBRUSH WndCreateSolidBrush(COLORREF colour) { return CreateSolidBrush(colour); }
int WndGetObject(HGDIOBJ object, int size, void* buffer) { return GetObjectA(object, size, buffer); }
HGDIOBJ WndGetStockObject(int index) { return GetStockObject(index); }
HGDIOBJ WndSelectObject(HDC dc, HGDIOBJ object) { return SelectObject(dc, object); }
BOOL WndDeleteObject(HGDIOBJ object) { return DeleteObject(object); }

HBITMAP WndCreateCompatibleBitmap(HDC dc, int width, int height)
{
    return CreateCompatibleBitmap(dc, width, height);
}

BOOL WndBitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
               DWORD rop)
{
    return BitBlt(dest, x, y, width, height, source, sx, sy, rop);
}

BOOL WndStretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy,
                   int sw, int sh, DWORD rop)
{
    return StretchBlt(dest, x, y, width, height, source, sx, sy, sw, sh, rop);
}

BOOL WndDestroyCursor(HCURSOR cursor) { return DestroyCursor(cursor); }
BOOL WndDestroyIcon(HICON icon) { return DestroyIcon(icon); }
BOOL WndDestroyMenu(HMENU menu) { return DestroyMenu(menu); }
BOOL WndDestroyAcceleratorTable(HACCEL table) { return DestroyAcceleratorTable(table); }
BOOL WndGetCursorPos(POINT* point) { return GetCursorPos(point); }
BOOL WndSetCursorPos(int x, int y) { return SetCursorPos(x, y); }
BOOL WndGetClipCursor(RECT* rect) { return GetClipCursor(rect); }
BOOL WndClipCursor(const RECT* rect) { return ClipCursor(rect); }
BOOL WndClientToScreen(HWND window, POINT* point) { return ClientToScreen(window, point); }
BOOL WndScreenToClient(HWND window, POINT* point) { return ScreenToClient(window, point); }
void WndGetSystemTime(SYSTEMTIME* time) { GetSystemTime(time); }
BOOL WndSetSystemTime(const SYSTEMTIME* time) { return SetSystemTime(time); }
void WndGetLocalTime(SYSTEMTIME* time) { GetLocalTime(time); }
BOOL WndSetLocalTime(const SYSTEMTIME* time) { return SetLocalTime(time); }

HRSRC WndFindResource(HMODULE module, const char* name, const char* type)
{
    return FindResourceA(module, name, type);
}

DWORD WndSizeofResource(HMODULE module, HRSRC resource) { return SizeofResource(module, resource); }
HGLOBAL WndLoadResource(HMODULE module, HRSRC resource) { return LoadResource(module, resource); }
void* WndLockResource(HGLOBAL data) { return LockResource(data); }
BOOL WndFreeResource(HGLOBAL data) { return FreeResource(data); }

HANDLE WndLoadImage(HINSTANCE instance, const char* name, UINT type, int width, int height,
                    UINT flags)
{
    return LoadImageA(instance, name, type, width, height, flags);
}

HICON WndLoadIcon(HINSTANCE instance, const char* name) { return LoadIconA(instance, name); }
HMODULE WndLoadLibrary(const char* name) { return LoadLibraryA(name); }
HMODULE WndGetModuleHandle(const char* name) { return GetModuleHandleA(name); }
BOOL WndFreeLibrary(HMODULE module) { return FreeLibrary(module); }
FARPROC WndGetProcAddress(HMODULE module, const char* name) { return GetProcAddress(module, name); }
int WndGetSystemMetrics(int index) { return GetSystemMetrics(index); }
int WndGetTextLength(HWND window) { return GetWindowTextLengthA(window); }
int WndGetText(HWND window, char* buffer, int size) { return GetWindowTextA(window, buffer, size); }
BOOL WndSetText(HWND window, const char* text) { return SetWindowTextA(window, text); }

LRESULT GfxSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageA(window, message, wParam, lParam);
}

BOOL GfxSendMessageCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            SENDASYNCPROC callback, ULONG_PTR data)
{
    return SendMessageCallbackA(window, message, wParam, lParam, callback, data);
}

BOOL GfxSendNotifyMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendNotifyMessageA(window, message, wParam, lParam);
}

BOOL GfxPostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostMessageA(OrDisplay(window), message, wParam, lParam);
}

BOOL GfxPostThreadMessage(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostThreadMessageA(thread, message, wParam, lParam);
}

int GfxSetControlFont(HWND window, HFONT font, int send)
{
    if (!window || !font)
        return 0;
    if (send == 0)
        return PostMessageA(window, WM_SETFONT, (WPARAM)font, 0);
    SendMessageA(window, WM_SETFONT, (WPARAM)font, 0);
    return 1;
}

HANDLE GfxGetCurrentThread(void) { return GetCurrentThread(); }
DWORD GfxGetCurrentThreadId(void) { return GetCurrentThreadId(); }
void GfxSleep(DWORD milliseconds) { Sleep(milliseconds); }

LRESULT GfxDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT GfxDefDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefDlgProcA(window, message, wParam, lParam);
}
