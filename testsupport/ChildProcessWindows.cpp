#include <testsupport/ChildProcess.h>

#include <files/Utf8Path.h>
#include <files/WidePath.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace testsupport {

namespace {

// One word of a command line, quoted as CommandLineToArgvW reads it back.
std::wstring argument(const std::string& utf8)
{
    std::wstring wide;
    files::widePath(utf8, wide);
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : wide) {
        if (c == L'\\') {
            ++backslashes;
            quoted += c;
            continue;
        }
        if (c == L'"')
            quoted.append(backslashes + 1, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes, L'\\');
    return quoted + L"\"";
}

std::wstring commandLine(const std::vector<std::string>& command)
{
    std::wstring line;
    for (const auto& word : command)
        line += (line.empty() ? L"" : L" ") + argument(word);
    return line;
}

// The two ends of a pipe; the end the test keeps is not inherited by the child.
struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;

    bool open(bool childReads)
    {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        if (!CreatePipe(&read, &write, &inherited, 0))
            return false;
        SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);
        return true;
    }
};

void closeHandle(HANDLE& handle)
{
    if (handle)
        CloseHandle(handle);
    handle = nullptr;
}

// Reads the child's lines from `told` until it ends or `killHere` picks one; then the child is
// ended, by its handle only. Stepped, each line not picked is answered on `leave`.
void follow(HANDLE child, HANDLE told, HANDLE leave, const ChildProcess::KillHere& killHere)
{
    std::string line;
    char c = 0;
    DWORD got = 0;
    while (ReadFile(told, &c, 1, &got, nullptr) && got == 1) {
        if (c != '\n') {
            line += c;
            continue;
        }
        if (killHere(line)) {
            TerminateProcess(child, 9);  // only the child this test started
            return;
        }
        line.clear();
        DWORD put = 0;
        if (leave && (!WriteFile(leave, "g", 1, &put, nullptr) || put != 1))
            return;
    }
}

}  // namespace

bool ChildProcess::run(const std::vector<std::string>& command, Pace pace, const KillHere& killHere)
{
    Pipe told;
    Pipe leave;
    if (!told.open(false))
        return false;
    if (pace == Pace::stepped && !leave.open(true)) {
        closeHandle(told.read);
        closeHandle(told.write);
        return false;
    }
    std::wstring line = commandLine(command);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = leave.read ? leave.read : GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = told.write;
    start.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child{};
    const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &start, &child);
    closeHandle(told.write);
    closeHandle(leave.read);
    if (started)
        follow(child.hProcess, told.read, leave.write, killHere);
    closeHandle(leave.write);
    closeHandle(told.read);
    if (started) {
        WaitForSingleObject(child.hProcess, INFINITE);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    return started;
}

std::vector<std::string> ChildProcess::arguments()
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 1; wide && i < count; ++i)
        words.push_back(files::toUtf8(std::filesystem::path(wide[i])));
    _setmode(_fileno(stdout), _O_BINARY);  // each line ends with LF alone
    return words;
}

bool ChildProcess::tell(const std::string& line, Pace pace)
{
    const std::string told = line + "\n";
    return std::fwrite(told.data(), 1, told.size(), stdout) == told.size()
        && std::fflush(stdout) == 0 && (pace == Pace::freeRunning || std::fgetc(stdin) == 'g');
}

}  // namespace testsupport
