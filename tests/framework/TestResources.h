#pragma once
// String-table ids of the framework tests' own resources.
#define IDS_TEST_CHINESE 101
#define IDS_TEST_LONG 102
#define IDS_TEST_FORMAT 103
#define IDS_TEST_PLACEHOLDER 104
#define IDS_TEST_MISSING 199
