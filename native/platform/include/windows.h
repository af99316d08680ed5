#pragma once
// What the framework's collection templates take from windows.h, its integer types, for the
// native build of the cores. Nothing else of the platform is here: a core that calls on more
// does not build natively.
#include <cstdint>

#include "framework/PlatformTypes.h"

typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
