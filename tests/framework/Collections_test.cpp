#include "framework/Collections.h"

#include "CStringPrinter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Items(const CStringArray& array)
{
    std::vector<std::string> items;
    for (int i = 0; i < array.GetSize(); ++i)
        items.push_back((LPCTSTR)array[i]);
    return items;
}

std::vector<std::string> Items(const CStringList& list)
{
    std::vector<std::string> items;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back((LPCTSTR)list.GetNext(pos));
    return items;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(CArray, AddInsertRemoveAtTheEdges)
{
    CStringArray a;
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add("b"), 0);
    a.InsertAt(0, "a");
    a.InsertAt(2, "c");
    a.InsertAt(5, "f");  // past the end: grows with empty elements
    EXPECT_EQ(Items(a), (Strings{"a", "b", "c", "", "", "f"}));
    a.InsertAt(1, "x", 2);
    EXPECT_EQ(Items(a), (Strings{"a", "x", "x", "b", "c", "", "", "f"}));
    a.RemoveAt(1, 2);
    a.RemoveAt(3, 99);   // removes only what exists
    a.RemoveAt(-1);
    a.RemoveAt(3);
    EXPECT_EQ(Items(a), (Strings{"a", "b", "c"}));
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(CArray, OutOfRangeAccessTouchesNoElement)
{
    CDWordArray a;
    a.Add(7);
    EXPECT_EQ(a.GetAt(1), 0u);
    EXPECT_EQ(a.GetAt(-1), 0u);
    a.SetAt(3, 9);
    a.ElementAt(5) = 11;
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], 7u);
    a[0] = 8;
    EXPECT_EQ(a.GetAt(0), 8u);
}

TEST(CArray, SetSizeSetAtGrowAppendCopy)
{
    CUIntArray a;
    a.SetSize(3);
    EXPECT_EQ(a.GetAt(2), 0u);
    a.SetAtGrow(4, 5);
    EXPECT_EQ(a.GetSize(), 5);
    CUIntArray b;
    b.Add(1);
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(b.GetSize(), 6);
    EXPECT_EQ(b.Append(b), 6);  // appending to itself doubles it
    EXPECT_EQ(b.GetSize(), 12);
    a.Copy(b);
    EXPECT_EQ(a.GetSize(), 12);
    EXPECT_EQ(a[11], 5u);
    a.SetSize(1);
    EXPECT_EQ(a.GetSize(), 1);
}

TEST(CArray, PointerAndByteArrays)
{
    int x = 0;
    CPtrArray pointers;
    pointers.Add(&x);
    EXPECT_EQ(pointers[0], &x);
    EXPECT_EQ(pointers.GetAt(1), nullptr);

    CByteArray bytes;
    bytes.SetSize(2);
    bytes[1] = 0xFF;
    EXPECT_EQ(bytes.GetData()[1], 0xFF);
    CWordArray words;
    words.Add(0xFFFF);
    EXPECT_EQ(words[0], 0xFFFF);
}

TEST(CList, BuildAndWalkBothWays)
{
    CStringList list;
    POSITION b = list.AddTail("b");
    list.AddHead("a");
    list.AddTail("d");
    list.InsertAfter(b, "c");
    list.InsertBefore(list.GetHeadPosition(), "0");
    list.InsertBefore(nullptr, "head");
    list.InsertAfter(nullptr, "tail");
    EXPECT_EQ(Items(list), (Strings{"head", "0", "a", "b", "c", "d", "tail"}));
    EXPECT_EQ(list.GetCount(), 7);

    Strings backwards;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backwards.push_back((LPCTSTR)list.GetPrev(pos));
    EXPECT_EQ(backwards, (Strings{"tail", "d", "c", "b", "a", "0", "head"}));
}

TEST(CList, RemoveAtEveryPlace)
{
    CStringList list;
    for (const char* s : {"a", "b", "c", "d"})
        list.AddTail(s);
    list.RemoveAt(list.Find("b"));
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(Items(list), (Strings{"c"}));
    EXPECT_EQ(list.GetHead(), "c");
    EXPECT_EQ(list.GetTail(), "c");
    list.RemoveAt(list.GetHeadPosition());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail("again");
    EXPECT_EQ(Items(list), (Strings{"again"}));
}

