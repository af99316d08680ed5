/* Processes: environment, exec, spawn and the command processor. */
#ifndef MOYU_RUNTIME_PROCESS_H
#define MOYU_RUNTIME_PROCESS_H

#include "runtime/源码/常量.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The value, or null. */
const char* ProcGetEnv(const char* name);
/* "NAME=value": 0 or -1. */
int ProcPutEnv(const char* assignment);
/* Replaces the process; search 1 or 搜索 looks the program up along PATH; environment may be
   null. Returns only on failure, with the platform's last-error code (1.72: the C runtime's
   error number). */
int ProcExec(const char* program, KindWord search, char* const* arguments,
             char* const* environment);
/* mode 0-128 as the C runtime takes it, 并发 no wait, 覆盖 overlay, 后台 detached, anything
   else wait. The exit code when waiting, -1 on failure. */
int ProcSpawn(KindWord mode, const char* program, KindWord search, char* const* arguments,
              char* const* environment);
/* Runs a command line through the command processor; its result. */
int ProcSystem(const char* commandLine);

#ifdef __cplusplus
}
#endif

#endif
