/* A GUI program that opens the debug console, writes a line to it and ends with 5; the GUI
   entry then waits for a key in that console before the process ends. */
#include <stdio.h>

#include "runtime/源码/显示.h"

int 主程序(int argc, char** argv, char** envp)
{
    (void)argc;
    (void)argv;
    (void)envp;
    int width = 100, height = 100;
    GfxInit(NULL, &width, &height, NULL, 调试, NULL);
    printf("调试输出\n");
    fflush(stdout);
    return 5;
}
