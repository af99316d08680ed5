/* The C entry of a Moyu console program. */
#include "runtime/源码/系统.h"

int main(int argc, char** argv, char** envp)
{
    return ProgramEntry(argc, argv, envp);
}
