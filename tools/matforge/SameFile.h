/* Whether two file names lead to one file, so the output can never overwrite the input. */
#ifndef MOYU_MATFORGE_SAME_FILE_H
#define MOYU_MATFORGE_SAME_FILE_H

#ifdef __cplusplus
extern "C" {
#endif

/* 1 when both names resolve to the same full path (letters in either case), or both
   exist and are one file (a short name, a hard link); else 0. */
int NamesSameFile(const char* first, const char* second);

#ifdef __cplusplus
}
#endif

#endif
