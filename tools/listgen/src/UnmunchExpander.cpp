#include <tools/listgen/src/UnmunchExpander.h>

#include <textfile/FileByteSink.h>
#include <textfile/LineReader.h>
#include <textfile/SystemReason.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace listgen {

UnmunchExpander::UnmunchExpander(std::string program, std::string affixFile, std::string workDir)
    : program_(std::move(program)), affixFile_(std::move(affixFile)), workDir_(std::move(workDir))
{
}

std::string_view UnmunchExpander::formOf(std::string_view outputLine)
{
    const auto end = outputLine.find_first_of("/ \t\r");
    return outputLine.substr(0, end);
}

bool UnmunchExpander::expand(const std::vector<std::string>& dicLines, const FormHandler& onForm)
{
    if (dicLines.empty())
        return true;
    const std::string stem = workDir_ + "/unmunch" + std::to_string(++calls_);
    const std::string dicPath = stem + ".dic";
    const std::string outputPath = stem + ".forms";
    if (!writeDic(dicPath, dicLines) || !run(dicPath, outputPath))
        return false;
    textfile::LineReader reader(outputPath);
    if (!reader.isOpen()) {
        error_ = outputPath + ": " + reader.errorText();
        return false;
    }
    std::string line;
    while (reader.next(line)) {
        const auto form = formOf(line);
        if (!form.empty())
            onForm(form);
    }
    if (reader.failed()) {
        error_ = outputPath + ": " + reader.errorText();
        return false;
    }
    std::remove(dicPath.c_str());
    std::remove(outputPath.c_str());
    return true;
}

// unmunch reads a Hunspell .dic: the entry count on the first line, LF line ends.
bool UnmunchExpander::writeDic(const std::string& path, const std::vector<std::string>& dicLines)
{
    textfile::FileByteSink sink(path);
    bool ok = sink.isOpen();
    std::string text = std::to_string(dicLines.size()) + "\n";
    for (const auto& line : dicLines) {
        text += line;
        text += '\n';
    }
    ok = ok && sink.write(text.data(), text.size());
    ok = sink.close() && ok;
    if (!ok)
        error_ = path + ": " + sink.errorText();
    return ok;
}

bool UnmunchExpander::run(const std::string& dicPath, const std::string& outputPath)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    // unmunch echoes every affix line it parses on its error stream
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string program = program_;
    std::string dic = dicPath;
    std::string aff = affixFile_;
    char* argv[] = {program.data(), dic.data(), aff.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        error_ = program_ + " : " + textfile::systemReason(spawned);
        return false;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        error_ = program_ + " failed on " + dicPath;
        return false;
    }
    return true;
}

}  // namespace listgen
