#pragma once
// The VRKS section pages and the two description pages, one drawing function each.
// Every function draws its page completely and saves it under its catalogue name.

#include "kit/Output.h"
#include "kit/Formatting.h"
#include "kit/Page.h"

#include <QDate>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace zuvgen {

void drawVrksAnnualFormatPage(const Context& ctx);   // VRKS_SPD
void drawVrksYugaFormatPage(const Context& ctx);     // VRKS_SPD_YUG
void drawVrksDatingPage(const Context& ctx);         // VRKS_DKS
void drawVrksChronologyPage(const Context& ctx);     // VRKS_HKS
void drawVrksAstronomicalPage(const Context& ctx);   // VRKS_TFS_ASTRO
void drawVrksPaschalPage(const Context& ctx);        // VRKS_TFS_PAS
void drawZuvDescriptionPage(const Context& ctx);     // ANONS_ZUV
void drawVrksDescriptionPage(const Context& ctx);    // ANONS_VRKS


// Small helpers the pages share.

// A definition list whose term column is as wide as its widest term and whose texts are set
// ragged-right, so that formulas and notations keep their natural spacing.
void termDefinitions(Page& page, const std::vector<std::pair<QString, QString>>& items, qreal scale = 1.0);

// A bulleted or numbered list set ragged-right: items with formulas must not be justified,
// or the spaces inside the formulas stretch.
void raggedBullets(Page& page, const QStringList& items, qreal scale = 1.0, bool numbered = false);

// A framed note like Page::note, with its text set ragged-right for the same reason.
void raggedNote(Page& page, const QString& heading, const QString& text, BoxStyle style);

// A yuga as a strip across `area`: the four years to scale with their day ranges and the
// extra days at the end.
void drawYugaStrip(QPainter& p, const QRectF& area, qreal u);

QString vrksFooterLeft(const QString& section);      // "Варийская календарная система · <section>"
QString projectFooterRight();                        // the project's name

}  // namespace zuvgen
