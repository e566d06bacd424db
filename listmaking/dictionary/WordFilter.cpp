#include <listmaking/dictionary/WordFilter.h>

#include <textfile/FileFailure.h>

#include <files/ShownPath.h>

#include <lexicon/GameWord.h>

#include <textfile/LineReader.h>

#include <sstream>

namespace listmaking {

namespace {

std::string trimmed(const std::string& text)
{
    const auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// Kinds whose entries are never words of the game on their own.
const char* const refusedKinds[][2] = {
    {"pfx", "préfixe"},       {"sfx", "suffixe"},
    {"titr", "titre abrégé"}, {"err", "fragment élidé"},
    {"symb", "symbole"},      {"ponc", "ponctuation"},
    {"sign", "signe"},        {"loc.", "morceau de locution"},
};

}  // namespace

bool WordFilter::readAffixMarks(const std::string& affPath)
{
    textfile::LineReader reader(affPath);
    if (!reader.isOpen())
        return false;
    std::string line;
    while (reader.next(line)) {
        std::istringstream fields(line);
        std::string key;
        std::string value;
        fields >> key >> value;
        if (key == "KEEPCASE")
            keepCase_ = value;
        else if (key == "NOSUGGEST")
            noSuggest_ = value;
    }
    return !reader.failed();
}

void WordFilter::setAffixMarks(std::string keepCase, std::string noSuggest)
{
    keepCase_ = std::move(keepCase);
    noSuggest_ = std::move(noSuggest);
}

status::Status WordFilter::readStopList(const std::string& path)
{
    textfile::LineReader reader(path);
    if (!reader.isOpen())
        return textfile::fromReader(path, reader);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    if (reader.failed())
        return textfile::fromReader(path, reader);
    if (auto parsed = parseStopList(lines); !parsed)
        return status::Status::failure(files::shownPath(path) + ", " + parsed.why());
    return {};
}

status::Status WordFilter::parseStopList(const std::vector<std::string>& lines)
{
    const std::string* reason = nullptr;
    bool keep = false;
    std::string groupReason;
    for (std::size_t number = 1; number <= lines.size(); ++number) {
        const std::string line = trimmed(lines[number - 1]);
        if (line.empty() || line[0] == '#')
            continue;
        if ((line[0] == '-' || line[0] == '+') && line.size() > 1 && line[1] == ' ') {
            keep = line[0] == '+';
            groupReason = trimmed(line.substr(2));
            reason = &groupReason;
            continue;
        }
        if (!reason)
            return status::Status::failure("ligne " + std::to_string(number)
                                           + " : un mot avant toute ligne « - raison »");
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            const auto game = lexicon::GameWord::fold(word);
            if (!game)
                return status::Status::failure("ligne " + std::to_string(number) + " : « " + word
                                               + " » n'est pas un mot");
            if (keep)
                kept_.insert(*game);
            else
                dropped_[*game] = *reason;
        }
    }
    return {};
}

bool WordFilter::hasVowel(const std::string& gameWord)
{
    return gameWord.find_first_of("AEIOUY") != std::string::npos;
}

std::string WordFilter::refusal(const DicEntry& entry, const std::string& gameWord) const
{
    const auto listed = dropped_.find(gameWord);
    if (listed != dropped_.end())
        return listed->second;
    if (entry.hasFlag(keepCase_))
        return "symbole ou unité (casse imposée)";
    if (entry.hasFlag(noSuggest_))
        return "abréviation, unité ou fragment (jamais suggéré)";
    if (!kept_.count(gameWord)) {
        for (const auto& [kind, reason] : refusedKinds) {
            if (entry.hasKind(kind))
                return reason;
        }
    }
    if (!hasVowel(gameWord) && !entry.isInterjection())
        return "sans voyelle";
    return {};
}

}  // namespace listmaking
