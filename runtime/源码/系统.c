/* The system module: start and end, the exit list, the standard streams, the key layer
   and the banner. The entry glue (ProgramEntry) lives in 程序入口.c. */
#include "runtime/源码/系统.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/指针.h"
#include "runtime/源码/格式化.h"

#include <conio.h>
#include <errno.h>
#include <stdio.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

FILE* SysStdIn;
FILE* SysStdOut;
FILE* SysStdErr;

static void SetStandardStreams(void)
{
    SysStdIn = stdin;
    SysStdOut = stdout;
    SysStdErr = stderr;
}

#if MOYU_EDITION == 172
/* Source lines the module reports to the allocator. */
enum { kLineKeyRing = 42, kLineFreeKeyRing = 49, kLineSplitCommandLine = 283 };

static KeyRing keyRing;
#else
/* Edition 2.0 has the streams before any code of the program runs. */
__attribute__((constructor)) static void SetStandardStreamsAtLoad(void)
{
    SetStandardStreams();
}

static int keyRingStore[kKeyRingSize];
static KeyRing keyRing = { keyRingStore, 0, 0 };
static PtrListChunk* exitList;
#endif

static unsigned char redirectFlag;
static int noKeyboard;
static RedirectCallbacks callbacks;

void* SysInit(void)
{
#if MOYU_EDITION == 172
    SetStandardStreams();
    keyRing.keys = (int*)MemCalloc(kKeyRingSize, sizeof(int), kSourceSystemModule, kLineKeyRing);
    keyRing.readIndex = 0;
    keyRing.writeIndex = 0;
    return keyRing.keys;
#else
    exitList = PtrListCreate();
    return exitList;
#endif
}

void SysCleanup(void)
{
    MemSetTrace(关);
#if MOYU_EDITION == 172
    if (keyRing.keys) {
        MemFree(keyRing.keys, kSourceSystemModule, kLineFreeKeyRing);
        keyRing.keys = NULL;
    }
#else
    if (exitList) {
        PtrListClear(exitList);
        PtrListFree(exitList);
        exitList = NULL;
    }
#endif
}

void SysTerminate(int code)
{
    SysCleanup();
    exit(code);
}

#if MOYU_EDITION == 172
void SysExit(int code)
{
    exit(code);
}
#endif

void SysSetNoKeyboard(void) { noKeyboard = 1; }
int SysGetNoKeyboard(void) { return noKeyboard; }
void SysSetRedirect(int flag) { redirectFlag = (unsigned char)flag; }
int SysGetRedirect(void) { return redirectFlag; }

void SysSetCallbacks(SysGetKeyCallback getKey, SysKeyTestCallback keyTest, SysPrintCallback print)
{
    callbacks.getKey = getKey;
    callbacks.keyTest = keyTest;
    callbacks.print = print;
}

int SysBanner(void)
{
    SysPrintCallback print = (redirectFlag && callbacks.print) ? callbacks.print : ConPrint;
    print("墨语言运行库 %串%行", kMoyuLibraryVersion);
    print("墨语言系列中文编程工具%行");
    return print("云杉工作室 出品%行");
}

int SysGetLastError(void)
{
#if MOYU_EDITION == 172
    return errno;
#else
    return (int)GetLastError();
#endif
}

void SysSetLastError(int code)
{
#if MOYU_EDITION == 172
    errno = code;
#else
    SetLastError((DWORD)code);
#endif
}

#if MOYU_EDITION != 172
int SysAtExit(void* block)
{
    if (!block || !exitList)
        return -1;
    return PtrListAdd(exitList, block);
}
#endif

static int RingExists(void) { return keyRing.keys != NULL; }

static int RingEmpty(void)
{
    return !RingExists() || keyRing.readIndex == keyRing.writeIndex;
}

static int RingTake(void)
{
    int key = keyRing.keys[keyRing.readIndex];
    keyRing.readIndex = (keyRing.readIndex + 1) % kKeyRingSize;
    return key;
}

/* Queues a key at the write side; a full ring drops its oldest key. */
static void RingQueue(int key)
{
    if (!RingExists())
        return;
    keyRing.keys[keyRing.writeIndex] = key;
    keyRing.writeIndex = (keyRing.writeIndex + 1) % kKeyRingSize;
    if (keyRing.writeIndex == keyRing.readIndex)
        keyRing.readIndex = (keyRing.readIndex + 1) % kKeyRingSize;
}

