// The fixture of the tests that start the built IDE: an empty profile, a seeded copy of the
// program in a temporary installation with a work folder, and the started program.
#pragma once
#include "IdeHarness.h"

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

class IdeFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Each start begins from an empty profile: no layout or bar state of an earlier test.
        ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\云杉工作室\\墨语言编辑器");
        ::CreateDirectoryA((m_install / "work").c_str(), nullptr);
        m_exe = SeedInstallation(m_install);
        ASSERT_FALSE(m_exe.empty());
    }

    // Starts the IDE with the arguments in the folder (the work folder when empty); its main
    // window once it shows, null when it did not start or show.
    HWND StartIde(const std::string& arguments, const std::string& folder = "")
    {
        m_ide = std::make_unique<StartedProgram>(m_exe, arguments, folder.empty() ? m_install / "work" : folder);
        return WaitForMainWindow(*m_ide);
    }

    // Closes the IDE as the user does and waits for it to end.
    void CloseIde(HWND main)
    {
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_NE(m_ide->WaitForExit(), STILL_ACTIVE);
    }

    TempDir m_install;
    std::string m_exe;
    std::unique_ptr<StartedProgram> m_ide;
};
