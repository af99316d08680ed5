#include "framework/FormatString.h"

#include "TestResources.h"

#include <gtest/gtest.h>

TEST(FormatStringTest, EveryPlaceholderOneIsReplaced)
{
    CString result = "old";
    AfxFormatString1(result, IDS_TEST_PLACEHOLDER, "墨语言.墨");
    EXPECT_STREQ("找不到墨语言.墨, 请看墨语言.墨; 100% %2", result);
    AfxFormatString1(result, IDS_TEST_PLACEHOLDER, nullptr);
    EXPECT_STREQ("找不到, 请看; 100% %2", result);
    AfxFormatString1(result, IDS_TEST_MISSING, "x");
    EXPECT_STREQ("", result);
}
