#include <listmaking/dictionary/OlderLists.h>

#include <textfile/FileFailure.h>

#include <files/ShownPath.h>

#include <lexicon/SourceFiles.h>
#include <lexicon/Utf8.h>
#include <listfolder/FileBytes.h>
#include <listmaking/dictionary/AffixExpander.h>
#include <listmaking/dictionary/AffixRules.h>
#include <listmaking/dictionary/DicReader.h>
#include <listmaking/dictionary/ParallelChecker.h>

#include <textfile/LineReader.h>

#include <unordered_set>

namespace listmaking {

namespace {

constexpr std::size_t largestSource = std::size_t(256) << 20;

std::string latin1ToUtf8(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 8);
    for (const char c : text)
        lexicon::Utf8::append(utf8, static_cast<unsigned char>(c));
    return utf8;
}

}  // namespace

status::Status OlderLists::readAll(const lexicon::SourcePaths& paths,
                                   std::vector<std::string>& words,
                                   std::vector<std::string>& missing, const RunControl& control)
{
    textfile::LineReader reader(paths.olderList);
    if (!reader.isOpen())
        return textfile::fromReader(paths.olderList, reader);
    words = DicReader::words(reader);
    if (reader.failed())
        return textfile::fromReader(paths.olderList, reader);
    // a dictionary not given at all (an installed program has none) goes without a word
    if (!paths.myspellDic.empty()) {
        if (!lexicon::SourceFiles::exists(paths.myspellDic))
            missing.push_back("myspell-fr (" + files::shownPath(paths.myspellDic) + " absent)");
        else if (auto read =
                     hunspellForms(paths.myspellDic, lexicon::SourcePaths::affOf(paths.myspellDic),
                                   words, control);
                 !read)
            missing.push_back("myspell-fr (" + read.why() + ")");
    }
    if (control.cancelled())
        return status::Status::cancelled();
    if (!paths.aspellList.empty()) {
        if (!lexicon::SourceFiles::exists(paths.aspellList))
            missing.push_back("aspell-fr (" + files::shownPath(paths.aspellList) + " absent)");
        else if (auto read = readAspellList(paths.aspellList, words); !read)
            missing.push_back("aspell-fr (" + read.why() + ")");
    }
    return {};
}

status::Status OlderLists::hunspellForms(const std::string& dicPath, const std::string& affPath,
                                         std::vector<std::string>& words, const RunControl& control)
{
    const auto affText = listfolder::FileBytes::read(affPath, largestSource);
    if (!affText)
        return affText.status();
    AffixRules rules;
    if (auto parsed = rules.parse(*affText); !parsed)
        return status::Status::failure(files::shownPath(affPath) + ", " + parsed.why());
    textfile::LineReader reader(dicPath);
    if (!reader.isOpen())
        return textfile::fromReader(dicPath, reader);
    const auto entries = DicReader::entries(reader);
    const AffixExpander expander(rules);
    std::unordered_set<std::string> seen;
    std::vector<std::string> forms;
    for (const auto& entry : entries) {
        for (auto& form : expander.forms(entry)) {
            if (seen.insert(form.spelling).second)
                forms.push_back(std::move(form.spelling));
        }
    }
    ParallelChecker checker(affPath, dicPath);
    if (!checker.isLoaded())
        return status::Status::failure(files::shownPath(dicPath)
                                       + " : lecture impossible par Hunspell");
    std::vector<char> accepted;
    if (!checker.check(forms, accepted, control.cancel))
        return status::Status::cancelled();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (accepted[i])
            words.push_back(std::move(forms[i]));
    }
    return {};
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
        previous.resize(kept);
        previous.append(bytes.substr(pos, end - pos));
        if (!previous.empty())
            words.push_back(latin1ToUtf8(previous));
        pos = end;
    }
    return words;
}

status::Status OlderLists::readAspellList(const std::string& path, std::vector<std::string>& words)
{
    const auto bytes = listfolder::FileBytes::read(path, largestSource);
    if (!bytes)
        return bytes.status();
    auto found = aspellWords(*bytes);
    words.insert(words.end(), std::make_move_iterator(found.begin()),
                 std::make_move_iterator(found.end()));
    return {};
}

}  // namespace listmaking
