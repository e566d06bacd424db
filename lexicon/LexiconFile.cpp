#include <lexicon/LexiconFile.h>

#include <lexicon/SourceFingerprint.h>

#include <charconv>
#include <vector>

namespace lexicon {

namespace {

const char* const genders = "-mfe";
const char* const numbers = "-spi";
const char* const magic = "lexique-listgen";

std::size_t lineCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += c == '\n';
    return count;
}

// Reads the text line by line, each cut at its blanks.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}

    bool next(std::vector<std::string_view>& fields)
    {
        fields.clear();
        if (pos_ >= text_.size())
            return false;
        auto end = text_.find('\n', pos_);
        if (end == std::string_view::npos)
            end = text_.size();
        std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++number_;
        std::size_t start = 0;
        while (start <= line.size()) {
            auto blank = line.find(' ', start);
            if (blank == std::string_view::npos)
                blank = line.size();
            if (blank > start)
                fields.push_back(line.substr(start, blank - start));
            start = blank + 1;
        }
        return true;
    }
    std::string_view rawLine()
    {
        if (pos_ >= text_.size())
            return {};
        auto end = text_.find('\n', pos_);
        if (end == std::string_view::npos)
            end = text_.size();
        const auto line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++number_;
        return line;
    }
    std::size_t number() const { return number_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t number_ = 0;
};

template <typename T> bool number(std::string_view text, T& value, int base = 10)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

bool isGameWord(std::string_view word)
{
    if (word.empty())
        return false;
    for (const char c : word) {
        if (c < 'A' || c > 'Z')
            return false;
    }
    return true;
}

bool parseForm(const std::vector<std::string_view>& f, LexiconForm& form)
{
    if ((f.size() != 5 && f.size() != 6) || !isGameWord(f[0]) || f[1].size() != 2)
        return false;
    const auto gender = std::string_view(genders).find(f[1][0]);
    const auto count = std::string_view(numbers).find(f[1][1]);
    if (gender == std::string_view::npos || count == std::string_view::npos)
        return false;
    form.word.assign(f[0]);
    form.tags.gender = static_cast<FormTags::Gender>(gender);
    form.tags.number = static_cast<FormTags::Number>(count);
    form.group = 0xFFFFFFFF;
    if (f[2] != "-" && !number(f[2], form.group, 16))
        return false;
    if (!number(f[3], form.prefix) || (f[4] != "0" && f[4] != "1"))
        return false;
    form.old = f[4] == "1";
    if (f.size() == 6)
        form.spelling.assign(f[5]);
    return true;
}

std::string hex(std::uint32_t value)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
    return std::string(buffer, end);
}

bool fail(std::string& error, std::size_t line, const std::string& what)
{
    error = "lexique préparé, ligne " + std::to_string(line) + " : " + what;
    return false;
}

bool parseWords(Lines& lines, std::size_t count, std::vector<std::string>& words,
                std::string& error)
{
    std::vector<std::string_view> f;
    for (std::size_t i = 0; i < count; ++i) {
        if (!lines.next(f) || f.size() != 1 || !isGameWord(f[0]))
            return fail(error, lines.number(), "mot attendu");
        words.emplace_back(f[0]);
    }
    return true;
}

}  // namespace

