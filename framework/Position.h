#pragma once

// An opaque place in a list or map, as the classic collections hand out; null is "none".
struct __POSITION {};
typedef __POSITION* POSITION;

// The position before the first association of a non-empty map.
#define BEFORE_START_POSITION ((POSITION)-1L)
