/* Everything the language runtime library offers a Moyu program. */
#ifndef MOYU_RUNTIME_ALL_H
#define MOYU_RUNTIME_ALL_H

#include "runtime/源码/常量.h"
#include "runtime/源码/字符.h"
#include "runtime/源码/字符串.h"
#include "runtime/源码/内存.h"
#include "runtime/源码/指针.h"
#include "runtime/源码/系统.h"
#include "runtime/源码/格式化.h"
#include "runtime/源码/控制台读写.h"
#include "runtime/源码/文件名处理.h"
#include "runtime/源码/目录.h"
#include "runtime/源码/文件.h"
#include "runtime/源码/文件格式化.h"
#include "runtime/源码/描述符.h"
#include "runtime/源码/调试.h"
#include "runtime/源码/暂停.h"
#include "runtime/源码/选项.h"
#include "runtime/源码/进程.h"
#include "runtime/源码/宽字符.h"

#endif
