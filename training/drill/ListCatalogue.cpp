#include <training/drill/ListCatalogue.h>

#include <catalogue/Catalogue.h>

namespace drill {

namespace {

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The drill's view of the catalogue: titles and boxes as they are, files under data/.
std::vector<CatalogueRow> makeRows()
{
    std::vector<CatalogueRow> result;
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows())
        result.push_back({row.title, row.box, "data/" + row.fileName});
    return result;
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
