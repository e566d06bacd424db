// Prints the player's Start-menu entries of vorlane as Windows reads them, a line each: the
// shortcut's file name, its target and its arguments, separated by tabs, in UTF-8. Exit
// status 1 when the folder or one of its shortcuts cannot be read; nothing when there is no
// such folder.
#include <files/Utf8Path.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <windows.h>
// after windows.h, which they need
#include <objidl.h>
#include <shlobj.h>

namespace {

std::string utf8(const wchar_t* text)
{
    return files::toUtf8(std::filesystem::path(text));
}

// The target and arguments of one shortcut; false when Windows cannot read it.
bool readShortcut(const std::filesystem::path& file, std::wstring& target, std::wstring& arguments)
{
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* persisted = nullptr;
    bool read =
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persisted)))
        && SUCCEEDED(persisted->Load(file.c_str(), STGM_READ));
    std::vector<wchar_t> buffer(32768);
    read = read
        && SUCCEEDED(link->GetPath(buffer.data(), static_cast<int>(buffer.size()), nullptr, 0));
    if (read)
        target = buffer.data();
    read = read && SUCCEEDED(link->GetArguments(buffer.data(), static_cast<int>(buffer.size())));
    if (read)
        arguments = buffer.data();
    if (persisted)
        persisted->Release();
    link->Release();
    return read;
}

}  // namespace

int main()
{
    wchar_t* programs = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_Programs, 0, nullptr, &programs)))
        return 1;
    const std::filesystem::path folder = std::filesystem::path(programs) / L"vorlane";
    CoTaskMemFree(programs);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    int status = 0;
    std::error_code failed;
    if (!std::filesystem::exists(folder, failed) && !failed)
        return 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder, failed)) {
        if (entry.path().extension() != L".lnk")
            continue;
        std::wstring target, arguments;
        if (!readShortcut(entry.path(), target, arguments)) {
            std::fprintf(stderr, "raccourci illisible : %s\n", utf8(entry.path().c_str()).c_str());
            status = 1;
            continue;
        }
        std::printf("%s\t%s\t%s\n", utf8(entry.path().filename().c_str()).c_str(),
                    utf8(target.c_str()).c_str(), utf8(arguments.c_str()).c_str());
    }
    if (failed) {
        std::fprintf(stderr, "dossier illisible : %s\n", utf8(folder.c_str()).c_str());
        status = 1;
    }
    CoUninitialize();
    return status;
}
