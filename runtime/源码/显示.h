/* The virtual display of a Moyu GUI program: the one DisplayState record, the GUI entry,
   the display window with its canvas, 250 ms refresh timer and blinking text cursor, and the
   library's message loops, which refuse to nest. Every function here runs on the program's
   single thread. */
#ifndef MOYU_GUI_DISPLAY_H
#define MOYU_GUI_DISPLAY_H

#include <windows.h>
#include "runtime/源码/常量.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Option words of the display. */
#define 菜单 ((KindWord)0xB2CBB5A5u)
#define 标题 ((KindWord)0xB1EACCE2u)
#define 图标 ((KindWord)0xCDBCB1EAu)
#define 事件 ((KindWord)0xCAC2BCFEu)

#ifndef kSourceGraphicsModule
#define kSourceGraphicsModule "源码\\墨语言图形.墨"
#endif
#ifndef kSourceGraphicsSupport
#define kSourceGraphicsSupport "源码\\图形支持.墨"
#endif

/* The class name and default title of the display window, and its icon resource. */
#define kDisplayClassName "星盒—虚拟显示器"
#define kDisplayIconResource "墨语言图标"

enum {
    kDisplayTimerId = 0x7FFFFFFF,
    kDisplayRefreshMs = 250,
    kDisplayDefaultStyle = 0xCA0000,
    kDisplayDefaultExStyle = 0x40000,
    /* Repaint bits: something was drawn; the timer asked for a repaint. */
    kRepaintDrawn = 0x01,
    kRepaintRequested = 0x10,
    /* Text cursor states. */
    kCursorOff = 0,
    kCursorShown = 1,
    kCursorBlinkHidden = 2,
    kCursorMoving = 10,
    kCursorMarkWidth = 2
};

/* Mode bits of GfxInit. */
enum {
    kModeDebugConsole = 0x1,
    kModeAwaitKeyDown = 0x2,
    kModeSystemKeys = 0x4,
    kModeNoClose = 0x8,
    kModeSizable = 0x10,
    kModeBorderPopup = 0x20,
    kModeBarePopup = 0x40,
    kModeAcceptFiles = 0x80
};

/* The program's hook: non-zero means the message was handled. */
typedef int (*VdMessageHook)(UINT message, WPARAM wParam, LPARAM lParam);
/* The program's WM_TIMER handler: non-zero means handled. */
typedef int (*VdTimerHandler)(UINT_PTR timerId);
/* Called with 1 when the display has opened and with 0 when it has been released. */
typedef void (*VdOpenCloseCallback)(int open);

/* The one record of a GUI program's virtual display. */
typedef struct DisplayState {
    int canvasWidth, canvasHeight;
    int windowWidth, windowHeight;
    HWND window;                 /* stays set to the destroyed window after closing */
    HINSTANCE instance;
    HINSTANCE previousInstance;
    HBITMAP canvasBitmap;
    HBITMAP displacedBitmap;     /* what the canvas bitmap replaced in the memory DC */
    HDC memoryDC;
    HGDIOBJ initialPen, initialBrush, initialFont;   /* displaced by the program's first own */
    HGDIOBJ consoleFontDisplaced;
    HGDIOBJ targetPen, targetBrush, targetFont;      /* the same for a target window's DC */
    unsigned char open;
    unsigned char repaintBits;
    unsigned char inLoop;        /* one of the library's loops runs; they refuse to nest */
    unsigned char debugConsole;
    UINT_PTR timerId;
    const char* title;
    const char* iconName;
    const char* menuName;
    DWORD style;
    DWORD exStyle;
    int exitCode;
    VdMessageHook messageHook;
    VdTimerHandler timerHandler;
    VdOpenCloseCallback openCloseCallback;
    HDC currentDC;               /* the memory DC or a target window's DC */
    HWND targetWindow;
    LPARAM lastInputParam;
    UINT awaitedMessage;
    unsigned char systemKeys;
    unsigned char noClose;
    unsigned char textCursorState;
    int cursorX, cursorY, cursorHeight;
    char* pasteBuffer;
    int pastePosition;
} DisplayState;

/* The record of this process; null before VdAllocState and after VdDiscardState. */
DisplayState* VdState(void);
/* Allocates the record zeroed with its defaults; null when there is no memory. */
DisplayState* VdAllocState(void);
/* Frees the record (the GUI entry does this after the program has ended). */
void VdDiscardState(void);

/* The GUI entry: WinMain's arguments; returns the program's result. */
int VdWinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);

/* Public graphics API of the display. */
int GfxInit(const char* title, int* width, int* height, const char* iconName, KindWord mode,
            VdMessageHook hook);
void GfxSetDisplayAttr(KindWord word, const void* value);
int GfxShowDisplay(KindWord word);
int GfxCloseDisplay(KindWord word);
int GfxRunMessageLoop(void);
int GfxIsDisplayOpen(void);
int GfxSetDisplayVisible(KindWord word);
int GfxGetExitCode(void);
void GfxInvalidate(void);
VdTimerHandler* GfxSetTimerHandler(VdTimerHandler handler);
int GfxSetTimer(UINT_PTR id, UINT milliseconds);
int GfxKillTimer(UINT_PTR id);
HWND GfxGetDisplayWindow(void);
HINSTANCE GfxGetInstance(void);
HINSTANCE GfxGetInstanceHandle(void);
void GfxFreeState(void);

/* Support functions behind them. */
void VdClearState(void);
int VdSetupDisplay(const char* title, int* width, int* height, const char* iconName,
                   KindWord mode, VdMessageHook hook);
void VdSetDisplayAttr(KindWord word, const void* value);
int VdOpenDisplay(int showCommand);
int VdCreateDisplayWindow(HINSTANCE instance, int showCommand);
void VdReleaseDisplay(void);
int VdCloseDisplay(int pump);
int VdMessageLoop(void);
int VdIsOpen(void);
int VdGetExitCode(void);
void VdInvalidate(void);
VdTimerHandler* VdSetTimerHandler(VdTimerHandler handler);
int VdSetTimer(UINT_PTR id, UINT milliseconds);
int VdKillTimer(UINT_PTR id);
HWND VdGetDisplayWindow(void);
HINSTANCE VdGetInstance(int which);
void VdFreeState(void);
LRESULT CALLBACK VdWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void CALLBACK VdRefreshTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);

#ifdef __cplusplus
}
#endif

#endif
