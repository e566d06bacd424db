#pragma once

#include <listfolder/StagedFiles.h>
#include <listfolder/tests/SteppedChild.h>

#include <string>
#include <vector>

// A switch of new files into a lists folder (StagedFiles) run by a SteppedChild, killed at
// the step a test picks. On Windows the child is the program cut_switch_child.
class CutSwitch {
public:
    using Pick = SteppedChild::Pick;

    // Each name gets the line "NEW;<name>". The steps told, in order.
    static std::vector<std::string> run(const std::string& dataDir, const std::string& workDir,
                                        const std::vector<std::string>& names, const Pick& killHere)
    {
#ifdef _WIN32
        std::vector<std::string> command = {CUT_SWITCH_CHILD, dataDir, workDir};
        command.insert(command.end(), names.begin(), names.end());
        return SteppedChild::run(command, killHere);
#else
        return SteppedChild::run(
            [&](const SteppedChild::Allow& allow) {
                return switchFiles(dataDir, workDir, names, allow);
            },
            killHere);
#endif
    }

    // Killed at the step named `step` ("remplacement ods6new_5L.txt").
    static std::vector<std::string> run(const std::string& dataDir, const std::string& workDir,
                                        const std::vector<std::string>& names,
                                        const std::string& step)
    {
        return run(dataDir, workDir, names,
                   [&step](std::size_t, const std::string& told) { return told == step; });
    }

    static std::vector<std::string> run(const std::string& dataDir, const std::string& workDir,
                                        const std::vector<std::string>& names, std::size_t killAt)
    {
        return run(dataDir, workDir, names,
                   [killAt](std::size_t index, const std::string&) { return index == killAt; });
    }

    // The switch itself, in the child.
    static bool switchFiles(const std::string& dataDir, const std::string& workDir,
                            const std::vector<std::string>& names, const SteppedChild::Allow& allow)
    {
        listfolder::StagedFiles staged(dataDir, workDir);
        staged.allowStep = allow;
        bool ok = staged.open().ok();
        for (const auto& name : names)
            ok = ok && staged.write(name, {"NEW;" + name});
        return ok && staged.commit();
    }
};
