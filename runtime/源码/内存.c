/* The tracking allocator over the C runtime's heap. The current edition counts live blocks
   and prints its log lines with the C runtime's print; the older allocator
   (MOYU_OLD_ALLOCATOR) keeps no count and prints through ConPrint. */
#include "runtime/源码/内存.h"

#include <stdio.h>
#include <stdlib.h>

#if MOYU_OLD_ALLOCATOR
#include "runtime/源码/格式化.h"
#endif

static int traceMode = kMemTraceOff;

int MemSetTrace(KindWord mode)
{
    int previous = traceMode;
    if (mode == 开 || mode == 1)
        traceMode = kMemTraceAll;
    else if (mode == 失败 || mode == 2)
        traceMode = kMemTraceFailures;
    else if (mode == 关 || mode == 0)
        traceMode = kMemTraceOff;
    return previous;
}

static int LogsAll(void) { return traceMode == kMemTraceAll; }
static int LogsFailures(void) { return traceMode == kMemTraceAll || traceMode == kMemTraceFailures; }
static unsigned int Address(const void* block) { return (unsigned int)(size_t)block; }

#if MOYU_OLD_ALLOCATOR

int MemGetLiveCount(void) { return 0; }

static void CountUp(void) {}
static void CountDown(void) {}

static void LogAllocFailed(const char* s, int l, size_t size)
{
    ConPrint("\n[警告]%串(%d行):内存不足，%整 字节分配失败。 ", s, l, (int)size);
}
static void LogAllocDone(const char* s, int l, size_t size, void* block)
{
    ConPrint("\n[信息]%串(%d行):%整 字节内存分配成功，内存=%X。 ", s, l, (int)size, Address(block));
}
static void LogCallocFailed(const char* s, int l, size_t count, size_t size)
{
    ConPrint("\n[警告]%串(%d行):内存不足，%整 个 %整 字节内存数组分配失败。 ", s, l, (int)count, (int)size);
}
static void LogCallocDone(const char* s, int l, size_t count, size_t size, void* block)
{
    ConPrint("\n[信息]%串(%d行):%整 个 %整 字节内存数组分配成功，内存=%X。 ", s, l, (int)count,
             (int)size, Address(block));
}
static void LogReallocFailed(const char* s, int l, size_t size)
{
    ConPrint("\n[警告]%串(%d行):内存不足，重新分配 %整 字节失败。 ", s, l, (int)size);
}
static void LogReallocDone(const char* s, int l, size_t size, void* block)
{
    ConPrint("\n[信息]%串(%d行):重新分配 %整 字节成功，内存=%X。 ", s, l, (int)size, Address(block));
}
static void LogFree(const char* s, int l, void* block)
{
    ConPrint("\n[信息]%串(%d行):释放内存，内存=%X。 ", s, l, Address(block));
}
static void LogTempAllocFailed(const char* s, int l, size_t size)
{
    ConPrint("\n[警告]%串(%d行):内存不足，%整 字节内存条件申请失败。 ", s, l, (int)size);
}
/* The older allocator has no lines for these events. */
static void LogFreeNull(const char* s, int l) { (void)s; (void)l; }
static void LogTempAllocDone(const char* s, int l, size_t size, void* block)
{
    (void)s; (void)l; (void)size; (void)block;
}
static void LogTempFree(const char* s, int l, void* block) { (void)s; (void)l; (void)block; }
static void LogTempFreeNull(const char* s, int l) { (void)s; (void)l; }

#else

static int liveBlocks;

int MemGetLiveCount(void) { return liveBlocks; }

static void CountUp(void) { liveBlocks++; }
static void CountDown(void) { liveBlocks--; }

