#include <catalogue/ListRow.h>

namespace catalogue {

std::string ListRow::path() const
{
    return "data/" + fileName;
}

int ListRow::gridPoints() const
{
    switch (rule.kind) {
    case RuleKind::TransitiveVerbs:
    case RuleKind::IntransitiveVerbs:
    case RuleKind::Invariables:
        return 10;
    default:
        // "2 à 9 lettres" holds nine-letter words too, yet keeps the larger size.
        return rule.shortest == 9 ? 10 : 11;
    }
}

bool ListRow::isExtensionList() const
{
    return rule.kind == RuleKind::FrontExtensions || rule.kind == RuleKind::BackExtensions;
}

}  // namespace catalogue
