/* Window support: in-memory dialog templates, dialogs from resources and the file dialogs. */
#include "runtime/源码/视窗支持.h"
#include "runtime/源码/视窗.h"
#include "runtime/源码/显示.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/字符.h"

#include <commdlg.h>
#include <string.h>

/* Source lines the module reports to the allocator. */
enum { kLineFilterAlloc = 150, kLineFilterFree = 231 };

static DlgTemplateAllocator g_templateAllocator = GlobalAlloc;

DlgTemplateAllocator DlgSetTemplateAllocator(DlgTemplateAllocator allocator)
{
    DlgTemplateAllocator previous = g_templateAllocator;
    g_templateAllocator = allocator ? allocator : GlobalAlloc;
    return previous;
}

/* ---- Templates --------------------------------------------------------------------- */

/* Header words before the title: style, extended style, item count, x, y, cx, cy, menu,
   class. */
enum {
    kTemplateHeaderBytes = 4 + 4 + 2 + 4 * 2 + 2 + 2,
    kTemplateBytes = kTemplateHeaderBytes + kTemplateTextUnits * 2 + 2 + kTemplateTextUnits * 2
};

DialogUnitsRect DlgPixelsToUnits(int x, int y, int cx, int cy, LONG baseUnits)
{
    int baseX = LOWORD(baseUnits), baseY = HIWORD(baseUnits);
    DialogUnitsRect units = {0, 0, 0, 0};
    if (baseX <= 0 || baseY <= 0)
        return units;
    units.x = (short)(x * 4 / baseX);
    units.y = (short)(y * 8 / baseY);
    units.cx = (short)(cx * 4 / baseX);
    units.cy = (short)(cy * 8 / baseY);
    return units;
}

/* Converts text to UTF-16 with its NUL in at most kTemplateTextUnits units, dropping whole
   characters from the end until it fits. Returns the units written, NUL included. */
static int ConvertCut(const char* text, WCHAR* out)
{
    out[0] = 0;
    if (!text || !*text)
        return 1;
    /* Byte end of each of the first kTemplateTextUnits - 1 characters. */
    int ends[kTemplateTextUnits];
    int count = 0, position = 0;
    while (text[position] && count < kTemplateTextUnits - 1) {
        int length = MbCharLen(text + position);
        if (length <= 0)
            length = 1;
        while (length > 1 && !text[position + length - 1])
            length--;
        position += length;
        ends[count++] = position;
    }
    for (; count > 0; count--) {
        int units = MultiByteToWideChar(CP_ACP, 0, text, ends[count - 1], out,
                                        kTemplateTextUnits - 1);
        if (units > 0) {
            out[units] = 0;
            return units + 1;
        }
    }
    out[0] = 0;
    return 1;
}

static void PutWord(unsigned char** p, unsigned value)
{
    (*p)[0] = (unsigned char)(value & 0xFF);
    (*p)[1] = (unsigned char)((value >> 8) & 0xFF);
    *p += 2;
}

static void PutDword(unsigned char** p, DWORD value)
{
    PutWord(p, value & 0xFFFF);
    PutWord(p, value >> 16);
}

HGLOBAL DlgBuildTemplate(const char* title, int x, int y, int cx, int cy, const char* face,
                         int pointSize, DWORD style, DWORD exStyle)
{
    HGLOBAL block = g_templateAllocator(GMEM_ZEROINIT, kTemplateBytes);
    if (!block)
        return NULL;
    unsigned char* start = (unsigned char*)GlobalLock(block);
    if (!start) {
        GlobalFree(block);
        return NULL;
    }
    unsigned char* p = start;
    DialogUnitsRect units = DlgPixelsToUnits(x, y, cx, cy, GetDialogBaseUnits());
    PutDword(&p, style);
    PutDword(&p, exStyle);
    PutWord(&p, 0);
    PutWord(&p, (unsigned short)units.x);
    PutWord(&p, (unsigned short)units.y);
    PutWord(&p, (unsigned short)units.cx);
    PutWord(&p, (unsigned short)units.cy);
    PutWord(&p, 0);
    PutWord(&p, 0);
    WCHAR text[kTemplateTextUnits];
    int written = ConvertCut(title, text);
    memcpy(p, text, (size_t)written * 2);
    p += written * 2;
    PutWord(&p, face ? (unsigned)pointSize : kTemplateDefaultPointSize);
    written = ConvertCut(face ? face : kTemplateDefaultFace, text);
    memcpy(p, text, (size_t)written * 2);
    GlobalUnlock(block);
    return block;
}

static HWND OwnerOrDisplay(HWND owner)
{
    return owner ? owner : GfxGetDisplayWindow();
}

INT_PTR DlgRunFromTemplateModal(HWND owner, const char* title, int x, int y, int cx, int cy,
                                DLGPROC procedure, LPARAM initParam, const char* face,
                                int pointSize, DWORD style, DWORD exStyle)
{
    HGLOBAL block = DlgBuildTemplate(title, x, y, cx, cy, face, pointSize, style, exStyle);
    if (!block)
        return -1;
    LPCDLGTEMPLATEA dialogTemplate = (LPCDLGTEMPLATEA)GlobalLock(block);
    INT_PTR result = DialogBoxIndirectParamA(GfxGetInstance(), dialogTemplate,
                                             OwnerOrDisplay(owner), procedure, initParam);
    GlobalUnlock(block);
    GlobalFree(block);
    return result;
}

