// The catalogue of built-in resources, built from the one list in Catalogue.def.
#include "Catalogue.h"

namespace zuv {

namespace {

std::vector<CatalogueEntry> buildCatalogue() {
    using K = ResourceKind;
    return {
#define ZUV_RESOURCE(name, kind, width, height) {QStringLiteral(#name), K::kind, width, height},
#include "Catalogue.def"
#undef ZUV_RESOURCE
    };
}

}  // namespace

const std::vector<CatalogueEntry>& resourceCatalogue() {
    static const std::vector<CatalogueEntry> catalogue = buildCatalogue();
    return catalogue;
}

const CatalogueEntry* findCatalogueEntry(const QString& upperName) {
    for (const CatalogueEntry& entry : resourceCatalogue())
        if (entry.name == upperName) return &entry;
    return nullptr;
}

}  // namespace zuv