std::string LexiconFile::text(const PreparedLexicon& lexicon)
{
    std::string text;
    text.reserve(lexicon.forms().size() * 24 + lexicon.entries().size() * 24);
    text += std::string(magic) + " " + std::to_string(SourceFingerprint::formatVersion) + "\n";
    text += "empreinte " + std::to_string(lineCount(lexicon.fingerprint)) + "\n";
    text += lexicon.fingerprint;
    text += "entrees " + std::to_string(lexicon.entries().size()) + "\n";
    for (std::size_t e = 0; e < lexicon.entries().size(); ++e) {
        const auto& entry = lexicon.entries()[e];
        const auto begin = lexicon.formsBegin(e);
        const auto end = lexicon.formsEnd(e);
        text += "E " + entry.word + " " + std::to_string(entry.marks) + " "
            + std::to_string(end - begin) + "\n";
        for (auto f = begin; f < end; ++f) {
            const auto& form = lexicon.forms()[f];
            text += form.word;
            text += ' ';
            text += genders[static_cast<int>(form.tags.gender)];
            text += numbers[static_cast<int>(form.tags.number)];
            text += ' ';
            text += form.group == 0xFFFFFFFF ? std::string("-") : hex(form.group);
            text += ' ' + std::to_string(form.prefix) + (form.old ? " 1" : " 0");
            text += (form.spelling.empty() ? "" : " " + form.spelling) + "\n";
        }
    }
    text += "anciens " + std::to_string(lexicon.olderWords.size()) + "\n";
    for (const auto& word : lexicon.olderWords)
        text += word + "\n";
    text += "graphies " + std::to_string(lexicon.newSpellings.size())
        + (lexicon.hasReformed ? " 1\n" : " 0\n");
    for (const auto& word : lexicon.newSpellings)
        text += word + "\n";
    text += "fin\n";
    return text;
}

std::string LexiconFile::fingerprintOf(std::string_view text)
{
    Lines lines(text);
    std::vector<std::string_view> f;
    std::size_t count = 0;
    if (!lines.next(f) || f.size() != 2 || f[0] != magic
        || f[1] != std::to_string(SourceFingerprint::formatVersion) || !lines.next(f)
        || f.size() != 2 || f[0] != "empreinte" || !number(f[1], count))
        return {};
    std::string fingerprint;
    for (std::size_t i = 0; i < count; ++i) {
        fingerprint += lines.rawLine();
        fingerprint += '\n';
    }
    return fingerprint;
}

bool LexiconFile::parse(std::string_view text, PreparedLexicon& lexicon, std::string& error)
{
    lexicon = PreparedLexicon{};
    lexicon.fingerprint = fingerprintOf(text);
    if (lexicon.fingerprint.empty())
        return fail(error, 1, "en-tête inconnu");
    Lines lines(text);
    std::vector<std::string_view> f;
    for (std::size_t skip = lineCount(lexicon.fingerprint) + 2; skip > 0; --skip)
        lines.next(f);
    std::size_t entries = 0;
    if (!lines.next(f) || f.size() != 2 || f[0] != "entrees" || !number(f[1], entries))
        return fail(error, lines.number(), "« entrees » attendu");
    for (std::size_t e = 0; e < entries; ++e) {
        std::size_t formCount = 0;
        LexiconEntry entry;
        unsigned marks = 0;
        if (!lines.next(f) || f.size() != 4 || f[0] != "E" || !isGameWord(f[1])
            || !number(f[2], marks) || marks > 0xFF || !number(f[3], formCount)
            || formCount > text.size())
            return fail(error, lines.number(), "entrée attendue");
        entry.word.assign(f[1]);
        entry.marks = static_cast<std::uint8_t>(marks);
        std::vector<LexiconForm> forms(formCount);
        for (auto& form : forms) {
            if (!lines.next(f) || !parseForm(f, form))
                return fail(error, lines.number(), "forme attendue");
        }
        lexicon.addEntry(std::move(entry), std::move(forms));
    }
    std::size_t count = 0;
    if (!lines.next(f) || f.size() != 2 || f[0] != "anciens" || !number(f[1], count)
        || !parseWords(lines, count, lexicon.olderWords, error))
        return error.empty() ? fail(error, lines.number(), "« anciens » attendu") : false;
    if (!lines.next(f) || f.size() != 3 || f[0] != "graphies" || !number(f[1], count)
        || (f[2] != "0" && f[2] != "1"))
        return fail(error, lines.number(), "« graphies » attendu");
    lexicon.hasReformed = f[2] == "1";
    if (!parseWords(lines, count, lexicon.newSpellings, error))
        return false;
    if (!lines.next(f) || f.size() != 1 || f[0] != "fin")
        return fail(error, lines.number(), "fichier coupé (« fin » manque)");
    return true;
}

}  // namespace lexicon
