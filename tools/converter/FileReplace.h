/* The two file operations the converter needs beyond the runtime library: telling whether
   two names mean one file, and replacing a file by another in one step. */
#ifndef MOYU_CONVERTER_FILE_REPLACE_H
#define MOYU_CONVERTER_FILE_REPLACE_H

#ifdef __cplusplus
extern "C" {
#endif

/* 1 when both names exist and are the same file (or resolve to the same full path). */
int FilesAreSame(const char* first, const char* second);
/* Moves source over target, replacing it atomically: target is never missing. 0 on
   success, else the platform's error code. */
int ReplaceFileWith(const char* source, const char* target);

#ifdef __cplusplus
}
#endif

#endif
