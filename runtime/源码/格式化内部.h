/* What the formatted routines of the format, file and debug modules share: the translation
   of a format into a scratch buffer and the standard streams they use. */
#ifndef MOYU_RUNTIME_FORMAT_INTERNAL_H
#define MOYU_RUNTIME_FORMAT_INTERNAL_H

#include <stdarg.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The buffer each formatted routine keeps on its stack for the translated format. */
enum { kFmtOwnBufferSize = 256 };

/* Translates format into own or, when the whole translation does not fit there, into a
   tracked heap block; the caller passes the result to FmtReleaseScratch. */
const char* FmtTranslateScratch(const char* format, char* own, int ownSize, const char* source,
                                int line);
void FmtReleaseScratch(char* own, const char* translated, const char* source, int line);

/* A C runtime stream routine that takes its arguments as a list: vfprintf or vfscanf. */
typedef int (*FmtStreamRoutine)(FILE* stream, const char* format, va_list args);
/* Runs routine on stream with format translated; the scratch buffer's allocation and release
   are logged against source at allocLine and freeLine. */
int FmtTranslatedStreamCall(FmtStreamRoutine routine, FILE* stream, const char* format,
                            va_list args, const char* source, int allocLine, int freeLine);

/* The system module's standard streams, or the C runtime's before system start. */
FILE* FmtStdOut(void);
FILE* FmtStdIn(void);

#ifdef __cplusplus
}
#endif

#endif
