#include <listmaking/dictionary/LexiconMaker.h>

#include <textfile/FileFailure.h>

#include <files/ShownPath.h>

#include <lexicon/GameWord.h>
#include <listfolder/FileBytes.h>
#include <listmaking/dictionary/AffixExpander.h>
#include <listmaking/dictionary/DicReader.h>
#include <listmaking/dictionary/HunspellChecker.h>
#include <listmaking/dictionary/OlderLists.h>
#include <listmaking/dictionary/ParallelChecker.h>

#include <textfile/LineReader.h>

#include <algorithm>
#include <set>

namespace listmaking {

namespace {

constexpr std::size_t largestSource = std::size_t(256) << 20;

status::Status readEntries(const std::string& path, std::vector<DicEntry>& entries)
{
    textfile::LineReader reader(path);
    if (!reader.isOpen())
        return textfile::fromReader(path, reader);
    entries = DicReader::entries(reader);
    if (reader.failed())
        return textfile::fromReader(path, reader);
    return {};
}

std::uint8_t marksOf(const DicEntry& entry, bool refused)
{
    std::uint8_t marks = 0;
    if (entry.isVerb())
        marks |= lexicon::LexiconEntry::verb;
    if (entry.isTransitive())
        marks |= lexicon::LexiconEntry::transitive;
    if (entry.isIntransitive())
        marks |= lexicon::LexiconEntry::intransitive;
    // a locution piece that is a word of the game is invariable like its locution
    if (entry.isInvariable() || entry.isInvariableLocution())
        marks |= lexicon::LexiconEntry::invariable;
    if (refused)
        marks |= lexicon::LexiconEntry::refused;
    return marks;
}

bool sameForm(const lexicon::LexiconForm& a, const lexicon::LexiconForm& b)
{
    return a.word == b.word && a.spelling == b.spelling && a.tags == b.tags && a.group == b.group
        && a.prefix == b.prefix;
}

bool formOrder(const lexicon::LexiconForm& a, const lexicon::LexiconForm& b)
{
    if (a.word != b.word)
        return a.word < b.word;
    if (a.spelling != b.spelling)
        return a.spelling < b.spelling;
    if (a.tags.gender != b.tags.gender)
        return a.tags.gender < b.tags.gender;
    if (a.tags.number != b.tags.number)
        return a.tags.number < b.tags.number;
    if (a.group != b.group)
        return a.group < b.group;
    return a.prefix < b.prefix;
}

}  // namespace

status::Status LexiconMaker::make(lexicon::PreparedLexicon& lexicon, const RunControl& control)
{
    lexicon = lexicon::PreparedLexicon{};
    missing_.clear();
    AffixRules rules;
    std::vector<DicEntry> entries;
    WordFilter filter;
    control.report(0.0, "lecture des dictionnaires");
    if (auto modern = readModern(rules, entries, filter); !modern)
        return modern;
    std::vector<std::string> older;
    control.report(0.05, "lecture des listes anciennes");
    if (auto read = OlderLists::readAll(paths_, older, missing_, control); !read)
        return read;
    std::unordered_set<std::string> olderGame;
    for (const auto& raw : older) {
        if (lexicon::GameWord::startsWithCapital(raw))
            continue;
        if (auto word = lexicon::GameWord::fold(raw))
            olderGame.insert(std::move(*word));
    }
    control.report(0.25, "développement des formes");
    expand(rules, entries, filter, control);
    checker_ = std::make_unique<ParallelChecker>(paths_.modernAff, paths_.modernDic);
    if (!checker_->isLoaded())
        return status::Status::failure(files::shownPath(paths_.modernDic)
                                       + " : lecture impossible par Hunspell");
    control.report(0.35, "vérification des formes par Hunspell");
    std::vector<char> accepted;
    if (control.cancelled() || !checker_->check(spellings_, accepted, control.cancel))
        return status::Status::cancelled();
    keepAccepted(accepted, olderGame);
    markNewEntries(olderGame);
    control.report(0.85, "mots des listes anciennes");
    collectOlderWords(older, accepted, lexicon);
    control.report(0.95, "graphies rectifiées");
    collectNewSpellings(filter, lexicon);
    assemble(lexicon);
    control.report(1.0, "lexique prêt");
    return {};
}

status::Status LexiconMaker::readModern(AffixRules& rules, std::vector<DicEntry>& entries,
                                        WordFilter& filter)
{
    const auto affText = listfolder::FileBytes::read(paths_.modernAff, largestSource);
    if (!affText)
        return affText.status();
    if (auto parsed = rules.parse(*affText); !parsed)
        return status::Status::failure(files::shownPath(paths_.modernAff) + ", " + parsed.why());
    filter.readAffixMarks(paths_.modernAff);
    if (!paths_.stopList.empty()) {
        if (auto stops = filter.readStopList(paths_.stopList); !stops)
            return stops;
    }
    return readEntries(paths_.modernDic, entries);
}

std::uint32_t LexiconMaker::spellingIndex(const std::string& spelling)
{
    const auto [found, added] =
        spellingIndex_.emplace(spelling, static_cast<std::uint32_t>(spellings_.size()));
    if (added)
        spellings_.push_back(spelling);
    return found->second;
}

// Every entry that is no proper noun and folds to A-Z, with its forms in game spelling.
void LexiconMaker::expand(const AffixRules& rules, const std::vector<DicEntry>& entries,
                          const WordFilter& filter, const RunControl& control)
{
    const AffixExpander expander(rules);
    spellings_.reserve(entries.size() * 6);
    spellingIndex_.reserve(entries.size() * 6);
    for (const auto& entry : entries) {
        if (control.cancelled())
            return;
        if (entry.isProperNoun()) {
            // not a word of the game, but Hunspell reads an older word through it
            for (const auto& form : expander.forms(entry)) {
                if (!lexicon::GameWord::startsWithCapital(form.spelling))
                    properSpellings_.push_back(spellingIndex(form.spelling));
            }
            continue;
        }
        auto word = lexicon::GameWord::fold(entry.word);
        if (!word)
            continue;
        PendingEntry pending;
        pending.entry.marks = marksOf(entry, !filter.refusal(entry, *word).empty());
        pending.entry.word = std::move(*word);
        pending.headword = spellingIndex(entry.word);
        pending.isVerb = entry.isVerb();
        for (const auto& form : expander.forms(entry)) {
            if (lexicon::GameWord::startsWithCapital(form.spelling))
                continue;
            auto game = lexicon::GameWord::fold(form.spelling);
            if (!game)
                continue;
            // only an accented spelling tells more than the game word
            const bool plain = std::all_of(form.spelling.begin(), form.spelling.end(),
                                           [](char c) { return (c & 0x80) == 0; });
            lexicon::LexiconForm lexiconForm{
                std::move(*game), plain ? std::string() : form.spelling,
                form.tags,        form.group,
                form.prefix,      false};
            pending.forms.push_back({spellingIndex(form.spelling), std::move(lexiconForm)});
        }
        pending_.push_back(std::move(pending));
    }
}

// Only the forms that Hunspell accepts stay, each once, marked when an older list holds them.
void LexiconMaker::keepAccepted(const std::vector<char>& accepted,
                                const std::unordered_set<std::string>& older)
{
    for (auto& pending : pending_) {
        if (accepted[pending.headword])
            pending.entry.marks |= lexicon::LexiconEntry::accepted;
        auto& forms = pending.forms;
        forms.erase(std::remove_if(forms.begin(), forms.end(),
                                   [&](const PendingForm& f) { return !accepted[f.spelling]; }),
                    forms.end());
        std::sort(forms.begin(), forms.end(), [](const PendingForm& a, const PendingForm& b) {
            return formOrder(a.form, b.form);
        });
        forms.erase(std::unique(forms.begin(), forms.end(),
                                [](const PendingForm& a, const PendingForm& b) {
                                    return sameForm(a.form, b.form);
                                }),
                    forms.end());
        for (auto& f : forms)
            f.form.old = older.count(f.form.word) != 0;
    }
}

// The default lists' new words: game entries whose headword is a word that no older list
// holds, less the nouns and adjectives that an older list holds by one of their forms.
void LexiconMaker::markNewEntries(const std::unordered_set<std::string>& older)
{
    std::set<std::string> verbWords;
    std::set<std::string> oldByForm;
    const auto candidate = [&](const PendingEntry& p) {
        return !p.entry.has(lexicon::LexiconEntry::refused)
            && p.entry.has(lexicon::LexiconEntry::accepted) && p.entry.word.size() >= 2
            && !older.count(p.entry.word);
    };
    for (const auto& p : pending_) {
        if (!candidate(p))
            continue;
        if (p.isVerb) {
            verbWords.insert(p.entry.word);
            continue;
        }
        // a derived word (a prefixed unit) that is old does not make its base old
        const bool hasOldForm =
            std::any_of(p.forms.begin(), p.forms.end(),
                        [](const PendingForm& f) { return f.form.old && f.form.prefix == 0; });
        if (hasOldForm)
            oldByForm.insert(p.entry.word);
    }
    for (auto& p : pending_) {
        const bool old = oldByForm.count(p.entry.word) && !verbWords.count(p.entry.word);
        if (candidate(p) && !old)
            p.entry.marks |= lexicon::LexiconEntry::newByLists;
    }
}

// The older words that Hunspell accepts and that no game entry forms, unless the modern
// dictionary reads them only as a refused entry (a unit, say). Hunspell accepts no spelling
// that no entry makes: those are the spellings of the entries left out, proper nouns.
void LexiconMaker::collectOlderWords(const std::vector<std::string>& older,
                                     const std::vector<char>& accepted,
                                     lexicon::PreparedLexicon& lexicon)
{
    std::unordered_map<std::string, std::string> candidates;  // spelling, game spelling
    for (const std::uint32_t index : properSpellings_) {
        auto word = lexicon::GameWord::fold(spellings_[index]);
        if (accepted[index] && word && WordFilter::hasVowel(*word))
            candidates.emplace(spellings_[index], std::move(*word));
    }
    std::unordered_set<std::string> games;
    for (const auto& [spelling, game] : candidates)
        games.insert(game);
    forgetKnown(games, true);
    std::set<std::string> words;
    for (const auto& raw : older) {
        const auto found = candidates.find(raw);
        if (found != candidates.end() && games.count(found->second))
            words.insert(found->second);
    }
    lexicon.olderWords.assign(words.begin(), words.end());
}

// Removes from `words` every headword and form of the entries, the refused ones only when
// asked.
void LexiconMaker::forgetKnown(std::unordered_set<std::string>& words, bool refusedToo) const
{
    for (const auto& p : pending_) {
        if (words.empty())
            return;
        if (!refusedToo && p.entry.has(lexicon::LexiconEntry::refused))
            continue;
        words.erase(p.entry.word);
        for (const auto& f : p.forms)
            words.erase(f.form.word);
    }
}

// The reformed spellings of 2 to 9 letters that are no word of the modern dictionary nor of
// the whole dictionary, and that the reformed Hunspell accepts.
void LexiconMaker::collectNewSpellings(const WordFilter& filter, lexicon::PreparedLexicon& lexicon)
{
    std::vector<DicEntry> reformed;
    lexicon.hasReformed = lexicon::SourceFiles::exists(paths_.reformedDic)
        && readEntries(paths_.reformedDic, reformed).ok();
    if (!lexicon.hasReformed)
        return;
    std::vector<std::pair<std::string, const DicEntry*>> candidates;
    std::unordered_set<std::string> unknown;
    for (const auto& entry : reformed) {
        if (entry.isProperNoun())
            continue;
        auto word = lexicon::GameWord::fold(entry.word);
        if (!word || word->size() < 2 || word->size() > 9 || !filter.refusal(entry, *word).empty())
            continue;
        unknown.insert(*word);
        candidates.emplace_back(std::move(*word), &entry);
    }
    forgetKnown(unknown, false);
    for (const auto& word : lexicon.olderWords)
        unknown.erase(word);
    HunspellChecker checker(lexicon::SourcePaths::affOf(paths_.reformedDic), paths_.reformedDic);
    std::set<std::string> spellings;
    for (const auto& [word, entry] : candidates) {
        if (unknown.count(word) && checker.accepts(entry->word))
            spellings.insert(word);
    }
    lexicon.newSpellings.assign(spellings.begin(), spellings.end());
}

void LexiconMaker::assemble(lexicon::PreparedLexicon& lexicon)
{
    for (auto& p : pending_) {
        std::vector<lexicon::LexiconForm> forms;
        forms.reserve(p.forms.size());
        for (auto& f : p.forms)
            forms.push_back(std::move(f.form));
        lexicon.addEntry(std::move(p.entry), std::move(forms));
    }
    pending_.clear();
    spellings_.clear();
    spellingIndex_.clear();
    properSpellings_.clear();
}

}  // namespace listmaking
