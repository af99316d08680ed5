/* Window support: dialog templates built in memory, dialogs from resources, the open and
   save file dialogs, and the bitmap helpers of the drawing API (transparent blits and
   saving a region as a 24-bit BMP file). */
#ifndef MOYU_GUI_WINDOW_SUPPORT_H
#define MOYU_GUI_WINDOW_SUPPORT_H

#include <stddef.h>
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
    kTemplateTextUnits = 128,  /* title and face, NUL included */
    kTemplateDefaultPointSize = 12,
    /* The structure as it was before the Windows 2000 fields: 76 bytes in a 32-bit program. */
    kFileDialogStructSize = (int)(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR)),
    kFileDialogLibraryFlags = (int)0x80000000,
    kFileDialogOpenStart = 0x80000,
    kFileDialogSaveStart = 0x88000
};

#define kTemplateDefaultFace "宋体"

/* Position and size of a template in dialog units. */
typedef struct DialogUnitsRect {
    short x, y, cx, cy;
} DialogUnitsRect;

/* Pixels to dialog units with base units as GetDialogBaseUnits returns them. */
DialogUnitsRect DlgPixelsToUnits(int x, int y, int cx, int cy, LONG baseUnits);
/* A zeroed global block holding the template (no items); null when it cannot be
   allocated. The title and face are cut at a character boundary to fit. */
HGLOBAL DlgBuildTemplate(const char* title, int x, int y, int cx, int cy, const char* face,
                         int pointSize, DWORD style, DWORD exStyle);
/* Where template blocks come from: GlobalAlloc unless a test puts another in place.
   Returns the previous one; null restores GlobalAlloc. */
typedef HGLOBAL (WINAPI* DlgTemplateAllocator)(UINT flags, SIZE_T bytes);
DlgTemplateAllocator DlgSetTemplateAllocator(DlgTemplateAllocator allocator);
/* -1 when the template cannot be built or the dialog not created. */
INT_PTR DlgRunFromTemplateModal(HWND owner, const char* title, int x, int y, int cx, int cy,
                                DLGPROC procedure, LPARAM initParam, const char* face,
                                int pointSize, DWORD style, DWORD exStyle);
/* Null when the template cannot be built or the dialog not created. */
HWND DlgCreateFromTemplateModeless(HWND owner, const char* title, int x, int y, int cx, int cy,
                                   DLGPROC procedure, LPARAM initParam, const char* face,
                                   int pointSize, DWORD style, DWORD exStyle);
INT_PTR DlgRunResource(HWND owner, const char* templateName, DLGPROC procedure, LPARAM initParam);

/* The filter as the file dialogs take it: a tracked block (free with MemFree) in which each
   single-byte '|' became a NUL, followed by a second NUL. Null filter: "全部(*.*)|*.*". */
char* DlgConvertFilter(const char* filter);
/* The platform flags for the library's or the platform's flags. */
DWORD DlgFileDialogFlags(DWORD flags, int save);
int DlgOpenFile(char* buffer, int size, DWORD* offsets, const char* filter, int filterIndex,
                const char* initialFolder, const char* title, DWORD flags);
int DlgSaveFile(char* buffer, int size, DWORD* offsets, const char* filter, int filterIndex,
                const char* initialFolder, const char* title, DWORD flags);

/* Draws (sx, sy, sw, sh) of source onto (x, y, w, h) of dest leaving the pixels of colour
   out; 1, or 0 when a size is not positive or an object cannot be made. */
int WndTransparentBlt(HDC dest, int x, int y, int w, int h, HDC source, int sx, int sy, int sw,
                      int sh, COLORREF colour);
/* Writes a region of a window (null: the display window) as a 24-bit BMP file; dc null
   takes the window's DC. Width or height 0 or less keeps the client rectangle's. 1 when the
   file was written. */
int WndSaveWindowBitmap(HWND window, HDC dc, int x, int y, int width, int height,
                        const char* file);

#ifdef __cplusplus
}
#endif

#endif
