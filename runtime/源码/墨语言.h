/* Everything the language runtime library offers a Moyu program. */
#ifndef MOYU_RUNTIME_ALL_H
#define MOYU_RUNTIME_ALL_H

#include "runtime/源码/常量.h"
#include "runtime/源码/字符.h"
#include "runtime/源码/字符串.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/指针.h"
#include "runtime/源码/系统.h"

#endif
