/* Low-level file descriptors: the C runtime's numbered files with their own results, plus
   whole-character reads and writes. */
#ifndef MOYU_RUNTIME_DESCRIPTOR_H
#define MOYU_RUNTIME_DESCRIPTOR_H

#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

int FdOpen(const char* name, int flags, int permission);
/* Read-write, created or truncated. */
int FdCreate(const char* name, int permission);
int FdRead(int descriptor, void* buffer, int count);
int FdWrite(int descriptor, const void* buffer, int count);
/* Bytes read (1-4); a short first read stores -1 and returns the read's count (0 or -1). */
int FdReadChar(int descriptor, CharCode* code);
/* The character's bytes in one write; the write's result. */
int FdWriteChar(int descriptor, CharCode code);
int FdDup(int descriptor);
int FdDup2(int descriptor, int target);
/* 1 at the end, 0 before it, -1 on error. */
int FdAtEnd(int descriptor);
long FdLength(int descriptor);
/* mode: the C runtime's text or untranslated mode flag; the previous mode or -1. */
int FdSetMode(int descriptor, int mode);
long FdSeek(int descriptor, long offset, int origin);
long FdTell(int descriptor);
int FdIsTty(int descriptor);
int FdClose(int descriptor);

#ifdef __cplusplus
}
#endif

#endif
