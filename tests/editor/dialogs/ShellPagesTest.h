#pragma once
#define IDD_TEST_SHELL_PAGES 9001
