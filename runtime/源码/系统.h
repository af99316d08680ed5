/* The system module: the program-entry glue around 主程序, the exit list, the standard
   stream variables, the console key layer (a push-back ring in front of the console, with
   redirection to callbacks a GUI host installs), the banner and the last-error value.
   Edition 1.72 (MOYU_EDITION == 172) has a 128-key ring allocated at start, no exit list,
   the C runtime's error number as last error, and the command-line splitter. */
#ifndef MOYU_RUNTIME_SYSTEM_H
#define MOYU_RUNTIME_SYSTEM_H

#include <stdio.h>
#include "runtime/源码/常量.h"

#ifdef __cplusplus
extern "C" {
#endif

#if MOYU_EDITION == 172
#define kMoyuLibraryVersion "1.72"
enum { kKeyRingSize = 128 };
#else
#define kMoyuLibraryVersion "2.0"
enum { kKeyRingSize = 64 };
#endif

/* Stores a key and returns non-zero, or returns 0 when it has none. */
typedef int (*SysGetKeyCallback)(int* key);
/* Returns 1 and stores the waiting key; any other value means no key. */
typedef int (*SysKeyTestCallback)(int* key);
/* Prints a format with the language's directives, like ConPrint. */
typedef int (*SysPrintCallback)(const char* format, ...);

typedef struct RedirectCallbacks {
    SysGetKeyCallback getKey;
    SysKeyTestCallback keyTest;
    SysPrintCallback print;
} RedirectCallbacks;

/* Keys pushed back or queued from the key-test callback; empty when read == write. */
typedef struct KeyRing {
    int* keys;
    int readIndex;
    int writeIndex;
} KeyRing;

/* The program's own main function. */
int 主程序(int argc, char** argv, char** envp);

/* SysInit, 主程序, SysCleanup; returns what 主程序 returned. */
int ProgramEntry(int argc, char** argv, char** envp);

/* The standard streams the file, format and option modules use. Edition 2.0 sets them
   before any code runs; edition 1.72 sets them in SysInit (null before). */
extern FILE* SysStdIn;
extern FILE* SysStdOut;
extern FILE* SysStdErr;

/* 2.0: creates and returns the exit list. 1.72: sets the streams, allocates the key ring
   and returns its keys (null when the allocation fails). */
void* SysInit(void);
/* Switches the allocator log off, then frees the exit list (2.0) or the key ring (1.72). */
void SysCleanup(void);
/* SysCleanup, then the C runtime's exit with the code. */
void SysTerminate(int code) __attribute__((noreturn));
#if MOYU_EDITION == 172
/* The C runtime's exit with the code; system end does not run. */
void SysExit(int code) __attribute__((noreturn));
#endif

void SysSetNoKeyboard(void);
int SysGetNoKeyboard(void);
void SysSetRedirect(int flag);
int SysGetRedirect(void);
/* Stores the callbacks; redirection stays as it is. */
void SysSetCallbacks(SysGetKeyCallback getKey, SysKeyTestCallback keyTest, SysPrintCallback print);
int SysBanner(void);
int SysGetLastError(void);
void SysSetLastError(int code);

#if MOYU_EDITION != 172
/* Registers a tracked block to be freed at system end: slot number, -1 for a null block or
   a missing list, -2 when a chunk cannot be allocated. */
int SysAtExit(void* block);
#endif

int SysGetKey(void);
int SysGetKeyEcho(void);
int SysKeyPressed(void);
int SysFlushKeys(void);
/* The key becomes the next one read; -1 on a full ring (1.72: -2 while there is no ring). */
int SysUngetKey(int key);

#if MOYU_EDITION == 172
/* Number of arguments in a command line. */
int CountCommandLineArgs(const char* commandLine);
/* One tracked block: reserved null slots, one pointer per argument, a null pointer, then the
   argument texts; argc receives reserved + arguments. Null when it cannot be allocated.
   The caller frees it with MemFree. */
char** SplitCommandLine(const char* commandLine, int* argc, int reserved);
#endif

#ifdef __cplusplus
}
#endif

#endif
