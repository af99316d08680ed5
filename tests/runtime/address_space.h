#pragma once
// The runtime is a 32-bit library. Where a test needs a 32-bit address space (a 2 GB block that
// cannot be had, a block size that wraps), the 64-bit test build of machines that run no 32-bit
// code skips it or the check.
#include <gtest/gtest.h>

constexpr bool kAddressSpaceIs32Bit = sizeof(void*) == 4;

#define SKIP_WITHOUT_32BIT_ADDRESS_SPACE() \
    if (!kAddressSpaceIs32Bit) GTEST_SKIP() << "needs a 32-bit address space"
