#include <catalogue/Catalogue.h>

#include <algorithm>

namespace catalogue {

namespace {

std::vector<ListRow> makeRows()
{
    using K = RuleKind;
    return {
        {"2 à 4 lettres", 0, "ods6new_2-4L.txt", {K::Lengths, 2, 4}},
        {"5 lettres", 0, "ods6new_5L.txt", {K::Lengths, 5, 5}},
        {"6 lettres", 0, "ods6new_6L.txt", {K::Lengths, 6, 6}},
        {"7 lettres", 0, "ods6new_7L.txt", {K::Lengths, 7, 7}},
        {"8 lettres", 0, "ods6new_8L.txt", {K::Lengths, 8, 8}},
        {"9 lettres", 0, "ods6new_9L.txt", {K::Lengths, 9, 9}},
        {"2-6L Lettre chère", 0, "ods6new_2-6L_LC.txt", {K::ExpensiveLetter, 2, 6}},
        {"7-8L Lettre chère", 0, "ods6new_7-8L_LC.txt", {K::ExpensiveLetter, 7, 8}},
        {"Verbes transitifs <11L", 0, "ods6new_vbt.txt", {K::TransitiveVerbs}},
        {"Verbes intransitifs <11L", 0, "ods6new_vbi.txt", {K::IntransitiveVerbs}},
        {"Mots invariables <11L", 0, "ods6new_inv.txt", {K::Invariables}},
        {"Rallonge av. 1L <10L", 0, "ods6new_rallonges_av.txt", {K::FrontExtensions, 2, 9}},
        {"Rallonge arr. 1L <10L", 0, "ods6new_rallonges_ar.txt", {K::BackExtensions, 2, 9}},
        {"Nouvelles graphies 2-9L", 0, "ods6new_nouv_graphies.txt", {K::NewSpellings}},
        {"4 lettres (anag multiples)", 0, "entrees_4L_anags.txt", {K::EntryAnagrams, 4, 4}},
        {"5 lettres (anag multiples)", 0, "entrees_5L_anags.txt", {K::EntryAnagrams, 5, 5}},
        {"6 lettres (anag multiples)", 0, "entrees_6L_anags.txt", {K::EntryAnagrams, 6, 6}},
        {"7 lettres (anag multiples)", 0, "entrees_7L_anags.txt", {K::EntryAnagrams, 7, 7}},
        {"8 lettres (anag multiples)", 0, "entrees_8L_anags.txt", {K::EntryAnagrams, 8, 8}},
        {"9 lettres (anag multiples)", 0, "entrees_9L_anags.txt", {K::EntryAnagrams, 9, 9}},
        {"2 à 9 lettres", 0, "ods6new_2-9L.txt", {K::Lengths, 2, 9}},
        {"4 lettres (solution unique)", 1, "ods6new_4L_all.txt", {K::UniqueSolutions, 4, 4}},
        {"5 lettres (solution unique)", 1, "ods6new_5L_all.txt", {K::UniqueSolutions, 5, 5}},
        {"6 lettres (solution unique)", 1, "ods6new_6L_all.txt", {K::UniqueSolutions, 6, 6}},
        {"7 lettres (solution unique)", 1, "ods6new_7L_all.txt", {K::UniqueSolutions, 7, 7}},
        {"8 lettres (solution unique)", 1, "ods6new_8L_all.txt", {K::UniqueSolutions, 8, 8}},
        {"9 lettres (solution unique)", 1, "ods6new_9L_all.txt", {K::UniqueSolutions, 9, 9}},
        {"4 lettres (anag multiples)", 1, "tout_4L_anags.txt", {K::FormAnagrams, 4, 4}},
        {"5 lettres (anag multiples)", 1, "tout_5L_anags.txt", {K::FormAnagrams, 5, 5}},
        {"6 lettres (anag multiples)", 1, "tout_6L_anags.txt", {K::FormAnagrams, 6, 6}},
        {"7 lettres (anag multiples)", 1, "tout_7L_anags.txt", {K::FormAnagrams, 7, 7}},
        {"8 lettres (anag multiples)", 1, "tout_8L_anags.txt", {K::FormAnagrams, 8, 8}},
        {"9 lettres (anag multiples)", 1, "tout_9L_anags.txt", {K::FormAnagrams, 9, 9}},
        {"2 à 9 lettres (tout)", 1, "ods6new_2-9L_all.txt", {K::AllForms, 2, 9}},
    };
}

}  // namespace

const std::vector<ListRow>& Catalogue::rows()
{
    static const std::vector<ListRow> all = makeRows();
    return all;
}

std::size_t Catalogue::countInBox(int box)
{
    const auto& all = rows();
    return static_cast<std::size_t>(std::count_if(
        all.begin(), all.end(), [box](const ListRow& row) { return row.box == box; }));
}

std::vector<std::string> Catalogue::titles(int box)
{
    std::vector<std::string> result;
    for (const ListRow& row : rows())
        if (row.box == box)
            result.push_back(row.title);
    return result;
}

const ListRow* Catalogue::find(const std::string& title, int box)
{
    for (const ListRow& row : rows())
        if (row.box == box && row.title == title)
            return &row;
    return nullptr;
}

}  // namespace catalogue
