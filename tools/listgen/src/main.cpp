// listgen: makes the catalogue lists of vorlane that are missing from a data folder, out of
// the free French dictionaries of the system.
//
//   listgen --data DIR [--work DIR] [--modern-dic F] [--modern-aff F] [--reformed-dic F]
//           [--older F] [--unmunch PROGRAM]

#include "LexiconBuilder.h"
#include "ListGenerator.h"
#include "SourceFiles.h"
#include "UnmunchExpander.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

bool parseArguments(int argc, char** argv, std::string& dataDir, listgen::SourcePaths& paths)
{
    const std::map<std::string, std::string*> options = {
        {"--data", &dataDir},
        {"--work", &paths.workDir},
        {"--modern-dic", &paths.modernDic},
        {"--modern-aff", &paths.modernAff},
        {"--reformed-dic", &paths.reformedDic},
        {"--older", &paths.olderList},
        {"--unmunch", &paths.unmunch},
    };
    for (int i = 1; i < argc; i += 2) {
        const auto option = options.find(argv[i]);
        if (option == options.end() || i + 1 >= argc) {
            std::fprintf(stderr, "listgen: unknown or incomplete option %s\n", argv[i]);
            return false;
        }
        *option->second = argv[i + 1];
    }
    if (dataDir.empty()) {
        std::fprintf(stderr, "listgen: --data DIR is required\n");
        return false;
    }
    if (paths.workDir.empty())
        paths.workDir = dataDir;
    return true;
}

int generate(const std::string& dataDir, const listgen::SourcePaths& paths)
{
    const auto start = std::chrono::steady_clock::now();
    listgen::ListGenerator generator(dataDir);
    const auto missing = generator.missingFiles();
    if (missing.empty()) {
        std::printf("listgen: the %s lists are all there\n", dataDir.c_str());
        return 0;
    }
    listgen::DictionarySources sources;
    std::string error;
    if (!listgen::SourceFiles::load(paths, sources, error)) {
        std::fprintf(stderr, "listgen: %s\n", error.c_str());
        return 1;
    }
    listgen::UnmunchExpander expander(paths.unmunch, paths.modernAff, paths.workDir);
    listgen::LexiconBuilder builder(expander);
    listgen::Lexicon lexicon;
    if (!builder.build(sources, lexicon)) {
        std::fprintf(stderr, "listgen: %s\n", builder.errorText().c_str());
        return 1;
    }
    std::vector<listgen::ListReport> reports;
    const bool written = generator.writeMissing(lexicon, reports);
    for (const auto& report : reports) {
        std::printf("%-28s %6zu lines", report.name.c_str(), report.lines);
        if (report.available > report.lines)
            std::printf(" (evenly chosen among %zu)", report.available);
        std::printf("\n");
    }
    if (!written) {
        std::fprintf(stderr, "listgen: %s\n", generator.errorText().c_str());
        return 1;
    }
    if (!lexicon.hasReformed)
        std::fprintf(stderr, "listgen: no reformed dictionary, ods6new_nouv_graphies.txt left out\n");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("listgen: %zu lists written in %.1f s\n", reports.size(), took.count());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string dataDir;
    listgen::SourcePaths paths;
    if (!parseArguments(argc, argv, dataDir, paths))
        return 2;
    return generate(dataDir, paths);
}
