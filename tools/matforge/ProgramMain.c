/* The program's own main function, called by the runtime library's entry glue. */
#include "runtime/源码/系统.h"
#include "tools/matforge/MatforgeMain.h"

int 主程序(int argc, char** argv, char** envp)
{
    (void)envp;
    return MatforgeMain(argc, argv);
}
