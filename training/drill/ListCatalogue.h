#pragma once

#include <training/drill/CatalogueRow.h>

#include <string>
#include <vector>

namespace drill {

// The training lists of the catalogue's table, as the launcher and the loader use them.
class ListCatalogue {
public:
    // Every row, first box then second box, each in launcher order.
    static const std::vector<CatalogueRow>& rows();
    // Titles of one box (0 or 1) in launcher order; empty for any other number.
    static std::vector<std::string> titles(int list);
    // File of `title` looked up within box `list` only; empty when no row matches.
    static std::string fileFor(const std::string& title, int list);
    // Point size of the draw and answer boxes for a list: 10 for titles beginning with
    // "Verbes", "Mots invar" or "9 lettres", 11 for every other title.
    static int gridFontSize(const std::string& title);
    // True for the extension lists ("Rallonge..."), whose missed answers are swapped
    // with their draw at correction instead of being struck through.
    static bool isExtensionList(const std::string& title);
};

}  // namespace drill
