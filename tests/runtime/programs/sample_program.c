/* A tiny Moyu console program for the end-to-end test: it reports the first trace-mode
   change, its arguments and one tracked block, and returns 7. */
#include "runtime/源码/墨语言.h"

int 主程序(int argc, char** argv, char** envp)
{
    (void)envp;
    int previous = MemSetTrace(开);
    ConPrint("首次跟踪:%整%行参数:%整%行", previous, argc);
    for (int i = 1; i < argc; i++)
        ConPrint("[%串]%行", argv[i]);
    char* kept = StrDup("保留", 0, 0);
#if MOYU_EDITION == 172
    MemFree(kept, "示例.墨", 20);
#else
    /* Released at system end, after the log is switched off. */
    SysAtExit(kept);
#endif
    return 7;
}
