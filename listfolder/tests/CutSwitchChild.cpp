// The child of CutSwitch on Windows: switches new files into a lists folder, telling each step
// on its standard output and taking it only once its standard input says go.
// cut_switch_child DATA WORK NAME...
#include <listfolder/tests/CutSwitch.h>

int main()
{
    const auto arguments = SteppedChild::arguments();
    if (arguments.size() < 2)
        return 2;
    const std::vector<std::string> names(arguments.begin() + 2, arguments.end());
    return CutSwitch::switchFiles(arguments[0], arguments[1], names, SteppedChild::tellAndWait) ? 0
                                                                                                : 1;
}
