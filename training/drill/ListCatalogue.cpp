#include "ListCatalogue.h"

namespace drill {

namespace {

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<CatalogueRow> makeRows()
{
    return {
        {"2 à 4 lettres", 0, "data/ods6new_2-4L.txt"},
        {"5 lettres", 0, "data/ods6new_5L.txt"},
        {"6 lettres", 0, "data/ods6new_6L.txt"},
        {"7 lettres", 0, "data/ods6new_7L.txt"},
        {"8 lettres", 0, "data/ods6new_8L.txt"},
        {"9 lettres", 0, "data/ods6new_9L.txt"},
        {"2-6L Lettre chère", 0, "data/ods6new_2-6L_LC.txt"},
        {"7-8L Lettre chère", 0, "data/ods6new_7-8L_LC.txt"},
        {"Verbes transitifs <11L", 0, "data/ods6new_vbt.txt"},
        {"Verbes intransitifs <11L", 0, "data/ods6new_vbi.txt"},
        {"Mots invariables <11L", 0, "data/ods6new_inv.txt"},
        {"Rallonge av. 1L <10L", 0, "data/ods6new_rallonges_av.txt"},
        {"Rallonge arr. 1L <10L", 0, "data/ods6new_rallonges_ar.txt"},
        {"Nouvelles graphies 2-9L", 0, "data/ods6new_nouv_graphies.txt"},
        {"4 lettres (anag multiples)", 0, "data/entrees_4L_anags.txt"},
        {"5 lettres (anag multiples)", 0, "data/entrees_5L_anags.txt"},
        {"6 lettres (anag multiples)", 0, "data/entrees_6L_anags.txt"},
        {"7 lettres (anag multiples)", 0, "data/entrees_7L_anags.txt"},
        {"8 lettres (anag multiples)", 0, "data/entrees_8L_anags.txt"},
        {"9 lettres (anag multiples)", 0, "data/entrees_9L_anags.txt"},
        {"2 à 9 lettres", 0, "data/ods6new_2-9L.txt"},
        {"4 lettres (solution unique)", 1, "data/ods6new_4L_all.txt"},
        {"5 lettres (solution unique)", 1, "data/ods6new_5L_all.txt"},
        {"6 lettres (solution unique)", 1, "data/ods6new_6L_all.txt"},
        {"7 lettres (solution unique)", 1, "data/ods6new_7L_all.txt"},
        {"8 lettres (solution unique)", 1, "data/ods6new_8L_all.txt"},
        {"9 lettres (solution unique)", 1, "data/ods6new_9L_all.txt"},
        {"4 lettres (anag multiples)", 1, "data/tout_4L_anags.txt"},
        {"5 lettres (anag multiples)", 1, "data/tout_5L_anags.txt"},
        {"6 lettres (anag multiples)", 1, "data/tout_6L_anags.txt"},
        {"7 lettres (anag multiples)", 1, "data/tout_7L_anags.txt"},
        {"8 lettres (anag multiples)", 1, "data/tout_8L_anags.txt"},
        {"9 lettres (anag multiples)", 1, "data/tout_9L_anags.txt"},
        {"2 à 9 lettres (tout)", 1, "data/ods6new_2-9L_all.txt"},
    };
}

}  // namespace

const std::vector<CatalogueRow>& ListCatalogue::rows()
{
    static const std::vector<CatalogueRow> all = makeRows();
    return all;
}

std::vector<std::string> ListCatalogue::titles(int list)
{
    std::vector<std::string> result;
    for (const CatalogueRow& row : rows())
        if (row.list == list)
            result.push_back(row.title);
    return result;
}

std::string ListCatalogue::fileFor(const std::string& title, int list)
{
    for (const CatalogueRow& row : rows())
        if (row.list == list && row.title == title)
            return row.file;
    return {};
}

int ListCatalogue::gridFontSize(const std::string& title)
{
    const bool small = startsWith(title, "Verbes") || startsWith(title, "Mots invar")
                       || startsWith(title, "9 lettres");
    return small ? 10 : 11;
}

bool ListCatalogue::isExtensionList(const std::string& title)
{
    return startsWith(title, "Rallonge");
}

}  // namespace drill
