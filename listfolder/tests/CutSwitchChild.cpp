// The child of CutSwitch on Windows: switches new files into a lists folder, telling each step
// on its standard output and taking it only once its standard input says go.
// cut_switch_child DATA WORK NAME...
#include <files/Utf8Path.h>
#include <listfolder/StagedFiles.h>

#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

int main()
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(files::toUtf8(std::filesystem::path(wide[i])));
    if (arguments.size() < 2)
        return 2;
    _setmode(_fileno(stdout), _O_BINARY);  // each step ends with LF alone
    listfolder::StagedFiles staged(arguments[0], arguments[1]);
    staged.allowStep = [](const std::string& step) {
        const std::string line = step + "\n";
        return std::fwrite(line.data(), 1, line.size(), stdout) == line.size()
            && std::fflush(stdout) == 0 && std::fgetc(stdin) == 'g';
    };
    bool ok = staged.open().ok();
    for (std::size_t i = 2; i < arguments.size(); ++i)
        ok = ok && staged.write(arguments[i], {"NEW;" + arguments[i]});
    ok = ok && staged.commit();
    return ok ? 0 : 1;
}
