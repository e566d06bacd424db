// The child the kill test starts on Windows: corrects series into the study record named on
// its command line until it is ended (CorrectingChild).
#include <study/tests/CorrectingChild.h>

int main()
{
    const auto arguments = testsupport::ChildProcess::arguments();
    if (arguments.size() != 2)
        return 2;
    const auto seed = static_cast<std::uint32_t>(std::stoul(arguments[1]));
    return CorrectingChild::correct(arguments[0], seed, CorrectingChild::tell);
}
