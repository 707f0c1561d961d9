#pragma once
// The VRKS page family: one drawing function a page, each drawing its page completely and
// saving it under its catalogue name, and what several of its pages share.

#include "facts/VrksFacts.h"
#include "kit/Output.h"

#include <QDate>
#include <QPainter>
#include <QRectF>

namespace zuvgen {

void drawVrksAnnualFormatPage(const Context& ctx);   // VRKS_SPD
void drawVrksYugaFormatPage(const Context& ctx);     // VRKS_SPD_YUG
void drawVrksDatingPage(const Context& ctx);         // VRKS_DKS
void drawVrksChronologyPage(const Context& ctx);     // VRKS_HKS
void drawVrksAstronomicalPage(const Context& ctx);   // VRKS_TFS_ASTRO
void drawVrksPaschalPage(const Context& ctx);        // VRKS_TFS_PAS
void drawVrksDescriptionPage(const Context& ctx);    // ANONS_VRKS

// The VRKS day of a date read from the day table; stops the generator when the table does not
// hold it.
vrks::VrksDay tableDay(const Context& ctx, const QDate& date);

// A yuga as a strip across `area`: the four years to scale with their day ranges and the
// extra days at the end.
void drawYugaStrip(QPainter& p, const QRectF& area, qreal u);

}  // namespace zuvgen
