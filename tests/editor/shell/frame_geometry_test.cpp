#include "editor/shell/FrameGeometry.h"

#include <gtest/gtest.h>

TEST(ShortenTabTitle, CutsToTheLimitKeepingTheExtension)
{
    const struct {
        const char* title;
        int limit;
        const char* expected;
    } cases[] = {
        {"averyverylongname.c", 12, "averyver...c"},
        {"exactly12.墨", 12, "exactly12.墨"},  // 12 bytes: unchanged
        {"short.c", 12, "short.c"},
        {"nodotatallinthisname", 12, "nodotatal..."},
        {"abcdefghij:xy", 12, "abcdefg...:xy"},  // without a dot the tail starts at the ':'
        {"ftp:averylongremotename", 12, "...:averylongremotename"},  // the tail is kept whole
        {"x.averyverylongextension", 12, "...averyverylongextension"},  // no room for a head
        // A head never ends inside a double-byte character.
        {"墨语言程序示例.墨", 12, "墨语言...墨"},
        {"墨语言程序示例文件名称", 12, "墨语言程...", },
    };
    for (const auto& c : cases)
        EXPECT_STREQ(ShortenTabTitle(c.title, c.limit), c.expected) << c.title;
}

TEST(ShortenTabTitle, TabTextIsTheFileNameWithABlank)
{
    EXPECT_STREQ(TabTitleFor("C:\\work\\averyverylongname.c", 12), "averyver...c ");
    EXPECT_STREQ(TabTitleFor("新文件1", 32), "新文件1 ");
}

TEST(StatusPaneText, CaretAndFormat)
{
    EXPECT_STREQ(CaretPaneText(12, 3), "行 12,  列 3");
    EXPECT_STREQ(FormatPaneText(1, 1), "ASCII, DOS");
    EXPECT_STREQ(FormatPaneText(4, 2), "UTF-8, UNIX");
    EXPECT_STREQ(FormatPaneText(9, 9), "N.A., N.A.");
}

TEST(RecentWindowList, CyclesWhileFrozenAndMovesTheReachedWindowToTheHead)
{
    int a, b, c;
    RecentWindowList list;
    EXPECT_EQ(list.At(1), nullptr);
    list.PushHead(&a);
    EXPECT_EQ(list.At(1), &a);  // Ctrl+Tab with one window activates it again
    list.PushHead(&b);
    list.PushHead(&c);  // c, b, a
    EXPECT_EQ(list.At(1), &b);
    EXPECT_EQ(list.At(2), &a);
    EXPECT_EQ(list.At(3), &c);  // wraps
    list.MoveToHead(&a);        // Ctrl released on a
    EXPECT_EQ(list.At(0), &a);
    EXPECT_EQ(list.At(1), &c);
    int stranger;
    list.MoveToHead(&stranger);  // not added
    EXPECT_EQ(list.GetCount(), 3);
    list.Remove(&c);
    list.Remove(&a);
    list.Remove(&b);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(RepairPlacement, MinimisedOrOffScreenWindowsComeBackNormalAndVisible)
{
    const RECT work = {0, 0, 1280, 984};
    const RECT screen = {0, 0, 1280, 1024};
    const struct {
        UINT showCmd;
        RECT normal;
        UINT expectedShow;
        bool moved;
    } cases[] = {
        {SW_SHOWNORMAL, {100, 100, 900, 700}, SW_SHOWNORMAL, false},
        {SW_SHOWMINIMIZED, {100, 100, 900, 700}, SW_SHOWNORMAL, false},
        {SW_SHOWMAXIMIZED, {100, 100, 900, 700}, SW_SHOWMAXIMIZED, false},
        {SW_HIDE, {100, 100, 900, 700}, SW_SHOWNORMAL, false},
        {SW_SHOWNORMAL, {-32000, -32000, -31200, -31400}, SW_SHOWNORMAL, true},  // left on a screen gone
        {SW_SHOWNORMAL, {3000, 200, 3800, 800}, SW_SHOWNORMAL, true},
        {SW_SHOWNORMAL, {0, 0, 0, 0}, SW_SHOWNORMAL, true},  // nothing saved
    };
    for (const auto& c : cases) {
        WINDOWPLACEMENT placement = {sizeof placement};
        placement.showCmd = c.showCmd;
        placement.rcNormalPosition = c.normal;
        WINDOWPLACEMENT repaired = RepairPlacement(placement, work, screen);
        EXPECT_EQ(repaired.showCmd, c.expectedShow);
        const RECT& r = repaired.rcNormalPosition;
        EXPECT_EQ(r.left == c.normal.left && r.top == c.normal.top, !c.moved) << c.normal.left;
        EXPECT_GE(r.left, work.left);
        EXPECT_GE(r.top, work.top);
        EXPECT_LE(r.right, work.right);
        EXPECT_LE(r.bottom, work.bottom);
        EXPECT_GE(r.right - r.left, 100);
    }
}
