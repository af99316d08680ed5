#include <gtest/gtest.h>

#include <cstdio>

#include "framework/MessageBox.h"

namespace {

// Under the test display a real message box would wait for a click that never comes, so a
// box that no test scripted fails the running test and is answered with its default button.
class UnexpectedMessageBoxGuard : public MessageBoxHook {
public:
    int OnMessageBox(HWND, LPCTSTR text, LPCTSTR caption, UINT type) override
    {
        ADD_FAILURE() << "unexpected message box \"" << (caption ? caption : "") << "\": " << (text ? text : "");
        return ScopedMessageBoxHook::DefaultAnswer(type);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    // A pipe gets whole buffers from the C runtime: a program that crashed or was ended would
    // take its last results, the ones that tell what went wrong, with it.
    setvbuf(stdout, nullptr, _IONBF, 0);
    ::testing::InitGoogleTest(&argc, argv);
    UnexpectedMessageBoxGuard guard;
    SetMessageBoxHook(&guard);
    return RUN_ALL_TESTS();
}
