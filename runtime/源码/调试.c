/* Debug messages by level and category, and breakpoints. */
#include "runtime/源码/调试.h"

#include <stdarg.h>
#include <stdint.h>
#include <string.h>
#include "runtime/源码/格式化.h"
#include "runtime/源码/格式化内部.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/系统.h"

enum { kLevelBits = 0x7, kCategoryShift = 3 };
enum { kKeyCtrlC = 3, kKeyEscape = 27 };

/* Level in bits 0-2, category c on when bit 3 + c is set. */
typedef uint32_t DebugState;

/* Level 2, category 0 on. */
static DebugState g_debugState = 0x0A;
static char g_debugName[kDbgNameSize];
static int g_breakOn;

static const char* const kLevelLabels[kDbgLevelMax + 1] = {
    "[致命错误]", "[严重错误]", "[错误]", "[警告]", "[提示]", "", "", "",
};

int DbgSetLevel(int level)
{
    int previous = (int)(g_debugState & kLevelBits);
    if (level < 0)
        return previous;
    if (level > kDbgLevelMax)
        level = 2;
    g_debugState = (g_debugState & ~(unsigned)kLevelBits) | (unsigned)level;
    return previous;
}

unsigned DbgSetCategory(int category, KindWord on)
{
    if (category >= 0 && category <= kDbgCategoryMax) {
        unsigned bit = 1u << (kCategoryShift + category);
        if (on == 关 || on == 0)
            g_debugState &= ~bit;
        else if (on == 开 || on == 1)
            g_debugState |= bit;
    }
    return g_debugState >> kCategoryShift;
}

char* DbgSetName(const char* name)
{
    if (name == NULL)
        return NULL;
    MbStrCopyN(name, g_debugName, sizeof g_debugName);
    return g_debugName + strlen(g_debugName);
}

const char* DbgGetName(void)
{
    return g_debugName;
}

static int IsPrintable(int category, int level)
{
    if (category < 0 || category > kDbgCategoryMax || level < 0 || level > kDbgLevelMax)
        return 0;
    if (!(g_debugState & (1u << (kCategoryShift + category))))
        return 0;
    return level <= (int)(g_debugState & kLevelBits);
}

int DbgPrint(int category, int level, const char* format, ...)
{
    if (format == NULL || !IsPrintable(category, level))
        return 0;
    ConPrint("%串%串:", g_debugName, kLevelLabels[level]);
    char own[kFmtOwnBufferSize];
    const char* translated = FmtTranslateScratch(format, own, sizeof own, kSourceDebugModule, 66);
    va_list args;
    va_start(args, format);
    ConVPrintRaw(translated, args);
    va_end(args);
    FmtReleaseScratch(own, translated, kSourceDebugModule, 71);
    return 1;
}

void DbgSetBreak(KindWord on)
{
    g_breakOn = on == 1 || on == 开;
}

int DbgBreak(const char* name, int number)
{
    if (!g_breakOn)
        return 0;
    ConPrint("%行断点:%串_%整 => ", name, number);
    int key = SysGetKey();
    if (key == kKeyCtrlC || key == kKeyEscape) {
#if MOYU_EDITION == 172
        SysExit(key);
#else
        SysTerminate(key);
#endif
    }
    return key;
}
