#include "editor/util/Registry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string S(const CString& text) { return static_cast<const char*>(text); }

std::string UniqueSuffix()
{
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
}

// A class identifier of the form {6D6F7975-7465-7374-0000-…} that no real component uses.
std::string TestClassId()
{
    char text[64];
    snprintf(text, sizeof text, "{6D6F7975-7465-7374-0000-%012lX}",
             static_cast<unsigned long>(GetCurrentProcessId() ^ GetTickCount()));
    return text;
}

// A test-only key under HKEY_CURRENT_USER, removed with its values after each test.
class RegistryTest : public testing::Test {
protected:
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, (m_key + "\\child").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, m_key.c_str());
    }

    const std::string m_key = "Software\\MoyuUtilTest-" + UniqueSuffix();
};

TEST_F(RegistryTest, WriteReadAndRemoveValues)
{
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, m_key.c_str(), "名字", "墨语言编辑器"));
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, m_key.c_str(), nullptr, "default"));
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, m_key.c_str(), "empty", ""));

    CString value;
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, m_key.c_str(), "名字", value));
    EXPECT_EQ(S(value), "墨语言编辑器");
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, m_key.c_str(), "", value));
    EXPECT_EQ(S(value), "default");
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, m_key.c_str(), "empty", value));
    EXPECT_EQ(S(value), "");

    EXPECT_TRUE(RegRemoveValue(HKEY_CURRENT_USER, m_key.c_str(), "名字"));
    EXPECT_FALSE(RegRemoveValue(HKEY_CURRENT_USER, m_key.c_str(), "名字"));
    value = "unchanged";
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, m_key.c_str(), "名字", value));
    EXPECT_EQ(S(value), "unchanged");
}

TEST_F(RegistryTest, MissingKeyFailsAndLeavesValue)
{
    CString value = "unchanged";
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, (m_key + "\\nothing").c_str(), "x", value));
    EXPECT_EQ(S(value), "unchanged");
    EXPECT_FALSE(RegRemoveValue(HKEY_CURRENT_USER, (m_key + "\\nothing").c_str(), "x"));
    EXPECT_FALSE(RegRemoveKey(HKEY_CURRENT_USER, (m_key + "\\nothing").c_str()));
}

TEST_F(RegistryTest, ReadsAtMost260Bytes)
{
    const std::string fits(kRegStringMaxBytes - 1, 'a');
    const std::string tooLong(kRegStringMaxBytes, 'b');
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, m_key.c_str(), "fits", fits.c_str()));
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, m_key.c_str(), "long", tooLong.c_str()));
    CString value;
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, m_key.c_str(), "fits", value));
    EXPECT_EQ(S(value), fits);
    value = "unchanged";
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, m_key.c_str(), "long", value));
    EXPECT_EQ(S(value), "unchanged");
}

TEST_F(RegistryTest, ReadsValuesOfOtherTypes)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const BYTE unterminated[] = {'a', 'b', 'c'};
    RegSetValueExA(key, "raw", 0, REG_SZ, unterminated, sizeof unterminated);
    const DWORD number = 0x00434241;  // "ABC" little-endian
    RegSetValueExA(key, "number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);

    CString value;
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, m_key.c_str(), "raw", value));
    EXPECT_EQ(S(value), "abc");
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, m_key.c_str(), "number", value));
    EXPECT_EQ(S(value), "ABC");
}

TEST_F(RegistryTest, RawReadAlwaysTerminatesStrings)
{
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, m_key.c_str(), "v", "abcd"));
    char buffer[8];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_TRUE(RegReadRaw(HKEY_CURRENT_USER, m_key.c_str(), "v", buffer, 5));
    EXPECT_STREQ(buffer, "abcd");
    // Four bytes leave no room for the terminator.
    EXPECT_FALSE(RegReadRaw(HKEY_CURRENT_USER, m_key.c_str(), "v", buffer, 4));
    EXPECT_FALSE(RegReadRaw(HKEY_CURRENT_USER, m_key.c_str(), "v", buffer, 0));
    EXPECT_FALSE(RegReadRaw(HKEY_CURRENT_USER, m_key.c_str(), "v", nullptr, 8));
}

