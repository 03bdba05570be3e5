// The real platform layer against a real Windows runtime: registry values of
// every type and shape, the file test, the process scan and the message queue.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/BrowserWait.h"
#include "browser/DefaultBrowser.h"
#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/SystemVersion.h"
#include "platform/ThreadQueue.h"

namespace {

const wchar_t kScratchKey[] = L"Software\\LauncherPlatformTest";

// Open handles of this process: a leak per call shows as growth over many calls.
DWORD HandleCount()
{
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

std::vector<BYTE> Utf16(const std::wstring& text, bool terminated)
{
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(bytes, bytes + (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
}

class RegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteKeyW(HKEY_CURRENT_USER, kScratchKey);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override
    {
        RegCloseKey(key_);
        RegDeleteKeyW(HKEY_CURRENT_USER, kScratchKey);
    }

    void Set(const wchar_t* name, DWORD type, const std::vector<BYTE>& data)
    {
        ASSERT_EQ(RegSetValueExW(key_, name, 0, type, data.empty() ? nullptr : data.data(), static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }

    // What the lookup's reader makes of the value: its text, or "<failure>".
    static std::u16string Read(const wchar_t* name)
    {
        const RegistryKey key = OpenRegistryKey(RegistryRoot::CurrentUser, u"Software\\LauncherPlatformTest", 0x20019);
        EXPECT_TRUE(key.IsOpen());
        try {
            return ReadRegistryText(key, reinterpret_cast<const char16_t*>(name));
        } catch (...) {
            return u"<failure>";
        }
    }

    HKEY key_ = nullptr;
};

TEST_F(RegistryTest, ReadsEveryShapeOfStoredText)
{
    const std::wstring longText(100000, L'x');
    std::vector<BYTE> odd = Utf16(L"ab", false);
    odd.push_back('c');
    Set(L"terminated", REG_SZ, Utf16(L"\"C:\\b.exe\" %1", true));
    Set(L"unterminated", REG_SZ, Utf16(L"abc", false));
    Set(L"odd", REG_SZ, odd);
    Set(L"nul inside", REG_SZ, Utf16(std::wstring(L"ab\0cd", 5), true));
    Set(L"expand", REG_EXPAND_SZ, Utf16(L"%SystemRoot%\\b.exe", true));
    Set(L"empty", REG_SZ, {});
    Set(L"empty dword", REG_DWORD, {});
    Set(L"long", REG_SZ, Utf16(longText, false));
    Set(L"dword", REG_DWORD, {1, 0, 0, 0});
    Set(L"binary", REG_BINARY, Utf16(L"abc", true));
    Set(L"multi", REG_MULTI_SZ, Utf16(std::wstring(L"a\0b\0", 4), true));
    Set(nullptr, REG_SZ, Utf16(L"default", true));

    const struct {
        const wchar_t* name;
        std::u16string text;
    } cases[] = {
        {L"terminated", u"\"C:\\b.exe\" %1"},
        {L"unterminated", u"abc"},
        {L"odd", u"ab"},
        {L"nul inside", u"ab"},
        {L"expand", u"%SystemRoot%\\b.exe"},
        {L"empty", u""},
        {L"empty dword", u""},
        {L"missing", u""},
        {L"long", std::u16string(100000, u'x')},
        {L"dword", u"<failure>"},
        {L"binary", u"<failure>"},
        {L"multi", u"<failure>"},
        {L"", u"default"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.name), c.text) << std::string(c.name, c.name + wcslen(c.name));
}

TEST_F(RegistryTest, OpensOnlyWhatExistsAndLeavesNoKeyOpenBehind)
{
    EXPECT_TRUE(OpenRegistryKey(RegistryRoot::CurrentUser, u"Software\\LauncherPlatformTest", 0x20009).IsOpen());
    EXPECT_FALSE(OpenRegistryKey(RegistryRoot::CurrentUser, u"Software\\LauncherPlatformTest\\none", 0x20009).IsOpen());
    EXPECT_TRUE(OpenRegistryKey(RegistryRoot::ClassesRoot, u"http\\shell\\open\\command", 0x20019).IsOpen());

    const DWORD before = HandleCount();
    for (int i = 0; i < 100; ++i)
        Read(L"missing");
    EXPECT_LE(HandleCount(), before + 2);
}

class FilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"launcher-files-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        file_ = folder_ + L"\\play.url";
        CloseHandle(CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        CreateDirectoryW((folder_ + L"\\folder.url").c_str(), nullptr);
    }
    void TearDown() override
    {
        DeleteFileW((folder_ + L"\\link.url").c_str());
        RemoveDirectoryW((folder_ + L"\\dirlink").c_str());
        DeleteFileW(file_.c_str());
        RemoveDirectoryW((folder_ + L"\\folder.url").c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::u16string Path(const wchar_t* name) const
    {
        const std::wstring path = folder_ + L"\\" + name;
        return std::u16string(path.begin(), path.end());
    }

    std::wstring folder_;
    std::wstring file_;
};

TEST_F(FilesTest, OnlyExistingEntriesThatAreNotDirectoriesCount)
{
    EXPECT_TRUE(ExistsAsFile(Path(L"play.url")));
    EXPECT_FALSE(ExistsAsFile(Path(L"folder.url")));
    EXPECT_FALSE(ExistsAsFile(Path(L"missing.url")));
    EXPECT_FALSE(ExistsAsFile(u""));

    // Held with no sharing at all by someone else: still there.
    const HANDLE held = CreateFileW(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(ExistsAsFile(Path(L"play.url")));
    CloseHandle(held);
}

TEST_F(FilesTest, LinksCountWhenTheyLeadToAReadableFile)
{
    using CreateLink = BOOLEAN(WINAPI*)(LPCWSTR, LPCWSTR, DWORD);
    const auto create = reinterpret_cast<CreateLink>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "CreateSymbolicLinkW")));
    // Wine 8 reports success without making a link.
    if (!create || !create((folder_ + L"\\link.url").c_str(), file_.c_str(), 0) ||
        GetFileAttributesW((folder_ + L"\\link.url").c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no symbolic links here";
    EXPECT_TRUE(ExistsAsFile(Path(L"link.url")));
    if (create((folder_ + L"\\dirlink").c_str(), (folder_ + L"\\folder.url").c_str(), 1 /* directory */)) {
        EXPECT_FALSE(ExistsAsFile(Path(L"dirlink")));
    }
    DeleteFileW(file_.c_str());
    EXPECT_FALSE(ExistsAsFile(Path(L"link.url"))) << "a dangling link is no file";
}

TEST(WorkingDirectoryPath, ResolvesAgainstTheCurrentDirectory)
{
    wchar_t current[MAX_PATH];
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, current);
    std::wstring expected(current, length);
    if (expected.back() != L'\\')
        expected += L'\\';
    expected += L"fscommand\\radev.exe";
    EXPECT_EQ(WorkingDirectoryPath(u"fscommand\\radev.exe"), std::u16string(expected.begin(), expected.end()));
}

TEST(ProcessScan, SeesThisProcessUnderItsImageName)
{
    EXPECT_TRUE(IsProcessRunning(u"PLATFORM_TESTS.EXE"));
    EXPECT_FALSE(IsProcessRunning(u"no-such-image-name.exe"));

    // Every cycle takes and closes its own snapshot.
    const DWORD before = HandleCount();
    for (int i = 0; i < 50; ++i)
        IsProcessRunning(u"platform_tests.exe");
    EXPECT_LE(HandleCount(), before + 2);
}

TEST(ThreadQueue, DrainingNoticesAQuitAmongOtherMessages)
{
    QuitRequested = false;
    DrainMessageQueue();
    EXPECT_FALSE(QuitRequested);
    PostThreadMessageW(GetCurrentThreadId(), WM_USER, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_QUIT, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_USER + 1, 0, 0);
    DrainMessageQueue();
    EXPECT_TRUE(QuitRequested);
    std::uint32_t message = 0;
    EXPECT_FALSE(TakeThreadMessage(message)) << "the queue is left empty";
}

TEST(SystemVersion, ThisWineReportsTheNewGeneration)
{
    std::uint32_t major = 0;
    ASSERT_TRUE(QueryMajorVersion(major));
    EXPECT_GE(major, 6u);
}

}  // namespace
