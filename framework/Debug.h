#pragma once
#include <cassert>

// The classic checking macros: ASSERT is checked in debug builds only; VERIFY always
// evaluates its expression.
#ifndef ASSERT
#define ASSERT(condition) assert(condition)
#endif
#ifndef VERIFY
#ifdef NDEBUG
#define VERIFY(condition) ((void)(condition))
#else
#define VERIFY(condition) assert(condition)
#endif
#endif
