#include "KStblPages.h"

namespace zuv {

const KStblPage* kstblPageFor(KStblMode mode) {
    static const KStblPage overview{QStringLiteral("MAINTABLE"), Fit::KeepProportions, QStringLiteral("ПРОШЛОЕ НАСТОЯЩЕЕ БУДУЩЕЕ")};
    // Not among the built-in pictures: the page comes up blank under its caption.
    static const KStblPage standard{QStringLiteral("GRKSPRDAT"), Fit::Stretch, QStringLiteral("СТАНДАРТ ПРЕДСТАВЛЕНИЯ ДАТ")};
    static const KStblPage dating{QStringLiteral("gs2001"), Fit::Stretch, QStringLiteral("ДАТИРОВКА КАЛЕНДАРНОЙ СИСТЕМЫ")};
    switch (mode) {
    case KStblMode::Overview: return &overview;
    case KStblMode::DateStandard: return &standard;
    case KStblMode::DatingSheet: return &dating;
    case KStblMode::Blank: break;
    }
    return nullptr;
}

}  // namespace zuv
