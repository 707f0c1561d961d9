#include "KStblPages.h"

namespace zuv {

const KStblPage* kstblPageFor(int mode) {
    static const KStblPage overview{QStringLiteral("MAINTABLE"), true, QStringLiteral("ПРОШЛОЕ НАСТОЯЩЕЕ БУДУЩЕЕ")};
    // Not among the built-in pictures: the page comes up blank under its caption.
    static const KStblPage standard{QStringLiteral("GRKSPRDAT"), false, QStringLiteral("СТАНДАРТ ПРЕДСТАВЛЕНИЯ ДАТ")};
    static const KStblPage dating{QStringLiteral("gs2001"), false, QStringLiteral("ДАТИРОВКА КАЛЕНДАРНОЙ СИСТЕМЫ")};
    switch (mode) {
    case 0: return &overview;
    case 1: return &standard;
    case 3: return &dating;
    default: return nullptr;
    }
}

}  // namespace zuv
