#include <tools/listgen/src/OlderLists.h>

#include <tools/listgen/src/HunspellChecker.h>
#include <tools/listgen/src/SourceFiles.h>
#include <tools/listgen/src/UnmunchExpander.h>
#include <tools/listgen/src/Utf8.h>

#include <textfile/LineReader.h>
#include <tools/listgen/src/DicReader.h>

#include <fstream>
#include <sstream>
#include <unordered_set>

namespace listgen {

namespace {

std::string latin1ToUtf8(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 8);
    for (const char c : text)
        Utf8::append(utf8, static_cast<unsigned char>(c));
    return utf8;
}

}  // namespace

bool OlderLists::hunspellForms(const std::string& dicPath, const std::string& affPath,
                               const std::string& unmunch, const std::string& workDir,
                               std::vector<std::string>& words, std::string& error)
{
    HunspellChecker checker(affPath, dicPath);
    if (!checker.isLoaded()) {
        error = dicPath + " : lecture impossible";
        return false;
    }
    textfile::LineReader reader(dicPath);
    std::vector<std::string> lines;
    for (const auto& entry : DicReader::entries(reader))
        lines.push_back(entry.line);
    UnmunchExpander expander(unmunch, affPath, workDir);
    std::unordered_set<std::string> seen;
    const bool ok = expander.expand(lines, [&](std::string_view form) {
        std::string word(form);
        if (seen.insert(word).second && checker.accepts(word))
            words.push_back(std::move(word));
    });
    if (!ok)
        error = expander.errorText();
    return ok;
}

std::vector<std::string> OlderLists::aspellWords(std::string_view bytes)
{
    std::vector<std::string> words;
    std::string previous;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto shared = static_cast<unsigned char>(bytes[pos++]);
        std::size_t end = pos;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x20)
            ++end;
        const std::size_t kept =
            shared == 0 ? 0 : std::min<std::size_t>(shared - 1u, previous.size());
        previous = previous.substr(0, kept) + std::string(bytes.substr(pos, end - pos));
        if (!previous.empty())
            words.push_back(latin1ToUtf8(previous));
        pos = end;
    }
    return words;
}

bool OlderLists::readAspellList(const std::string& path, std::vector<std::string>& words,
                                std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + " : lecture impossible";
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    auto found = aspellWords(bytes.str());
    words.insert(words.end(), std::make_move_iterator(found.begin()),
                 std::make_move_iterator(found.end()));
    return true;
}

}  // namespace listgen
