#include <listmaking/ownwords/ImportReport.h>

#include <lexicon/Utf8.h>

#include <textfile/Cp1252.h>

namespace listmaking {

namespace {

std::string cp1252Of(const std::string& utf8)
{
    std::u16string text;
    for (const char32_t c : lexicon::Utf8::decode(utf8))
        text += c < 0x10000 ? static_cast<char16_t>(c) : u'?';
    return textfile::Cp1252::encode(text);
}

void section(std::vector<std::string>& lines, const std::string& title,
             const std::vector<std::string>& items, std::size_t count)
{
    lines.push_back("");
    lines.push_back(title + " : " + std::to_string(count));
    lines.insert(lines.end(), items.begin(), items.end());
}

}  // namespace

std::vector<std::string> ImportReport::utf8Lines(const OwnWordsSummary& summary)
{
    std::vector<std::string> lines;
    lines.push_back("Listes faites depuis " + summary.playerFile + " (lu en " + summary.encoding
                    + ") : " + std::to_string(summary.wordsTaken) + " mots retenus, "
                    + std::to_string(summary.refusedCount) + " lignes refusées");
    section(lines, "Mots absents du dictionnaire, entraînés tels quels (sans autres formes)",
            summary.missing, summary.missing.size());
    section(lines,
            "Mots absents du dictionnaire qui n'ont pas de 2 à 9 lettres (dans aucune liste)",
            summary.missingOutOfRange, summary.missingOutOfRange.size());
    section(lines, "Mots sans aucune forme de 2 à 9 lettres (dans aucune liste de longueur)",
            summary.withoutShortForm, summary.withoutShortForm.size());
    std::vector<std::string> refused;
    for (const auto& line : summary.refused)
        refused.push_back("ligne " + std::to_string(line.number) + " : « " + line.text
                          + " » : " + line.reason);
    if (summary.refusedCount > summary.refused.size())
        refused.push_back("… et " + std::to_string(summary.refusedCount - summary.refused.size())
                          + " autres lignes refusées, non détaillées");
    section(lines, "Lignes refusées", refused, summary.refusedCount);
    if (!summary.notes.empty())
        section(lines, "Remarques", summary.notes, summary.notes.size());
    return lines;
}

std::vector<std::string> ImportReport::lines(const OwnWordsSummary& summary)
{
    std::vector<std::string> lines;
    for (const auto& line : utf8Lines(summary))
        lines.push_back(cp1252Of(line));
    return lines;
}

}  // namespace listmaking
