/* Drives, directories and module file names. Paths are in the ANSI code page. */
#ifndef MOYU_RUNTIME_DIRECTORY_H
#define MOYU_RUNTIME_DIRECTORY_H

#ifdef __cplusplus
extern "C" {
#endif

/* Drive numbers count from 1 = A. 0 or -1. */
int DirSetDrive(int drive);
int DirGetDrive(void);
/* Bit 0 = A. */
unsigned long DirGetDriveMask(void);
/* The buffer, or null (also for a null buffer or size <= 0). */
char* DirGetCurrent(char* buffer, int size);
/* 0 or -1. */
int DirChange(const char* path);
int DirMake(const char* path);
int DirRemove(const char* path);

/* The module's file name, cut to size - 1 bytes and always ended with a NUL; returns the
   length written (0 on failure). module is a module handle, null for the program. */
int SysModuleFileName(void* module, char* buffer, int size);
/* The running program's full path and its length; 0 (empty buffer) for a null buffer, a
   size below 2, a failure or a path that does not fit. */
int SysExePath(char* buffer, int size);

#ifdef __cplusplus
}
#endif

#endif
