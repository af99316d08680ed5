/* The display window: its class, window procedure, refresh and blink timer, the canvas it
   repaints from, and the release of the canvas when the window has gone. */
#include "runtime/源码/显示.h"

/* Counts refresh ticks; the text cursor changes phase on every second one. */
static int g_blinkTicks;

/* The program's hook, when it set one; 0 (not handled) otherwise. */
static int CallHook(DisplayState* display, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!display || !display->messageHook)
        return 0;
    return display->messageHook(message, wParam, lParam);
}

static void PaintFromCanvas(HWND window, DisplayState* display)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    if (display) {
        if (display->repaintBits & kRepaintRequested)
            display->repaintBits = 0;
        if (display->memoryDC) {
            int width = min(display->canvasWidth, (int)client.right);
            int height = min(display->canvasHeight, (int)client.bottom);
            BitBlt(dc, 0, 0, width, height, display->memoryDC, 0, 0, SRCCOPY);
            if (display->textCursorState == kCursorShown)
                BitBlt(dc, display->cursorX, display->cursorY, kCursorMarkWidth,
                       display->cursorHeight, display->memoryDC, display->cursorX,
                       display->cursorY, NOTSRCCOPY);
        }
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK VdWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DisplayState* display = VdState();
    switch (message) {
    case WM_CREATE:
        if (display)
            display->timerId = kDisplayTimerId;
        SetTimer(window, kDisplayTimerId, kDisplayRefreshMs, VdRefreshTimerProc);
        CallHook(display, message, wParam, lParam);
        return 0;
    case WM_DESTROY:
        KillTimer(window, kDisplayTimerId);
        if (display)
            display->timerId = 0;
        CallHook(display, message, wParam, lParam);
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        PaintFromCanvas(window, display);
        CallHook(display, message, wParam, lParam);
        return 0;
    case WM_TIMER:
        if (display && display->timerHandler && display->timerHandler(wParam))
            return 0;
        CallHook(display, message, wParam, lParam);
        return 0;
    default:
        if (CallHook(display, message, wParam, lParam))
            return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void CALLBACK VdRefreshTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time)
{
    (void)message;
    (void)id;
    (void)time;
    DisplayState* display = VdState();
    if (!display)
        return;
    if (display->repaintBits) {
        display->repaintBits |= kRepaintRequested;
        InvalidateRect(window, NULL, FALSE);
    }
    g_blinkTicks++;
    if (g_blinkTicks % 2 == 0) {
        if (display->textCursorState == kCursorShown) {
            display->textCursorState = kCursorBlinkHidden;
            InvalidateRect(window, NULL, FALSE);
        } else if (display->textCursorState == kCursorBlinkHidden) {
            display->textCursorState = kCursorShown;
            InvalidateRect(window, NULL, FALSE);
        }
    }
}

static HICON LoadDisplayIcon(DisplayState* display)
{
    HICON icon = NULL;
    if (display->iconName)
        icon = LoadIconA(display->instance, display->iconName);
    if (!icon)
        icon = LoadIconA(display->instance, kDisplayIconResource);
    if (!icon)
        icon = LoadIconA(NULL, IDI_APPLICATION);
    return icon;
}

static int RegisterDisplayClass(DisplayState* display, HINSTANCE instance)
{
    WNDCLASSA windowClass = { 0 };
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC | (display->noClose ? CS_NOCLOSE : 0);
    windowClass.lpfnWndProc = VdWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadDisplayIcon(display);
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    windowClass.lpszMenuName = display->menuName;
    windowClass.lpszClassName = kDisplayClassName;
    return RegisterClassA(&windowClass) != 0;
}

/* Grows the frame so that the client area gets the requested size, within the desktop. */
static void FitFrameToClient(HWND window, int width, int height, int desktopWidth,
                             int desktopHeight)
{
    RECT frame, client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    int x = frame.left;
    int y = frame.top;
    int w = min(2 * width - (int)client.right, desktopWidth);
    int h = min(2 * height - (int)client.bottom, desktopHeight);
    if (x + w > desktopWidth)
        x = 0;
    if (y + h > desktopHeight)
        y = 0;
    MoveWindow(window, x, y, w, h, TRUE);
}

/* Selects a compatible bitmap and the console font into a memory DC; 0 when either the
   bitmap or the DC cannot be made. */
static int CreateCanvas(DisplayState* display)
{
    HDC windowDC = GetDC(display->window);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDC, display->canvasWidth, display->canvasHeight);
    HDC memoryDC = CreateCompatibleDC(windowDC);
    ReleaseDC(display->window, windowDC);
    if (!bitmap || !memoryDC) {
        if (bitmap)
            DeleteObject(bitmap);
        if (memoryDC)
            DeleteDC(memoryDC);
        return 0;
    }
    display->canvasBitmap = bitmap;
    display->memoryDC = memoryDC;
    display->displacedBitmap = (HBITMAP)SelectObject(memoryDC, bitmap);
    RECT whole = { 0, 0, display->canvasWidth, display->canvasHeight };
    FillRect(memoryDC, &whole, (HBRUSH)GetStockObject(WHITE_BRUSH));
    HFONT font = CreateFontA(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "新宋体");
    if (!font)
        font = CreateFontA(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
    if (font)
        display->consoleFontDisplaced = SelectObject(memoryDC, font);
    return 1;
}

/* Dispatches what the creation queued; a WM_QUIT among it releases the display. */
static int DrainQueue(DisplayState* display)
{
    MSG message;
    display->inLoop = 1;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            VdReleaseDisplay();
            display->inLoop = 0;
            display->exitCode = (int)message.wParam;
            return -1;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    display->inLoop = 0;
    return 0;
}

int VdCreateDisplayWindow(HINSTANCE instance, int showCommand)
{
    DisplayState* display = VdState();
    if (!display || !RegisterDisplayClass(display, instance))
        return -1;

    RECT desktop;
    GetClientRect(GetDesktopWindow(), &desktop);
    int desktopWidth = desktop.right;
    int desktopHeight = desktop.bottom;
    int x = max((desktopWidth - display->windowWidth) / 2, 0);
    int y = max((desktopHeight - display->windowHeight) / 2, 0);
    int w = min(display->windowWidth, desktopWidth);
    int h = min(display->windowHeight, desktopHeight);

    HWND window = CreateWindowExA(display->exStyle, kDisplayClassName,
                                  display->title ? display->title : kDisplayClassName,
                                  display->style, x, y, w, h, NULL, NULL, instance, NULL);
    if (!window)
        return -1;
    display->window = window;
    if (w < desktopWidth || h < desktopHeight)
        FitFrameToClient(window, w, h, desktopWidth, desktopHeight);

    if (CreateCanvas(display)) {
        ShowWindow(window, showCommand);
        UpdateWindow(window);
        SetForegroundWindow(window);
        display->open = 1;
        if (display->openCloseCallback)
            display->openCloseCallback(1);
        display->currentDC = display->memoryDC;
    } else {
        MessageBoxA(NULL, "内部错误，将退出！", "错误", MB_OK);
        DestroyWindow(window);
    }
    return DrainQueue(display);
}

/* Puts back a kept initial object and deletes what it displaces (the program's own). */
static void RestoreInitial(HDC dc, HGDIOBJ* initial)
{
    if (!*initial)
        return;
    HGDIOBJ own = SelectObject(dc, *initial);
    if (own)
        DeleteObject(own);
    *initial = NULL;
}

void VdReleaseDisplay(void)
{
    DisplayState* display = VdState();
    if (!display)
        return;
    HDC memoryDC = display->memoryDC;
    if (memoryDC) {
        RestoreInitial(memoryDC, &display->initialPen);
        RestoreInitial(memoryDC, &display->initialBrush);
        RestoreInitial(memoryDC, &display->initialFont);
        RestoreInitial(memoryDC, &display->consoleFontDisplaced);
        if (display->displacedBitmap)
            SelectObject(memoryDC, display->displacedBitmap);
        display->displacedBitmap = NULL;
        DeleteDC(memoryDC);
        display->memoryDC = NULL;
    }
    if (display->canvasBitmap) {
        DeleteObject(display->canvasBitmap);
        display->canvasBitmap = NULL;
    }
    if (display->currentDC == memoryDC)
        display->currentDC = NULL;
    display->open = 0;
    if (display->openCloseCallback)
        display->openCloseCallback(0);
}
