// The footer texts of the pages.

#include "pages/Footers.h"

namespace zuvgen {

QString gregorianFooter(const QString& section) { return QStringLiteral("Григорианская календарная система · ") + section; }
QString vrksFooter(const QString& section) { return QStringLiteral("Варийская календарная система · ") + section; }
QString zuvProjectFooter() { return QStringLiteral("ЗУВ · календарный проект ОРИВАНТ"); }
QString orivantProjectFooter() { return QStringLiteral("Календарный проект «Оривант»"); }

}  // namespace zuvgen
