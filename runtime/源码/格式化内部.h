/* What the formatted routines of the format, file and debug modules share: the translation
   of a format into a scratch buffer and the standard streams they use. */
#ifndef MOYU_RUNTIME_FORMAT_INTERNAL_H
#define MOYU_RUNTIME_FORMAT_INTERNAL_H

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

/* The system module's standard streams, or the C runtime's before system start. */
FILE* FmtStdOut(void);
FILE* FmtStdIn(void);

#ifdef __cplusplus
}
#endif

#endif
