// The child of the going-back kill loop on Windows: goes back to the original lists of a
// working folder, telling each step on its standard output and taking it only once its
// standard input says go.
// going_back_child DATA WORK SHIPPED NOW
#include <listfolder/tests/SteppedChild.h>
#include <ownlists/OriginalLists.h>

#include <string>

int main()
{
    const auto arguments = SteppedChild::arguments();
    if (arguments.size() != 4)
        return 2;
    lexicon::SourcePaths sources;
    sources.workDir = arguments[1];
    ownlists::OriginalLists lists({arguments[0], true, sources, arguments[2]});
    lists.allowStep = SteppedChild::tellAndWait;
    return lists.goBack(static_cast<std::time_t>(std::stoll(arguments[3]))) ? 0 : 1;
}