static void EchoKey(int key)
{
    if (key == 13) {
        _putch('\r');
        _putch('\n');
    } else if (key == 8) {
        _putch('\b');
        _putch(' ');
        _putch('\b');
    } else if ((key & 0xFF) >= 32) {
        _putch(key & 0xFF);
    }
}

/* A key from the redirection's get-key callback, when it has one. */
static int CallbackKey(int* key)
{
    *key = 0;
    return redirectFlag && callbacks.getKey && callbacks.getKey(key);
}

int SysGetKey(void)
{
    if (!RingEmpty())
        return RingTake();
    int key;
    if (CallbackKey(&key))
        return key;
    if (noKeyboard)
        return 0;
    return _getch();
}

int SysGetKeyEcho(void)
{
    int key;
    if (!RingEmpty()) {
        key = RingTake();
        if (!noKeyboard)
            EchoKey(key);
        return key;
    }
    if (CallbackKey(&key))
        return key;
    if (noKeyboard)
        return 0;
    key = _getch();
    EchoKey(key);
    return key;
}

int SysKeyPressed(void)
{
    if (!RingEmpty())
        return 1;
    if (redirectFlag && callbacks.keyTest) {
        int key = 0;
        int result = callbacks.keyTest(&key);
        if (result == 1)
            RingQueue(key);
        return result;
    }
    if (noKeyboard)
        return 0;
    return _kbhit();
}

int SysFlushKeys(void)
{
#if MOYU_EDITION != 172
    if (SysStdIn)
        fflush(SysStdIn);
#endif
    /* A key-test result other than 1 means no key. */
    while (SysKeyPressed() == 1)
        SysGetKey();
    return 0;
}

int SysUngetKey(int key)
{
    if (!RingExists())
        return -2;
    if ((keyRing.writeIndex + 1) % kKeyRingSize == keyRing.readIndex)
        return -1;
    keyRing.readIndex = (keyRing.readIndex + kKeyRingSize - 1) % kKeyRingSize;
    keyRing.keys[keyRing.readIndex] = key;
    return key;
}

#if MOYU_EDITION == 172

static int IsSeparator(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

/* One pass of the splitting rule. With out null it only counts; otherwise it stores each
   argument's start in args and its bytes, each ending with a NUL, from out on. */
static int SplitPass(const char* commandLine, char** args, char* out)
{
    int count = 0;
    int inArgument = 0;
    int quoted = 0;
    for (const unsigned char* p = (const unsigned char*)commandLine; p && *p; p++) {
        unsigned char c = *p;
        if (quoted) {
            if (c == '"')
                quoted = 0;
            else if (out)
                *out++ = (char)c;
            continue;
        }
        if (IsSeparator(c)) {
            if (inArgument && out)
                *out++ = '\0';
            inArgument = 0;
            continue;
        }
        if (!inArgument) {
            inArgument = 1;
            if (args)
                args[count] = out;
            count++;
            if (c == '"') {
                quoted = 1;
                continue;
            }
        }
        if (out)
            *out++ = (char)c;
    }
    if (inArgument && out)
        *out = '\0';
    return count;
}

int CountCommandLineArgs(const char* commandLine)
{
    return SplitPass(commandLine, NULL, NULL);
}

char** SplitCommandLine(const char* commandLine, int* argc, int reserved)
{
    if (reserved < 0)
        return NULL;
    int count = CountCommandLineArgs(commandLine);
    size_t textSize = (commandLine ? strlen(commandLine) : 0) + 1;
    size_t slots = (size_t)reserved + (size_t)count + 1;
    if ((size_t)reserved > (SIZE_MAX - textSize) / sizeof(char*) - (size_t)count - 1)
        return NULL;
    char** block = (char**)MemAlloc(slots * sizeof(char*) + textSize, kSourceSystemModule,
                                    kLineSplitCommandLine);
    if (!block)
        return NULL;
    char* text = (char*)(block + slots);
    for (int i = 0; i < reserved; i++)
        block[i] = NULL;
    text[0] = '\0';
    SplitPass(commandLine, block + reserved, text);
    block[reserved + count] = NULL;
    if (argc)
        *argc = reserved + count;
    return block;
}

#endif