TEST(CList, EmptyListAndNullPositionsAreNeutral)
{
    CStringList list;
    EXPECT_EQ(list.RemoveHead(), "");
    EXPECT_EQ(list.RemoveTail(), "");
    EXPECT_EQ(list.GetHead(), "");
    POSITION none = nullptr;
    EXPECT_EQ(list.GetNext(none), "");
    EXPECT_EQ(none, nullptr);
    list.RemoveAt(nullptr);
    list.SetAt(nullptr, "x");
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(CList, FindAndFindIndex)
{
    CPtrList list;
    int a = 0, b = 0;
    list.AddTail(&a);
    POSITION second = list.AddTail(&b);
    list.AddTail(&a);
    POSITION first = list.Find(&a);
    EXPECT_EQ(first, list.GetHeadPosition());
    EXPECT_EQ(list.Find(&a, first), list.GetTailPosition());
    EXPECT_EQ(list.Find(&b, second), nullptr);
    EXPECT_EQ(list.FindIndex(1), second);
    EXPECT_EQ(list.FindIndex(3), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    EXPECT_EQ(list.RemoveHead(), &a);
    EXPECT_EQ(list.RemoveTail(), &a);
    EXPECT_EQ(list.GetCount(), 1);
}

TEST(CList, CopiesAreIndependentAndSelfAppendDoubles)
{
    CStringList list;
    list.AddTail("x");
    list.AddTail("y");
    CStringList copy(list);
    copy.SetAt(copy.GetHeadPosition(), "z");
    EXPECT_EQ(Items(list), (Strings{"x", "y"}));
    list.AddTail(&list);
    list.AddHead(&copy);
    EXPECT_EQ(Items(list), (Strings{"z", "y", "x", "y", "x", "y"}));
    copy = list;
    EXPECT_EQ(copy.GetCount(), 6);
}

TEST(CMap, LookupSetRemove)
{
    CMapStringToString map;
    map.SetAt("键", "值");
    map["b"] = "2";
    map.SetAt("b", "3");
    CString value;
    EXPECT_TRUE(map.Lookup("键", value));
    EXPECT_EQ(value, "值");
    EXPECT_TRUE(map.Lookup(CString("b"), value));
    EXPECT_EQ(value, "3");
    EXPECT_FALSE(map.Lookup("B", value));  // keys are case-sensitive
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_TRUE(map.RemoveKey("b"));
    EXPECT_FALSE(map.RemoveKey("b"));
    EXPECT_FALSE(map.Lookup("b", value));
    EXPECT_EQ(map["new"], "");  // operator[] adds a default value
    EXPECT_EQ(map.GetCount(), 2);
}

TEST(CMap, IterationVisitsEveryAssociationOnceAcrossGrowth)
{
    CMapStringToPtr map;
    map.InitHashTable(3);
    std::set<std::string> expected;
    for (int i = 0; i < 500; ++i) {
        CString key;
        key.Format("k%d", i);
        map.SetAt(key, reinterpret_cast<void*>(i + 1));
        expected.insert((LPCTSTR)key);
    }
    EXPECT_EQ(map.GetCount(), 500);
    EXPECT_GT(map.GetHashTableSize(), 3u);

    std::set<std::string> seen;
    POSITION pos = map.GetStartPosition();
    while (pos) {
        CString key;
        void* value = nullptr;
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.insert((LPCTSTR)key).second);
        EXPECT_EQ((ULONG_PTR)value, (ULONG_PTR)atoi(key.Mid(1)) + 1);
    }
    EXPECT_EQ(seen, expected);
}

TEST(CMap, RemovingTheKeyJustVisitedKeepsIterating)
{
    CMapPtrToPtr map;
    int cells[20];
    for (int& c : cells)
        map.SetAt(&c, &c);
    int visited = 0;
    POSITION pos = map.GetStartPosition();
    while (pos) {
        void* key = nullptr;
        void* value = nullptr;
        map.GetNextAssoc(pos, key, value);
        EXPECT_EQ(key, value);
        map.RemoveKey(key);
        ++visited;
    }
    EXPECT_EQ(visited, 20);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

TEST(CMap, CopyAndRemoveAll)
{
    CMapStringToString map;
    map.SetAt("a", "1");
    CMapStringToString copy(map);
    map.RemoveAll();
    CString value;
    EXPECT_TRUE(copy.Lookup("a", value));
    EXPECT_FALSE(map.Lookup("a", value));
    map.SetAt("b", "2");
    EXPECT_EQ(map.GetCount(), 1);
}