HWND DlgCreateFromTemplateModeless(HWND owner, const char* title, int x, int y, int cx, int cy,
                                   DLGPROC procedure, LPARAM initParam, const char* face,
                                   int pointSize, DWORD style, DWORD exStyle)
{
    HGLOBAL block = DlgBuildTemplate(title, x, y, cx, cy, face, pointSize, style, exStyle);
    if (!block)
        return NULL;
    LPCDLGTEMPLATEA dialogTemplate = (LPCDLGTEMPLATEA)GlobalLock(block);
    HWND dialog = CreateDialogIndirectParamA(GfxGetInstance(), dialogTemplate,
                                             OwnerOrDisplay(owner), procedure, initParam);
    GlobalUnlock(block);
    GlobalFree(block);
    return dialog;
}

INT_PTR DlgRunResource(HWND owner, const char* templateName, DLGPROC procedure, LPARAM initParam)
{
    return DialogBoxParamA(GfxGetInstance(), templateName, OwnerOrDisplay(owner), procedure,
                           initParam);
}

/* ---- File dialogs ------------------------------------------------------------------ */

char* DlgConvertFilter(const char* filter)
{
    if (!filter)
        filter = "全部(*.*)|*.*";
    size_t length = strlen(filter);
    char* block = (char*)MemAlloc(length + 2, kSourceWindowSupport, kLineFilterAlloc);
    if (!block)
        return NULL;
    memcpy(block, filter, length);
    /* Terminated before the scan, so a lead byte at the end is not read with what follows
       the copy. */
    block[length] = '\0';
    block[length + 1] = '\0';
    /* Only a single-byte '|' separates: a GBK trail byte can be 0x7C too. */
    for (size_t i = 0; i < length;) {
        int charLength = MbCharLen(block + i);
        if (charLength <= 0)
            charLength = 1;
        if (charLength == 1 && block[i] == '|')
            block[i] = '\0';
        i += (size_t)charLength;
    }
    return block;
}

DWORD DlgFileDialogFlags(DWORD flags, int save)
{
    DWORD platform = save ? kFileDialogSaveStart : kFileDialogOpenStart;
    if (!(flags & 0x80000000u))
        return flags ? flags : platform;
    if ((flags & 0x1) && !save)
        platform |= OFN_ALLOWMULTISELECT;
    if (flags & 0x2)
        platform |= OFN_CREATEPROMPT;
    if (flags & 0x4)
        platform |= OFN_FILEMUSTEXIST;
    if (flags & 0x8)
        platform |= OFN_OVERWRITEPROMPT;
    if (flags & 0x10)
        platform |= OFN_NOCHANGEDIR;
    if ((flags & 0x20) && !save)
        platform |= OFN_NOREADONLYRETURN;
    return platform;
}

static int RunFileDialog(int save, char* buffer, int size, DWORD* offsets, const char* filter,
                         int filterIndex, const char* initialFolder, const char* title,
                         DWORD flags)
{
    if (!buffer || size < 4)
        return -1;
    char* filterBlock = DlgConvertFilter(filter);
    char currentFolder[512];
    if (!initialFolder) {
        DWORD length = GetCurrentDirectoryA(sizeof currentFolder, currentFolder);
        if (length > 0 && length < sizeof currentFolder)
            initialFolder = currentFolder;
    }

    OPENFILENAMEA dialog;
    memset(&dialog, 0, sizeof dialog);
    dialog.lStructSize = kFileDialogStructSize;
    dialog.hwndOwner = GfxGetDisplayWindow();
    dialog.hInstance = GfxGetInstance();
    dialog.lpstrFilter = filterBlock;
    dialog.nFilterIndex = filterIndex < 0 ? 0 : (DWORD)filterIndex;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = (DWORD)size;
    dialog.lpstrInitialDir = initialFolder;
    dialog.lpstrTitle = title ? title : (save ? "保存为" : "打开");
    dialog.Flags = DlgFileDialogFlags(flags, save);

    BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    MemFree(filterBlock, kSourceWindowSupport, kLineFilterFree);
    if (chosen) {
        if (offsets)
            *offsets = (DWORD)dialog.nFileOffset | ((DWORD)dialog.nFileExtension << 16);
        return 1;
    }
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
        const unsigned char* needed = (const unsigned char*)buffer;
        return -(int)(needed[0] | (needed[1] << 8));
    }
    return 0;
}

int DlgOpenFile(char* buffer, int size, DWORD* offsets, const char* filter, int filterIndex,
                const char* initialFolder, const char* title, DWORD flags)
{
    return RunFileDialog(0, buffer, size, offsets, filter, filterIndex, initialFolder, title,
                         flags);
}

int DlgSaveFile(char* buffer, int size, DWORD* offsets, const char* filter, int filterIndex,
                const char* initialFolder, const char* title, DWORD flags)
{
    return RunFileDialog(1, buffer, size, offsets, filter, filterIndex, initialFolder, title,
                         flags);
}
