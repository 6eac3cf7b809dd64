#include "window_helper.h"

#include "ui/main/main_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

using hinomori::ui::form::Command;

namespace {

void choose(const frmMain& window, Command item)
{
    PostMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(hinomori::ui::win32::commandId(item), 0), 0);
    processEvents();
}

// A folder of its own with no manual in it.
std::u16string emptyFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"hinomori-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return hinomori::ui::win32::utf16(folder);
}

// A manual at `path` for as long as it lives.
class ManualFile {
public:
    explicit ManualFile(std::u16string_view path) : path_(hinomori::ui::win32::wide(path))
    {
        HANDLE file =
            CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        const char text[] = "manual\r\n";
        DWORD written = 0;
        WriteFile(file, text, sizeof text - 1, &written, nullptr);
        CloseHandle(file);
    }
    ~ManualFile() { DeleteFileW(path_.c_str()); }
    ManualFile(const ManualFile&) = delete;
    ManualFile& operator=(const ManualFile&) = delete;

private:
    std::wstring path_;
};

// For as long as it lives, text files are of the file type `type`: Wine's
// text viewer's own ("txtfile"), or one that no program opens. (Wine reads
// file types from the machine's classes only, not the user's.)
class TextFilesOfType {
public:
    explicit TextFilesOfType(std::wstring_view type)
    {
        HKEY key = nullptr;
        existed_ = RegOpenKeyExW(HKEY_CLASSES_ROOT, L".txt", 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (existed_) {
            wchar_t old[256] = {};
            DWORD size = sizeof old - sizeof(wchar_t);
            RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size);
            old_ = old;
            RegCloseKey(key);
        }
        set(std::wstring(type));
    }
    ~TextFilesOfType()
    {
        if (existed_)
            set(old_);
        else
            RegDeleteTreeW(HKEY_CLASSES_ROOT, L".txt");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"hinomori.test.gone");
    }
    TextFilesOfType(const TextFilesOfType&) = delete;
    TextFilesOfType& operator=(const TextFilesOfType&) = delete;

private:
    static void set(const std::wstring& type)
    {
        // A type whose program is not there.
        if (type == L"hinomori.test.gone") {
            HKEY command = nullptr;
            RegCreateKeyExW(HKEY_CLASSES_ROOT, L"hinomori.test.gone\\shell\\open\\command", 0, nullptr, 0,
                            KEY_WRITE, nullptr, &command, nullptr);
            const std::wstring line = L"\"C:\\hinomori-nowhere\\viewer.exe\" \"%1\"";
            RegSetValueExW(command, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(line.c_str()),
                           static_cast<DWORD>((line.size() + 1) * sizeof(wchar_t)));
            RegCloseKey(command);
        }
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CLASSES_ROOT, L".txt", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(type.c_str()),
                       static_cast<DWORD>((type.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }

    bool existed_ = false;
    std::wstring old_;
};

// Whether a window of another program shows the file at `path`, which it
// then closes: the text viewer that the shell started.
std::function<bool()> closeViewerOf(std::u16string_view path)
{
    const std::u16string name(path.substr(path.find_last_of(u'\\') + 1));
    return [name] {
        struct Search {
            std::wstring name;
            bool found = false;
        } search{hinomori::ui::win32::wide(name.substr(0, name.find(u'.')))};
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto& search = *reinterpret_cast<Search*>(data);
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                wchar_t title[256] = {};
                GetWindowTextW(window, title, 256);
                if (process == GetCurrentProcessId() || !IsWindowVisible(window)
                    || std::wstring_view(title).find(search.name) == std::wstring_view::npos)
                    return TRUE;
                PostMessageW(window, WM_CLOSE, 0, 0);
                search.found = true;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    };
}

std::u16string executableFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::u16string folder = hinomori::ui::win32::utf16(path);
    return folder.substr(0, folder.find_last_of(u'\\'));
}

}  // namespace

TEST(Menus, TheManualOpensOrWarnsWithItsPath)
{
    enum class Manual { missing, there, thereWithoutProgram, thereWithProgramGone };
    struct Row {
        const char* name;
        std::u16string folder;  // empty: the executable's own
        Manual manual;
        std::u16string (*warning)(std::u16string_view path);  // null: none, or the shell's failure
    };
    using hinomori::ui::main_window::manual_failure_text;
    using hinomori::ui::main_window::manual_no_program_text;
    const std::u16string folder = emptyFolder();
    const Row rows[] = {
        {"executable's folder, without it", u"", Manual::missing, &manual_failure_text},
        {"a folder without it", folder, Manual::missing, &manual_failure_text},
        {"a drive's root: no doubled separator", u"C:\\", Manual::missing, &manual_failure_text},
        {"there: opened, no warning", folder, Manual::there, nullptr},
        {"there, but no program opens text files", folder, Manual::thereWithoutProgram, &manual_no_program_text},
        {"there, but the program that opens text files is gone", folder, Manual::thereWithProgramGone, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::u16string path =
            hinomori::ui::main_window::manual_path_in(row.folder.empty() ? executableFolder() : row.folder, u'\\');
        std::optional<ManualFile> manual;
        if (row.manual != Manual::missing)
            manual.emplace(path);
        const TextFilesOfType textFiles(row.manual == Manual::thereWithoutProgram   ? L"hinomori.test.nothing"
                                        : row.manual == Manual::thereWithProgramGone ? L"hinomori.test.gone"
                                                                                     : L"txtfile");

        const auto window = openMainWindow(std::chrono::year{2001} / 10 / 16, row.folder);
        MessageBoxCloser closer;
        choose(*window, Command::show_manual);
        EXPECT_TRUE(IsWindow(window->hwnd()));
        if (row.manual == Manual::thereWithProgramGone) {
            // Not said to be missing: the first line, the path, and the system's reason.
            ASSERT_TRUE(closer.last);
            const std::u16string opening = u"説明書が開けません。\r\n\r\n" + path + u"\r\n";
            EXPECT_EQ(closer.last->text.substr(0, opening.size()), opening);
            EXPECT_GT(closer.last->text.size(), opening.size());
            EXPECT_NE(closer.last->text, manual_failure_text(path));
            EXPECT_NE(closer.last->text, manual_no_program_text(path));
            continue;
        }
        if (!row.warning) {
            EXPECT_FALSE(closer.last);
            EXPECT_TRUE(processEventsUntil(closeViewerOf(path))) << "no program showed the manual";
            continue;
        }
        ASSERT_TRUE(closer.last);
        EXPECT_EQ(closer.last->text, row.warning(path));
        EXPECT_EQ(closer.last->title, u"ひのもり");
        EXPECT_TRUE(closer.last->exclamation);
        EXPECT_EQ(closer.last->owner, window->hwnd());
    }
    RemoveDirectoryW(hinomori::ui::win32::wide(folder).c_str());
}

TEST(Menus, ExitClosesTheWindow)
{
    const auto window = openMainWindow();
    choose(*window, Command::exit);
    EXPECT_EQ(window->hwnd(), nullptr);
}
