/* The program's own main function, called by the runtime library's entry glue. */
#include "runtime/源码/系统.h"
#include "tools/converter/ConverterMain.h"

int 主程序(int argc, char** argv, char** envp)
{
    return ConverterMain(argc, argv, envp);
}
