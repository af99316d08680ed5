/* File names: splitting and rebuilding paths. A path wrapped in double quotes keeps its
   quotes around every result. The last "\" (else the last "/") ends the directory part; for
   PathGetDir, PathGetFileName and PathGetBaseName a ":" also does when neither is present.
   The extension begins at the last "." after the directory part. Results never split a
   double-byte character and always end with a NUL inside the given size. */
#ifndef MOYU_RUNTIME_PATH_H
#define MOYU_RUNTIME_PATH_H

#ifdef __cplusplus
extern "C" {
#endif

/* In place. size 0: the path may not grow; negative: no limit (1.72: as 0); else at most
   size - 1 bytes. Return the path; nothing happens for a null path or extension. */
char* PathSetExt(char* path, int size, const char* extension);
char* PathSetName(char* path, int size, const char* name);

/* Into a buffer of size bytes; null for a null path or buffer or size <= 0. */
char* PathWithExt(const char* path, const char* extension, char* buffer, int size);
char* PathWithName(const char* path, const char* name, char* buffer, int size);
char* PathGetDir(const char* path, char* buffer, int size);
char* PathGetFileName(const char* path, char* buffer, int size);
char* PathGetBaseName(const char* path, char* buffer, int size);
char* PathWithoutExt(const char* path, char* buffer, int size);

/* The extension's dot, or null. */
char* PathFindExt(const char* path);
int PathIsQuoted(const char* text);
/* Removes the opening quote and a closing one, in place. */
char* PathUnquote(char* text);
/* In place: a text of 2 bytes or more with a blank or tab and no quotes gets them; the
   buffer needs 2 more bytes. */
char* PathQuote(char* text);
/* A tracked copy, quoted when it holds a blank or tab and is not quoted yet. */
char* PathQuoteDup(const char* text);

#ifdef __cplusplus
}
#endif

#endif
