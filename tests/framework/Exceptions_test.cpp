#include "framework/Exceptions.h"

#include "framework/MessageBox.h"
#include "CStringPrinter.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Exceptions, FileExceptionCausesFromOsErrors)
{
    struct Case { LONG osError; int cause; };
    const Case cases[] = {
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {12345, CFileException::generic},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFileException::OsErrorToException(c.osError), c.cause) << c.osError;
}

TEST(Exceptions, ThrownByPointerAndCaughtAsBase)
{
    try {
        CFileException::ThrowOsError(ERROR_FILE_NOT_FOUND, "缺少.txt");
    } catch (CException* e) {
        auto* file = dynamic_cast<CFileException*>(e);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->m_cause, CFileException::fileNotFound);
        EXPECT_EQ(file->m_lOsError, ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(file->m_strFileName, "缺少.txt");
        e->Delete();
    }
}

TEST(Exceptions, ReportErrorShowsTheMessageThroughTheHook)
{
    ScopedMessageBoxHook hook;
    CFileException* e = new CFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "a.txt");
    EXPECT_EQ(e->ReportError(MB_ICONSTOP), IDOK);
    e->Delete();
    EXPECT_EQ(hook.Last().text, "找不到 a.txt。");
    EXPECT_EQ(hook.Last().type, (UINT)MB_ICONSTOP);

    CArchiveException archive(CArchiveException::endOfFile);
    archive.ReportError();
    EXPECT_EQ(hook.Last().text, "试图越过 未命名文件 的末尾进行访问。");

    CUserException user;
    user.ReportError();
    EXPECT_EQ(hook.Last().text, "没有可用的错误信息。");

    CMemoryException memory;
    memory.ReportError();
    EXPECT_EQ(hook.Last().text, "内存不足。");
}

TEST(Exceptions, GetErrorMessageCutsAtACharacterStart)
{
    CFileException e(CFileException::fileNotFound, 2, "中文");
    char buffer[8];
    memset(buffer, 'x', sizeof buffer);
    ASSERT_TRUE(e.GetErrorMessage(buffer, 6));  // "找不到 中文。": room for 5 bytes
    EXPECT_STREQ(buffer, "找不");
    EXPECT_EQ(buffer[7], 'x');
    EXPECT_FALSE(e.GetErrorMessage(buffer, 0));
}

TEST(Exceptions, UnknownCauseGivesTheGenericMessage)
{
    CFileException e(99, -1, "b");
    char buffer[256];
    ASSERT_TRUE(e.GetErrorMessage(buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "访问 b 时发生未知错误。");
}
