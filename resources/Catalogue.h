#pragma once
// The catalogue of built-in resources: every name with its kind and pixel size.
// The picture generator writes exactly these, and the tests check the store against it.

#include <QString>
#include <vector>

namespace zuv {

enum class ResourceKind {
    PngRgb,    // raw data: PNG, truecolour
    PngRgba,   // raw data: PNG, truecolour with alpha
    Text,      // raw data: the day table text
    Bitmap24,  // bitmap: 24 bits per pixel
    Bitmap8,   // bitmap: 8 bits per pixel, with a palette
};

struct CatalogueEntry {
    QString name;  // upper case, as stored
    ResourceKind kind;
    int width;
    int height;
};

inline bool isRawData(ResourceKind kind) {
    return kind == ResourceKind::PngRgb || kind == ResourceKind::PngRgba || kind == ResourceKind::Text;
}

// Every resource the program carries, in a fixed order.
const std::vector<CatalogueEntry>& resourceCatalogue();
// The entry of an upper-case name, or nullptr.
const CatalogueEntry* findCatalogueEntry(const QString& upperName);

// Names that callers ask for and that must not exist.
inline const char* const kMissingResourceNames[] = {"vr513_day", "GRKSPRDAT"};

}  // namespace zuv
