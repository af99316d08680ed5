/* Files: buffered streams with the language's open-mode words, whole-character reads and
   writes, copy and move through the command processor, search records and attributes.
   Thin, null-safe layers over the C runtime. */
#ifndef MOYU_RUNTIME_FILE_H
#define MOYU_RUNTIME_FILE_H

#include <stdint.h>
#include <stdio.h>
#include "runtime/源码/字符.h"
#ifdef _WIN32
#include <io.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Search records are the Windows C runtime's own, and only its build has them. */
#ifdef _WIN32
/* The C runtime's find record with the search handle kept last. */
typedef struct FileFindRecord {
    struct _finddata_t data;
    intptr_t handle;
} FileFindRecord;

/* 0, or the platform's last-error code (1.72: the C runtime's error number). */
int FileFindFirst(const char* pattern, FileFindRecord* record);
int FileFindNext(FileFindRecord* record);
int FileFindClose(FileFindRecord* record);
#endif

/* Open-mode text: 读/r r, 写/w w, 添/a a, 数/b b, 文/t t, + +, either width; every other
   character is dropped. */
typedef const char* FileOpenMode;

/* Translates an open mode into the C runtime's letters: at most size - 1 of them and a NUL.
   Returns the buffer. */
char* FileModeText(FileOpenMode mode, char* buffer, int size);

/* 0 or -1. */
int FileDelete(const char* name);
/* 0, or the platform's last-error code (1.72: the C runtime's error number). */
int FileRename(const char* oldName, const char* newName);
/* "copy"/"move" options source target through the command processor; names that hold
   blanks or the processor's special characters are quoted. The processor's result, -1 when
   the command cannot be built. */
int FileCopy(const char* source, const char* target, const char* options);
int FileMove(const char* source, const char* target, const char* options);
int FileAccess(const char* name, int mode);
/* Clears the read-only attribute when mode has the write bit (0x80), else sets it. */
int FileChmod(const char* name, int mode);
/* buffer (260 bytes) receives the full path found in the current directory or along the
   variable's list; an empty text when not found. Returns the buffer. */
char* FileSearchEnv(const char* name, const char* variable, char* buffer);

FILE* FileOpen(const char* name, FileOpenMode mode);
/* FileOpen, or prints "文件：（name）打开失败！" and ends the program through system end. */
FILE* FileOpenOrExit(const char* name, FileOpenMode mode);
FILE* FdToStream(int descriptor, FileOpenMode mode);
/* mode is the C runtime's own mode text. */
FILE* FileReopen(const char* name, const char* mode, FILE* stream);

int FileGetByte(FILE* stream);
int FilePutByte(FILE* stream, int byte);
int FileUngetByte(FILE* stream, int byte);
/* Bytes read (1-4); at the first byte 0 at the end of the file and -1 on a read error, both
   with code -1. code may be null. */
int FileReadChar(FILE* stream, CharCode* code);
/* The bytes written, from the code's highest non-zero byte down. */
int FileWriteChar(FILE* stream, CharCode code);
char* FileGetLine(FILE* stream, char* buffer, int size);
int FilePutString(FILE* stream, const char* text);
int FileRead(FILE* stream, void* buffer, int recordSize, int count);
int FileWrite(FILE* stream, const void* buffer, int recordSize, int count);
int FileSeek(FILE* stream, long offset, int origin);
long FileTell(FILE* stream);
void FileRewind(FILE* stream);
int FileFlush(FILE* stream);
/* Length of the stream's file, written bytes still in its buffer included. */
long FileLength(FILE* stream);
void FileClearError(FILE* stream);
int FileSetBuffer(FILE* stream, char* buffer, int mode, int size);
int FileClose(FILE* stream);
int FileCloseAll(void);
int FileAtEnd(FILE* stream);
int FileHasError(FILE* stream);
int FileNumber(FILE* stream);

#ifdef __cplusplus
}
#endif

#endif
