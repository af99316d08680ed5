/* The display state record, the GUI entry, the program's set-up of the display and the
   library's message loops. The window itself (class, procedure, timer, canvas) lives in
   显示窗口.c. */
#include "runtime/源码/显示.h"
#include "runtime/源码/文本控制台.h"
#include "runtime/源码/显示输入.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/系统.h"

#include <stdio.h>
#include <stdlib.h>

/* Source lines the entry reports to the allocator. */
enum { kLineAllocState = 92, kLineFreeArguments = 117, kLineFreeState = 118 };

static DisplayState* g_display;

DisplayState* VdState(void)
{
    return g_display;
}

DisplayState* VdAllocState(void)
{
    if (g_display)
        return g_display;
    g_display = (DisplayState*)MemCalloc(1, sizeof(DisplayState), kSourceGraphicsSupport,
                                         kLineAllocState);
    if (!g_display)
        return NULL;
    g_display->awaitedMessage = WM_CHAR;
    g_display->exStyle = kDisplayDefaultExStyle;
    g_display->style = kDisplayDefaultStyle;
    return g_display;
}

void VdDiscardState(void)
{
    if (!g_display)
        return;
    MemFree(g_display, kSourceGraphicsSupport, kLineFreeState);
    g_display = NULL;
}

/* Reads one key press from the console, without echo. The C runtime's console reads may
   hold a console handle from before the console was allocated, so the console input is
   opened here. */
static void WaitForConsoleKey(void)
{
    HANDLE input = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (input == INVALID_HANDLE_VALUE)
        return;
    INPUT_RECORD record;
    DWORD count = 0;
    while (ReadConsoleInputA(input, &record, 1, &count) && count == 1) {
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown)
            break;
    }
    CloseHandle(input);
}

/* Waits for a key in the debug console so that its output can still be read. */
static void CloseDebugConsole(void)
{
    printf("\n按“回车键”关闭调试窗口");
    fflush(stdout);
    WaitForConsoleKey();
    FreeConsole();
}

int VdWinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand)
{
    (void)showCommand;
    DisplayState* display = VdAllocState();
    if (!display) {
        MessageBoxA(NULL, "内存不足！", "错误", MB_OK);
        return -1;
    }

    char fileName[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, fileName, sizeof fileName);
    if (length == 0 || length >= sizeof fileName)
        fileName[0] = '\0';

    int argc = 0;
    char** argv = SplitCommandLine(commandLine, &argc, 1);
    char* fallback[3];
    if (argv) {
        argv[0] = fileName;
    } else {
        fallback[0] = fileName;
        fallback[1] = commandLine;
        fallback[2] = NULL;
        argc = 2;
    }

    display->instance = instance;
    display->previousInstance = previousInstance;
    SysSetNoKeyboard();

    int result = ProgramEntry(argc, argv ? argv : fallback, NULL);

    MemSetTrace(关);
    if (argv)
        MemFree(argv, kSourceSystemModule, kLineFreeArguments);
    int debugConsole = display->debugConsole;
    VdDiscardState();
    if (debugConsole)
        CloseDebugConsole();
    return result;
}

/* The request of one dimension gives the canvas and the window size. */
static void ApplySizeRule(int requested, int screen, int windowCap, int fullCanvasOnDefault,
                          int* canvas, int* window)
{
    if (requested > 100 * screen) {
        *canvas = 100 * screen;
        *window = windowCap;
    } else if (requested <= 0) {
        *window = screen >> 1;
        *canvas = fullCanvasOnDefault ? screen : screen >> 1;
    } else {
        *canvas = requested;
        *window = requested;
    }
}

static void OpenDebugConsole(DisplayState* display)
{
    AllocConsole();
    freopen("CONOUT$", "w+t", stdout);
    freopen("CONIN$", "r+t", stdin);
    display->debugConsole = 1;
}

static void ApplyModeBits(DisplayState* display, unsigned mode)
{
    if (mode & kModeDebugConsole)
        OpenDebugConsole(display);
    if (mode & kModeAwaitKeyDown)
        display->awaitedMessage = WM_KEYDOWN;
    if (mode & kModeSystemKeys) {
        display->awaitedMessage = WM_KEYDOWN;
        display->systemKeys = 1;
    }
    if (mode & kModeNoClose)
        display->noClose = 1;
    if (mode & kModeSizable)
        display->style |= 0x50000;
    if (mode & kModeBorderPopup)
        display->style = 0x80800000;
    else if (mode & kModeBarePopup)
        display->style = 0x80000000;
    if (mode & kModeAcceptFiles)
        display->exStyle |= 0x10;
}

void VdClearState(void)
{
}

int VdSetupDisplay(const char* title, int* width, int* height, const char* iconName,
                   KindWord mode, VdMessageHook hook)
{
    VdClearState();
    SysSetCallbacks(GfxWaitKey, GfxPollKey, GfxPrintf);
    DisplayState* display = VdState();
    if (!display)
        return -1;
    if (mode == 调试)
        mode = kModeDebugConsole;
    ApplyModeBits(display, mode);

    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int fullCanvas = (mode & kModeSizable) != 0;
    ApplySizeRule(width ? *width : 0, screenWidth, screenWidth, fullCanvas,
                  &display->canvasWidth, &display->windowWidth);
    ApplySizeRule(height ? *height : 0, screenHeight, screenHeight - 30, fullCanvas,
                  &display->canvasHeight, &display->windowHeight);
    if (width)
        *width = display->canvasWidth;
    if (height)
        *height = display->canvasHeight;

    if (iconName)
        display->iconName = iconName;
    if (title)
        display->title = title;
    if (hook)
        display->messageHook = hook;
    return 0;
}