TEST_F(RegistryTest, RemoveKeyRefusesKeysWithSubkeysAndEmptyNames)
{
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, (m_key + "\\child").c_str(), "v", "x"));
    EXPECT_FALSE(RegRemoveKey(HKEY_CURRENT_USER, m_key.c_str()));
    EXPECT_FALSE(RegRemoveKey(HKEY_CURRENT_USER, ""));
    EXPECT_FALSE(RegRemoveKey(HKEY_CURRENT_USER, nullptr));
    EXPECT_TRUE(RegRemoveKey(HKEY_CURRENT_USER, (m_key + "\\child").c_str()));
    EXPECT_TRUE(RegRemoveKey(HKEY_CURRENT_USER, m_key.c_str()));
}

// Registers a server under a CLSID no real component uses and removes it again.
class InprocServerTest : public testing::Test {
protected:
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (m_progId + "\\CLSID").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, m_progId.c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (m_classKey + "\\ProgID").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (m_classKey + "\\InProcServer32").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, m_classKey.c_str());
    }

    bool Read(const std::string& key, const char* name, std::string& value)
    {
        CString text;
        if (!RegReadString(HKEY_CLASSES_ROOT, key.c_str(), name, text)) return false;
        value = S(text);
        return true;
    }

    const std::string m_classId = TestClassId();
    const std::string m_classKey = "CLSID\\" + m_classId;
    const std::string m_progId = "墨语言编辑器.UtilTest" + UniqueSuffix();
};

TEST_F(InprocServerTest, RegisterAndUnregisterRoundTrip)
{
    const std::string module = "C:\\墨语言\\bin\\ShellExt.dll";
    ASSERT_TRUE(RegisterInprocServer(m_classId.c_str(), m_progId.c_str(), module.c_str()));

    std::string value;
    EXPECT_TRUE(Read(m_classKey, nullptr, value));
    EXPECT_EQ(value, m_progId);
    EXPECT_TRUE(Read(m_classKey + "\\InProcServer32", nullptr, value));
    EXPECT_EQ(value, module);
    EXPECT_TRUE(Read(m_classKey + "\\InProcServer32", "ThreadingModel", value));
    EXPECT_EQ(value, "Apartment");
    EXPECT_TRUE(Read(m_classKey + "\\ProgID", nullptr, value));
    EXPECT_EQ(value, m_progId);
    EXPECT_TRUE(Read(m_progId, nullptr, value));
    EXPECT_EQ(value, m_progId);
    EXPECT_TRUE(Read(m_progId + "\\CLSID", nullptr, value));
    EXPECT_EQ(value, m_classId);

    EXPECT_TRUE(UnregisterInprocServer(m_classId.c_str(), m_progId.c_str()));
    EXPECT_FALSE(Read(m_classKey, nullptr, value));
    EXPECT_FALSE(Read(m_progId, nullptr, value));
    // Nothing is left to remove, so the first step already fails.
    EXPECT_FALSE(UnregisterInprocServer(m_classId.c_str(), m_progId.c_str()));
}

TEST_F(InprocServerTest, EmptyIdentifiersAreRefused)
{
    EXPECT_FALSE(RegisterInprocServer("", m_progId.c_str(), "x.dll"));
    EXPECT_FALSE(RegisterInprocServer(m_classId.c_str(), "", "x.dll"));
    EXPECT_FALSE(RegisterInprocServer(nullptr, m_progId.c_str(), "x.dll"));
    EXPECT_FALSE(UnregisterInprocServer("", m_progId.c_str()));
    EXPECT_FALSE(UnregisterInprocServer(m_classId.c_str(), nullptr));
    std::string value;
    EXPECT_FALSE(Read(m_progId, nullptr, value));
}

}  // namespace