static void LogAllocFailed(const char* s, int l, size_t size)
{
    printf(" [警告]%s(%d行):内存不足，%d字节分配失败 <%d>。\n", s, l, (int)size, liveBlocks);
}
static void LogAllocDone(const char* s, int l, size_t size, void* block)
{
    printf(" [信息]%s(%d行):%d字节内存分配成功，内存=%X <%d>。\n", s, l, (int)size, Address(block),
           liveBlocks);
}
static void LogCallocFailed(const char* s, int l, size_t count, size_t size)
{
    printf(" [警告]%s(%d行):内存不足，%d个%d字节内存数组分配失败 <%d>。\n", s, l, (int)count, (int)size,
           liveBlocks);
}
static void LogCallocDone(const char* s, int l, size_t count, size_t size, void* block)
{
    printf(" [信息]%s(%d行):%d个%d字节内存数组分配成功，内存=%X <%d>。\n", s, l, (int)count, (int)size,
           Address(block), liveBlocks);
}
static void LogReallocFailed(const char* s, int l, size_t size)
{
    printf(" [警告]%s(%d行):内存不足，重新分配%d字节失败 <%d>。\n", s, l, (int)size, liveBlocks);
}
static void LogReallocDone(const char* s, int l, size_t size, void* block)
{
    printf(" [信息]%s(%d行):重新分配 %d 字节成功，内存=%X <%d>。\n", s, l, (int)size, Address(block),
           liveBlocks);
}
static void LogFree(const char* s, int l, void* block)
{
    printf(" [信息]%s(%d行):释放内存，内存=%X <%d>。\n", s, l, Address(block), liveBlocks);
}
static void LogFreeNull(const char* s, int l)
{
    printf(" [警告]%s(%d行):释放内存错误，内存为空指针 <%d>。\n", s, l, liveBlocks);
}
static void LogTempAllocFailed(const char* s, int l, size_t size)
{
    printf(" [警告]%s(%d行):内存不足，%d字节内存条件申请失败 <%d>。\n", s, l, (int)size, liveBlocks);
}
static void LogTempAllocDone(const char* s, int l, size_t size, void* block)
{
    printf(" [信息]%s(%d行):%d 字节内存条件分配成功，内存=%X <%d>。\n", s, l, (int)size,
           Address(block), liveBlocks);
}
static void LogTempFree(const char* s, int l, void* block)
{
    printf(" [信息]%s(%d行):条件释放内存，内存=%X <%d>。\n", s, l, Address(block), liveBlocks);
}
static void LogTempFreeNull(const char* s, int l)
{
    printf(" [警告]%s(%d行):条件释放内存错误，内存为空指针 <%d>。\n", s, l, liveBlocks);
}

#endif

/* A null source name would crash the C runtime's print. */
static const char* SourceName(const char* source)
{
    return source ? source : "";
}

void* MemAlloc(size_t size, const char* source, int line)
{
    source = SourceName(source);
    void* block = malloc(size);
    if (!block) {
        if (LogsFailures())
            LogAllocFailed(source, line, size);
        return NULL;
    }
    CountUp();
    if (LogsAll())
        LogAllocDone(source, line, size, block);
    return block;
}

void* MemCalloc(size_t count, size_t size, const char* source, int line)
{
    source = SourceName(source);
    void* block = calloc(count, size);
    if (!block) {
        if (LogsFailures())
            LogCallocFailed(source, line, count, size);
        return NULL;
    }
    CountUp();
    if (LogsAll())
        LogCallocDone(source, line, count, size, block);
    return block;
}

void* MemRealloc(void* block, size_t size, const char* source, int line)
{
    source = SourceName(source);
    void* result = realloc(block, size);
    if (!result && size != 0) {
        if (LogsFailures())
            LogReallocFailed(source, line, size);
        return NULL;
    }
    /* A null block makes this an allocation; size 0 releases the block. */
    if (!block && result)
        CountUp();
    else if (block && !result)
        CountDown();
    if (LogsAll())
        LogReallocDone(source, line, size, result);
    return result;
}

void MemFree(void* block, const char* source, int line)
{
    source = SourceName(source);
    if (!block) {
        if (LogsFailures())
            LogFreeNull(source, line);
        return;
    }
    if (LogsAll())
        LogFree(source, line, block);
    free(block);
    CountDown();
}

void* MemTempAlloc(void* own, size_t ownSize, size_t needed, size_t* outSize,
                   const char* source, int line)
{
    source = SourceName(source);
    if (needed <= ownSize) {
        if (outSize)
            *outSize = ownSize;
        return own;
    }
    void* block = malloc(needed);
    if (!block) {
        if (LogsFailures())
            LogTempAllocFailed(source, line, needed);
        if (outSize)
            *outSize = ownSize;
        return own;
    }
    CountUp();
    if (LogsAll())
        LogTempAllocDone(source, line, needed, block);
    if (outSize)
        *outSize = needed;
    return block;
}

void MemTempFree(void* own, void* block, const char* source, int line)
{
    source = SourceName(source);
    if (block == own)
        return;
    if (!block) {
        if (LogsFailures())
            LogTempFreeNull(source, line);
        return;
    }
    if (LogsAll())
        LogTempFree(source, line, block);
    free(block);
    CountDown();
}
