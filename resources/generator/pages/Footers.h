#pragma once
// The footers of the pages. The two families sign their pages differently, and the pictures
// keep it so: the Gregorian pages and the interface guide carry the short project line, the
// VRKS pages and the ZUV description the project's name.

#include <QString>

namespace zuvgen {

QString gregorianFooter(const QString& section);  // "Григорианская календарная система · <section>"
QString vrksFooter(const QString& section);       // "Варийская календарная система · <section>"
QString zuvProjectFooter();                       // "ЗУВ · календарный проект ОРИВАНТ"
QString orivantProjectFooter();                   // "Календарный проект «Оривант»"

}  // namespace zuvgen
