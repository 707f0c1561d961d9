// The names of the 25 calendar systems.

#include "facts/CalendarSystems.h"

namespace zuvgen {

QString systemName(int n) {
    static const QString names[kSystemCount] = {
        QStringLiteral("зувская"), QStringLiteral("григорианская"), QStringLiteral("варийская"), QStringLiteral("юлианская"), QStringLiteral("дендерская"),
        QStringLiteral("бахайская"), QStringLiteral("арабская"), QStringLiteral("каргопольская"), QStringLiteral("фестская"), QStringLiteral("тэнгрианская"),
        QStringLiteral("миттельбергская"), QStringLiteral("сторожевская"), QStringLiteral("ориньякская"), QStringLiteral("радимичская"), QStringLiteral("ачинская"),
        QStringLiteral("инглингская"), QStringLiteral("никопольская"), QStringLiteral("африканская"), QStringLiteral("сутатусская"), QStringLiteral("друидская"),
        QStringLiteral("серпоновская"), QStringLiteral("мерлинская"), QStringLiteral("маскальская"), QStringLiteral("шумерская"), QStringLiteral("болгарская"),
    };
    return names[n - 1];
}

}  // namespace zuvgen
