/* The pause. */
#include "runtime/源码/暂停.h"

#include "runtime/源码/控制台读写.h"
#include "runtime/源码/系统.h"

enum { kKeyCtrlC = 3, kKeyEscape = 27 };

int SysPause(void)
{
    ConPutString("按任意键继续");
    int key = SysGetKey();
    if (key == kKeyCtrlC || key == kKeyEscape)
        SysTerminate(key);
    return key;
}
