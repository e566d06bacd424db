#include <listmaking/ownwords/ImportMessages.h>

#include <files/ShownPath.h>
#include <listmaking/ownwords/ShownText.h>

#include <catalogue/Catalogue.h>

#include <cstdio>

namespace listmaking {

namespace {

std::string format(const char* pattern, const std::string& name, std::size_t count)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, name.c_str(), count);
    return buffer;
}

// At most twenty words named, then how many more the report holds.
std::string someWords(const std::vector<std::string>& words, const std::string& reportPath)
{
    std::string text;
    for (std::size_t i = 0; i < words.size() && i < ImportMessages::shownRefusals; ++i)
        text += (i == 0 ? "" : ", ") + words[i];
    if (words.size() > ImportMessages::shownRefusals)
        text += " … et " + std::to_string(words.size() - ImportMessages::shownRefusals)
            + " autre(s), tous dans " + reportPath;
    return text;
}

// Characters, not bytes: the titles hold accents and the columns must line up on screen.
std::size_t width(const std::string& utf8)
{
    std::size_t characters = 0;
    for (unsigned char byte : utf8)
        characters += (byte & 0xC0) != 0x80;
    return characters;
}

// « 5 lettres : 8 tirages », as the launcher names the list, then its file; a file that is no
// list (the report) by its name and its lines.
std::string fileLine(const std::string& name, std::size_t count)
{
    for (const auto& row : catalogue::Catalogue::rows()) {
        if (row.fileName != name)
            continue;
        std::string title =
            row.title + " : " + std::to_string(count) + (count > 1 ? " tirages" : " tirage");
        const std::size_t shown = width(title);
        title.append(shown < 44 ? 44 - shown : 1, ' ');
        return title + name;
    }
    return format("%-34s %6zu lignes", name, count);
}

}  // namespace

ImportMessages::Line ImportMessages::said(const std::string& text, bool problem) const
{
    return {problem, program_.empty() ? text : program_ + " : " + text};
}

ImportMessages::Lines ImportMessages::reading(const OwnWordsSummary& s,
                                              const std::string& reportPath) const
{
    std::string first = files::shownPath(s.playerFile) + " lu en " + s.encoding + " : "
        + std::to_string(s.wordsTaken) + " mot(s) retenu(s)";
    if (s.repeats > 0)
        first += " (" + std::to_string(s.repeats) + " en double)";
    first += ", " + std::to_string(s.refusedCount) + " ligne(s) refusée(s)";
    Lines lines{said(first)};
    for (std::size_t i = 0; i < s.refused.size() && i < shownRefusals; ++i) {
        const auto& line = s.refused[i];
        lines.push_back({false,
                         "  ligne " + std::to_string(line.number) + " : « " + line.text
                             + " » : " + line.reason});
    }
    if (s.refusedCount > shownRefusals)
        lines.push_back({false,
                         "  … et " + std::to_string(s.refusedCount - shownRefusals)
                             + " autre(s) ligne(s) refusée(s)"
                             + (reportPath.empty() ? "" : ", toutes dans " + reportPath)});
    return lines;
}

ImportMessages::Lines ImportMessages::notes(const std::vector<std::string>& notes) const
{
    Lines lines;
    for (const auto& note : notes)
        lines.push_back(said(note, true));
    return lines;
}

ImportMessages::Lines
ImportMessages::files(const std::vector<std::pair<std::string, std::size_t>>& linesPerFile) const
{
    Lines lines;
    for (const auto& [name, count] : linesPerFile)
        lines.push_back({false, fileLine(name, count)});
    return lines;
}

void ImportMessages::sentences(Lines& lines, const std::vector<std::string>& words,
                               const char* sentence, const std::string& reportPath) const
{
    for (std::size_t i = 0; i < words.size() && i < shownRefusals; ++i)
        lines.push_back(said(words[i] + " " + sentence));
    if (words.size() > shownRefusals)
        lines.push_back(said("… et " + std::to_string(words.size() - shownRefusals)
                             + " autre(s) mot(s) dans ce cas, tous dans " + reportPath));
}

ImportMessages::Lines ImportMessages::outcome(const OwnWordsSummary& s) const
{
    Lines lines{said(std::to_string(s.wordsFound)
                     + " mot(s) connu(s) du dictionnaire, avec leurs formes ; "
                     + std::to_string(s.missing.size()) + " absent(s), entraîné(s) tels quels"
                     + (s.missing.empty() ? "" : " : " + someWords(s.missing, s.reportPath)))};
    sentences(lines, s.missingOutOfRange,
              "est absent du dictionnaire et n'a pas de 2 à 9 lettres : il n'entre dans aucune "
              "liste.",
              s.reportPath);
    sentences(lines, s.withoutShortForm,
              "n'a aucune forme de 2 à 9 lettres : il n'entre dans aucune liste de longueur ni "
              "d'anagrammes.",
              s.reportPath);
    return lines;
}

ImportMessages::Lines ImportMessages::failure(const std::string& error, bool cancelled) const
{
    if (cancelled)
        return {said("interrompu, aucun fichier n'a été changé", true)};
    return {said(error, true)};
}

ImportMessages::Lines ImportMessages::ofRead(const OwnWordsImport& import,
                                             const status::Status& read) const
{
    Lines lines;
    if (!import.summary().playerFile.empty())
        lines = reading(import.summary(), "");
    const Lines why = failure(read.why(), false);
    lines.insert(lines.end(), why.begin(), why.end());
    return lines;
}

ImportMessages::Lines ImportMessages::ofRun(const OwnWordsImport& import, const status::Status& ran,
                                            const std::string& dataDir, double seconds) const
{
    const bool ok = ran.ok();
    const auto& s = import.summary();
    Lines lines = reading(s, ok ? s.reportPath : "");
    const auto append = [&lines](const Lines& more) {
        lines.insert(lines.end(), more.begin(), more.end());
    };
    append(notes(s.notes));
    if (!ok) {
        append(failure(ran.why(), ran.wasCancelled()));
        return lines;
    }
    // what became of the words first: a window shows the top of the text, a terminal its end
    append(outcome(s));
    append(files(s.linesPerFile));
    char duration[32];
    std::snprintf(duration, sizeof duration, "%.1f", seconds);
    lines.push_back(said(std::to_string(s.linesPerFile.size()) + " listes et le rapport "
                         + OwnWordsImport::reportName + " écrits dans " + files::shownPath(dataDir)
                         + " en " + duration + " s"));
    return lines;
}

std::function<void(double, const std::string&)> ImportMessages::stepPrinter(std::FILE* out) const
{
    return [messages = *this, out, last = std::string()](double, const std::string& step) mutable {
        const std::string phase = step.substr(0, step.find(" : "));
        if (phase == last || step.rfind("liste ", 0) == 0 || step == "terminé")
            return;
        last = phase;
        print({messages.said(phase + "…")}, out);
    };
}

void ImportMessages::print(const Lines& lines, std::FILE* out, std::FILE* errors)
{
    for (const auto& line : lines) {
        std::FILE* stream = line.problem ? errors : out;
        std::fputs(ShownText::of(line.text).c_str(), stream);
        std::fputc('\n', stream);
        std::fflush(stream);  // in the order they are said, when both go to one pipe
    }
}

std::string ImportMessages::text(const Lines& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += ShownText::of(line.text) + "\n";
    return text;
}

}  // namespace listmaking
