/* A tiny Moyu console program for the end-to-end test: it reports the first trace-mode
   change, its arguments and one tracked block, and returns 7; with the first argument
   "结束" it ends through SysTerminate(3) instead. */
#include "runtime/源码/墨语言.h"

int 主程序(int argc, char** argv, char** envp)
{
    (void)envp;
    int previous = MemSetTrace(开);
    ConPrint("首次跟踪:%整%行参数:%整%行", previous, argc);
    for (int i = 1; i < argc; i++)
        ConPrint("[%串]%行", argv[i]);
    char* kept = StrDup("保留", 0, 0);
#if MOYU_EDITION != 172
    /* Released at system end, after the log is switched off. */
    SysAtExit(kept);
#endif
    if (argc > 1 && StrCompare(argv[1], "结束") == 0)
        SysTerminate(3);
#if MOYU_EDITION == 172
    MemFree(kept, "示例.墨", 20);
#endif
    return 7;
}
