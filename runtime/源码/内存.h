/* The tracking allocator: every heap block of the library and of Moyu programs is taken
   and released here with the caller's source name and line, so that one log line per event
   (mode 开 all, 失败 failures only, 关 none) says where a block came from and how many are
   live. MemTempAlloc and MemTempFree serve scratch buffers that usually fit on the stack. */
#ifndef MOYU_RUNTIME_MEMORY_H
#define MOYU_RUNTIME_MEMORY_H

#include <stddef.h>
#include "runtime/源码/常量.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Source names the library modules pass to the allocator. */
#define kSourceStringModule "源码\\墨语言字符串.墨"
#define kSourcePathModule "源码\\墨语言文件名处理.墨"
#define kSourceFileModule "源码\\墨语言文件.墨"
#define kSourceSystemModule "源码\\墨语言系统.墨"
#define kSourceFormatModule "源码\\墨语言格式化.墨"
#define kSourceDebugModule "源码\\墨语言调试.墨"
#define kSourcePointerModule "源码\\墨语言指针.墨"

/* Trace modes as MemSetTrace reports them. */
enum { kMemTraceOff = 0, kMemTraceAll = 1, kMemTraceFailures = 2 };

/* 开 or 1, 失败 or 2, 关 or 0; any other value keeps the mode. Returns the previous mode. */
int MemSetTrace(KindWord mode);
void* MemAlloc(size_t size, const char* source, int line);
void* MemCalloc(size_t count, size_t size, const char* source, int line);
/* A null block allocates, size 0 releases; a failed call leaves the old block in place. */
void* MemRealloc(void* block, size_t size, const char* source, int line);
void MemFree(void* block, const char* source, int line);
/* Returns own when needed fits in ownSize, else a heap block of needed bytes (own again when
   that fails); outSize (may be null) receives the usable size. */
void* MemTempAlloc(void* own, size_t ownSize, size_t needed, size_t* outSize,
                   const char* source, int line);
/* Releases block unless it is own. */
void MemTempFree(void* own, void* block, const char* source, int line);
/* Blocks handed out and not yet released (the older allocator keeps no count: always 0). */
int MemGetLiveCount(void);

/* Shorthands for programs: pass the calling file and line. */
#define MOYU_ALLOC(size) MemAlloc((size), __FILE__, __LINE__)
#define MOYU_CALLOC(count, size) MemCalloc((count), (size), __FILE__, __LINE__)
#define MOYU_REALLOC(block, size) MemRealloc((block), (size), __FILE__, __LINE__)
#define MOYU_FREE(block) MemFree((block), __FILE__, __LINE__)
#define MOYU_TEMP_ALLOC(own, ownSize, needed, outSize) \
    MemTempAlloc((own), (ownSize), (needed), (outSize), __FILE__, __LINE__)
#define MOYU_TEMP_FREE(own, block) MemTempFree((own), (block), __FILE__, __LINE__)

#ifdef __cplusplus
}
#endif

#endif
