/* File names of a run. */
#include "tools/matforge/ResourceNames.h"

#include <stddef.h>

#include "runtime/源码/字符串.h"
#include "runtime/源码/文件名处理.h"

static const char kResourceExtension[] = ".素材";
static const char kOutputExtension[] = ".rc";
/* Room kept after each name, as the library's own name helpers expect. */
enum { kNameRoom = 5 };

int HasResourceExtension(const char* argument)
{
    const char* extension = PathFindExt(argument);
    return extension == NULL || StrCompare(extension, kResourceExtension) == 0;
}

char* MakeInputName(const char* argument)
{
    const char* suffix = PathFindExt(argument) ? "" : kResourceExtension;
    return StrJoin3Ex(argument, suffix, NULL, kNameRoom);
}

char* MakeOutputName(const char* inputName, const char* argument)
{
    if (argument)
        return StrDup(argument, 0, kNameRoom);
    char* name = StrDup(inputName, 0, kNameRoom);
    if (name)
        PathSetExt(name, StrLen(name) + kNameRoom + 1, kOutputExtension);
    return name;
}
