/* The platform entry of a Moyu GUI program. Kept out of the library proper so that a
   program (or a test) with its own entry links the library without it. */
#include "runtime/源码/显示.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand)
{
    return VdWinMain(instance, previousInstance, commandLine, showCommand);
}
