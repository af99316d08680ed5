/* The entry glue of every Moyu program, console or GUI. Kept in its own object so that a
   program (or a test) that never calls it need not define 主程序. */
#include "runtime/源码/系统.h"

int ProgramEntry(int argc, char** argv, char** envp)
{
    SysInit();
    int result = 主程序(argc, argv, envp);
    SysCleanup();
    return result;
}
