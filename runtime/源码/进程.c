/* Process wrappers over the C runtime's environment, exec, spawn and system families. */
#include "runtime/源码/进程.h"

#include <process.h>
#include <stdlib.h>
#include "runtime/源码/系统.h"

enum { kSpawnModeMax = 128 };

static int WantsSearch(KindWord search)
{
    return search == 1 || search == 搜索;
}

static int SpawnModeOf(KindWord mode)
{
    if (mode <= kSpawnModeMax)
        return (int)mode;
    if (mode == 并发)
        return _P_NOWAIT;
    if (mode == 覆盖)
        return _P_OVERLAY;
    if (mode == 后台)
        return _P_DETACH;
    return _P_WAIT;
}

const char* ProcGetEnv(const char* name)
{
    return name != NULL ? getenv(name) : NULL;
}

int ProcPutEnv(const char* assignment)
{
    return assignment != NULL && _putenv(assignment) == 0 ? 0 : -1;
}

typedef const char* const* ArgumentList;

enum { kFullPathSize = 260 };

/* When search is asked for, looks the program up along PATH into full; the program itself
   when it is not found there, with *runtimeSearch set so that the C runtime's own search
   (with its extension rules) still gets its turn. Our own look-up comes first because the
   runtime's search fails after an earlier spawn on some systems. */
static const char* SearchProgram(const char* program, KindWord search, char* full,
                                 int* runtimeSearch)
{
    *runtimeSearch = 0;
    if (!WantsSearch(search))
        return program;
    full[0] = '\0';
    _searchenv(program, "PATH", full);
    *runtimeSearch = full[0] == '\0';
    return *runtimeSearch ? program : full;
}

int ProcExec(const char* program, KindWord search, char* const* arguments,
             char* const* environment)
{
    if (program == NULL || arguments == NULL)
        return -1;
    ArgumentList argv = (ArgumentList)arguments;
    ArgumentList envp = (ArgumentList)environment;
    char full[kFullPathSize];
    int runtimeSearch;
    program = SearchProgram(program, search, full, &runtimeSearch);
    if (runtimeSearch)
        environment != NULL ? _execvpe(program, argv, envp) : _execvp(program, argv);
    else
        environment != NULL ? _execve(program, argv, envp) : _execv(program, argv);
    int code = SysGetLastError();
    return code != 0 ? code : -1;
}

int ProcSpawn(KindWord mode, const char* program, KindWord search, char* const* arguments,
              char* const* environment)
{
    if (program == NULL || arguments == NULL)
        return -1;
    int spawnMode = SpawnModeOf(mode);
    ArgumentList argv = (ArgumentList)arguments;
    ArgumentList envp = (ArgumentList)environment;
    char full[kFullPathSize];
    int runtimeSearch;
    program = SearchProgram(program, search, full, &runtimeSearch);
    intptr_t result;
    if (runtimeSearch)
        result = environment != NULL ? _spawnvpe(spawnMode, program, argv, envp)
                                     : _spawnvp(spawnMode, program, argv);
    else
        result = environment != NULL ? _spawnve(spawnMode, program, argv, envp)
                                     : _spawnv(spawnMode, program, argv);
    return (int)result;
}

int ProcSystem(const char* commandLine)
{
    return system(commandLine);
}
