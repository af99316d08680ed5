#include "framework/DeferredLibrary.h"

const CDeferredLibrary& CommonDialogLibrary()
{
    static const CDeferredLibrary library("comdlg32.dll");
    return library;
}

const CDeferredLibrary& SpoolerLibrary()
{
    static const CDeferredLibrary library("winspool.drv");
    return library;
}
