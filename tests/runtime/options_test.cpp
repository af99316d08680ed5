// The option parser over argument arrays.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/源码/选项.h"
#include "std_stream_redirect.h"

namespace {

struct Step {
    int result;
    const char* argument; // the option argument expected, or null
};

class OptGetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OptReset();
        OptMessages = 1;
        OptSwitchChar = '/';
    }
    void TearDown() override { SetUp(); }

    // Runs the parser over "prog" + args and checks every step.
    void Expect(std::initializer_list<const char*> args, const char* letters,
                std::initializer_list<Step> steps)
    {
        std::vector<char*> argv{(char*)"prog"};
        for (const char* a : args)
            argv.push_back((char*)a);
        argv.push_back(nullptr);
        int i = 0;
        for (const Step& step : steps) {
            EXPECT_EQ(OptGet((int)argv.size() - 1, argv.data(), letters), step.result) << "step " << i;
            if (step.argument != nullptr)
                EXPECT_STREQ(OptArgument, step.argument) << "step " << i;
            else
                EXPECT_EQ(OptArgument, nullptr) << "step " << i;
            ++i;
        }
    }
};

TEST_F(OptGetTest, GroupsAndArguments)
{
    Expect({"-ab", "-c", "x", "file"}, "abc:", {{'a', nullptr}, {'b', nullptr}, {'c', "x"}, {-1, nullptr}});
    EXPECT_EQ(OptIndex, 4);
}

TEST_F(OptGetTest, LeadingWhiteSpaceIsSkipped)
{
    Expect({" -a", "\t-b"}, "ab", {{'a', nullptr}, {'b', nullptr}, {-1, nullptr}});
}

TEST_F(OptGetTest, ArgumentJoinedToTheLetter)
{
    Expect({"-cvalue", "-ac中文"}, "abc:", {{'c', "value"}, {'a', nullptr}, {'c', "中文"}, {-1, nullptr}});
}

TEST_F(OptGetTest, SecondSwitchCharacter)
{
    Expect({"/v"}, "v", {{'v', nullptr}, {-1, nullptr}});
    EXPECT_EQ(OptLastSwitch, '/');
    OptReset();
    OptSwitchChar = '+';
    Expect({"+v", "/v"}, "v", {{'v', nullptr}, {-1, nullptr}});
    EXPECT_EQ(OptIndex, 2);
}

TEST_F(OptGetTest, EndOfOptions)
{
    Expect({"--", "-a"}, "a", {{-1, nullptr}});
    EXPECT_EQ(OptIndex, 2);
    OptReset();
    Expect({"file", "-a"}, "a", {{-1, nullptr}, {-1, nullptr}});
    EXPECT_EQ(OptIndex, 1);
    OptReset();
    Expect({"-"}, "a", {{-1, nullptr}});
    EXPECT_EQ(OptIndex, 1);
    OptReset();
    Expect({}, "a", {{-1, nullptr}});
}

TEST_F(OptGetTest, UnknownLetterIsReportedOnceAndSkipped)
{
    StdStreamRedirect err(2);
    Expect({"-azb"}, "ab", {{'a', nullptr}, {'?', nullptr}, {'b', nullptr}, {-1, nullptr}});
    EXPECT_EQ(err.Restore(), "prog: 非法输入选项 -- z\n");
}

TEST_F(OptGetTest, MissingArgument)
{
    {
        StdStreamRedirect err(2);
        Expect({"-c"}, "abc:", {{'?', nullptr}, {-1, nullptr}});
        EXPECT_EQ(err.Restore(), "prog: 选项缺少参数 -- c\n");
    }
    OptReset();
    {
        StdStreamRedirect err(2);
        Expect({"-c"}, ":abc:", {{':', nullptr}});
        OptReset();
        Expect({"-z"}, ":abc:", {{'?', nullptr}});
        EXPECT_EQ(err.Restore(), "");
    }
}

TEST_F(OptGetTest, MessagesCanBeSwitchedOff)
{
    OptMessages = 0;
    StdStreamRedirect err(2);
    Expect({"-z", "-c"}, "c:", {{'?', nullptr}, {'?', nullptr}});
    EXPECT_EQ(err.Restore(), "");
}

}  // namespace
