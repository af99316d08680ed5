#pragma once

#include "framework/Collections.h"

// Sorting of string arrays (directory listings, remote listings, word lists).
// caseSensitive non-zero: byte order with double-byte characters compared whole;
// zero: the same order with single-byte ASCII letters folded (trail bytes never fold).

// Sorts the whole array ascending; arrays of fewer than two strings are left alone.
void SortStrings(CStringArray& strings, int caseSensitive);
// Quicksort of the elements first..last (inclusive), pivot the middle element.
// Indexes outside the array are clamped to it.
void SortStringArray(CStringArray& strings, int caseSensitive, int first, int last);
