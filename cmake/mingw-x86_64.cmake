# Cross-compiles the same sources as 64-bit Windows programs: the test build of machines whose
# kernel starts no 32-bit programs, where 32-bit Wine cannot run (the shipped build is 32-bit).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
