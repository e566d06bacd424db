// The child the kill test starts on Windows: corrects series into the study record named on
// its command line until it is ended (CorrectingChild).
#include <study/tests/CorrectingChild.h>

int main()
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide || count != 3)
        return 2;
    _setmode(_fileno(stdout), _O_BINARY);
    const std::string path = files::toUtf8(std::filesystem::path(wide[1]));
    const auto seed =
        static_cast<std::uint32_t>(std::stoul(files::toUtf8(std::filesystem::path(wide[2]))));
    return CorrectingChild::correct(path, seed, CorrectingChild::tell);
}