int GfxInit(const char* title, int* width, int* height, const char* iconName, KindWord mode,
            VdMessageHook hook)
{
    int result = VdSetupDisplay(title, width, height, iconName, mode, hook);
    DisplayState* display = VdState();
    if (display)
        VdResetConsole(display->canvasWidth, display->canvasHeight);
    return result;
}

void VdSetDisplayAttr(KindWord word, const void* value)
{
    DisplayState* display = VdState();
    if (!display)
        return;
    if (word == 菜单 || word == 1)
        display->menuName = (const char*)value;
    else if (word == 标题 || word == 2)
        display->title = (const char*)value;
    else if (word == 图标 || word == 3)
        display->iconName = (const char*)value;
    else if (word == 事件 || word == 4)
        display->messageHook = (VdMessageHook)value;
}

void GfxSetDisplayAttr(KindWord word, const void* value)
{
    VdSetDisplayAttr(word, value);
}

int VdOpenDisplay(int showCommand)
{
    DisplayState* display = VdState();
    if (!display)
        return -1;
    if (display->open)
        return 0;
    display->openCloseCallback = SysSetRedirect;
    return VdCreateDisplayWindow(display->instance, showCommand);
}

int GfxShowDisplay(KindWord word)
{
    return VdOpenDisplay(word == 显示 || word == 0 ? SW_SHOWNORMAL : SW_HIDE);
}

/* Pumps until WM_QUIT (or a GetMessage error), then releases the display. */
static void PumpUntilQuit(DisplayState* display)
{
    MSG message = { 0 };
    display->inLoop = 1;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    VdReleaseDisplay();
    display->exitCode = (int)message.wParam;
    display->inLoop = 0;
}

int VdCloseDisplay(int pump)
{
    DisplayState* display = VdState();
    if (!display || !display->open)
        return -1;
    DestroyWindow(display->window);
    if (!pump || display->inLoop)
        return 0;
    PumpUntilQuit(display);
    return 0;
}

int GfxCloseDisplay(KindWord word)
{
    int result = VdCloseDisplay(word == 立即 ? 1 : word != 0);
    GfxFreeState();
    return result;
}

int VdMessageLoop(void)
{
    DisplayState* display = VdState();
    if (!display || !display->open)
        return -1;
    if (display->inLoop)
        return -2;
    PumpUntilQuit(display);
    return 0;
}

int GfxRunMessageLoop(void)
{
    int result = VdMessageLoop();
    GfxFreeState();
    return result;
}

int VdIsOpen(void)
{
    DisplayState* display = VdState();
    return display ? display->open : 0;
}

int GfxIsDisplayOpen(void)
{
    return VdIsOpen();
}

int GfxSetDisplayVisible(KindWord word)
{
    DisplayState* display = VdState();
    if (!display || !display->open)
        return 0;
    if (word == 显示)
        ShowWindow(display->window, SW_SHOWNORMAL);
    else if (word == 隐藏)
        ShowWindow(display->window, SW_HIDE);
    else
        return 0;
    UpdateWindow(display->window);
    return 1;
}

int VdGetExitCode(void)
{
    DisplayState* display = VdState();
    return display ? display->exitCode : 0;
}

int GfxGetExitCode(void)
{
    return VdGetExitCode();
}

void VdInvalidate(void)
{
    DisplayState* display = VdState();
    if (display && display->open)
        InvalidateRect(display->window, NULL, FALSE);
}

void GfxInvalidate(void)
{
    VdInvalidate();
}

VdTimerHandler* VdSetTimerHandler(VdTimerHandler handler)
{
    DisplayState* display = VdState();
    if (!display)
        return NULL;
    display->timerHandler = handler;
    return &display->timerHandler;
}

VdTimerHandler* GfxSetTimerHandler(VdTimerHandler handler)
{
    return VdSetTimerHandler(handler);
}

int VdSetTimer(UINT_PTR id, UINT milliseconds)
{
    DisplayState* display = VdState();
    if (!display || !display->open)
        return 0;
    return (int)SetTimer(display->window, id, milliseconds, NULL);
}

int GfxSetTimer(UINT_PTR id, UINT milliseconds)
{
    return VdSetTimer(id, milliseconds);
}

int VdKillTimer(UINT_PTR id)
{
    DisplayState* display = VdState();
    if (!display || !display->open)
        return 1;
    return KillTimer(display->window, id) ? 0 : 1;
}

int GfxKillTimer(UINT_PTR id)
{
    return VdKillTimer(id);
}

HWND VdGetDisplayWindow(void)
{
    DisplayState* display = VdState();
    return display ? display->window : NULL;
}

HWND GfxGetDisplayWindow(void)
{
    return VdGetDisplayWindow();
}

HINSTANCE VdGetInstance(int which)
{
    DisplayState* display = VdState();
    if (!display)
        return NULL;
    return which < 0 ? display->previousInstance : display->instance;
}

HINSTANCE GfxGetInstance(void)
{
    return VdGetInstance(1);
}

HINSTANCE GfxGetInstanceHandle(void)
{
    return VdGetInstance(-1);
}

void VdFreeState(void)
{
    GfxSetInputHistory(0);
    DisplayState* display = VdState();
    if (!display)
        return;
    free(display->pasteBuffer);
    display->pasteBuffer = NULL;
    display->pastePosition = 0;
}

void GfxFreeState(void)
{
    VdFreeState();
}
