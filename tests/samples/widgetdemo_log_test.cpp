// widgetdemo's dialog procedure run in-process: what it answers and what it logs.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "runtime/源码/系统.h"
#include "runtime/源码/调试.h"
#include "samples/widgetdemo/widgetdemo.h"
#include "stdout_capture.h"

namespace {

class WidgetDemoLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SysInit();
        m_level = DbgSetLevel(2);
    }
    void TearDown() override
    {
        DbgSetLevel(m_level);
        SysCleanup();
    }
    int m_level = 2;
};

size_t CountLines(const std::string& text)
{
    size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    return lines;
}

}  // namespace

TEST_F(WidgetDemoLogTest, AnswersAsADialogProcedure)
{
    EXPECT_EQ(WidgetDemoDialogProc(nullptr, WM_INITDIALOG, 0, 0), 1) << "default focus";
    EXPECT_EQ(WidgetDemoDialogProc(nullptr, WM_COMMAND, 1005, 0), 1);
    EXPECT_EQ(WidgetDemoDialogProc(nullptr, WM_MOUSEMOVE, 0, 0), 0);
}

TEST_F(WidgetDemoLogTest, LogsEveryMessageOnlyFromLevelFour)
{
    StdoutCapture quiet;
    WidgetDemoDialogProc(nullptr, WM_USER, 1, 2);
    EXPECT_EQ(quiet.Finish(), "");

    DbgSetLevel(4);
    StdoutCapture capture;
    WidgetDemoDialogProc(nullptr, WM_USER, 1, 2);
    WidgetDemoDialogProc(nullptr, WM_INITDIALOG, 0, 0);
    WidgetDemoDialogProc(nullptr, WM_MOUSEMOVE, 3, 0x50005);
    std::string log = capture.Finish();
    EXPECT_EQ(CountLines(log), 3u) << log;
    EXPECT_NE(log.find("消息=1024，参数1=1， 参数2=2。"), std::string::npos) << log;
    EXPECT_NE(log.find("消息=512，参数1=3， 参数2=327685。"), std::string::npos) << log;
}
