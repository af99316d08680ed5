// Actions that run out of memory: each allocation of an action in turn is made to fail once,
// and the action must then be taken back whole, leave every view consistent and say so.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "tests/editor/view/EditTestSupport.h"

namespace {

// The allocation number that fails next (counted from when it was armed); -1: none.
int s_failAt = -1;

void* Allocate(size_t size)
{
    if (s_failAt >= 0 && s_failAt-- == 0)
        throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void* AllocateOrNull(size_t size) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace

// Every form of new a core calls comes from here, the nothrow ones (the regex engine's
// program) too: a runtime that supplies its own nothrow forms would otherwise hand out blocks
// that the delete below does not own.
void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return AllocateOrNull(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return AllocateOrNull(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

TEST(OutOfMemory, FailedActionsAreTakenBackWhole)
{
    struct Case {
        const char* name;
        std::function<void(EditFixture&)> action;
    } cases[] = {
        {"typing", [](EditFixture& f) { f.actions.TypeCharAtCaret('x'); }},
        {"paste",
         [](EditFixture& f) {
             CStringLineList lines;
             for (const char* text : {"粘贴 one", "two", "three 三"})
                 lines.AddTail(CString(text));
             f.actions.PasteStream(lines);
         }},
        {"replace all", [](EditFixture& f) { f.search.DoReplaceAllInFile(); }},
    };
    for (const Case& c : cases) {
        bool completed = false;
        for (int failAt = 0; !completed && failAt < 5000; ++failAt) {
            EditFixture f;
            f.Load({"abc abc", "第二行 abc", "", "abc"});
            f.search.DoReplace("abc", "整数 abcd", 0);
            f.Caret(2, 1);
            const Texts before = f.Lines();
            bool done = false;
            s_failAt = failAt;
            f.Act([&] {
                c.action(f);
                done = true;
            });
            completed = s_failAt >= 0;
            s_failAt = -1;
            if (completed) {
                EXPECT_TRUE(done) << c.name;
                EXPECT_NE(before, f.Lines()) << c.name;
                break;
            }
            ASSERT_EQ(before, f.Lines()) << c.name << ", allocation " << failAt;
            EXPECT_FALSE(f.document.IsModified()) << c.name << ", allocation " << failAt;
            EXPECT_EQ(0, f.document.GetUndoSet().GetGroupCount()) << c.name << ", allocation " << failAt;
            EXPECT_EQ(1, f.prompts.outOfMemory) << c.name << ", allocation " << failAt;
            EXPECT_TRUE(f.view.Check()) << c.name << ", allocation " << failAt;
        }
        EXPECT_TRUE(completed) << c.name;
    }
}
