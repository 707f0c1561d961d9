// The VRKS pages about time: the chronology of the yugas, the astronomical format (the VRKS
// year against the tropical year) and the paschal format (Easter in both calendars).

#include "facts/VrksFacts.h"
#include "kit/Formatting.h"
#include "kit/Page.h"
#include "pages/Footers.h"
#include "pages/VrksPages.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zuvgen {

using namespace vrks;

// ---- VRKS_HKS -------------------------------------------------------------------------------

void drawVrksChronologyPage(const Context& ctx) {
    Page page(QStringLiteral("VRKS_HKS"));
    const std::vector<YugaSpan> spans = yugaChronology();
    qint64 totalDays = 0;
    for (const YugaSpan& s : spans) totalDays += s.days;
    const YugaSpan& y481 = spans.front();
    const YugaSpan& y512 = spans[512 - 481];
    const YugaSpan& y513 = spans.back();

    page.title(QStringLiteral("Хронология ВРКС"), QStringLiteral("Юги 481–513 и их границы в григорианском календаре"));
    page.paragraph(QStringLiteral("Юга n начинается 4 марта григорианского года 4n − 3; её годы начинаются 4 марта, "
                                  "3 марта, 2 марта и 29 февраля, а кончается юга 3 марта года 4n + 1 пятым "
                                  "дополнительным днём. Все %1 юги вместе охватывают %2 дней — с %3 по %4.")
                       .arg(spans.size())
                       .arg(grouped(totalDays, kThinSpace))
                       .arg(dotted(y481.start), dotted(y513.end)),
                   Qt::AlignJustify, 1.0);

    auto block = [&](int from, int to) {
        return [&page, &spans, from, to] {
            PageTable t;
            t.headers = {QStringLiteral("Юга"), QStringLiteral("Годы ВРКС"), QStringLiteral("Начало"),
                         QStringLiteral("Конец"), QStringLiteral("Дней")};
            t.widths = {0.7, 1.35, 1.25, 1.25, 0.75};
            t.align = {Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter};
            t.fontScale = 0.86;
            for (int n = from; n <= to; ++n) {
                const YugaSpan& s = spans[n - 481];
                if (s.days != 1461 || s.start.day() != 4) t.highlightRows.push_back(n - from);
                t.rows.push_back({QStringLiteral("**%1**").arg(n),
                                  QStringLiteral("%1–%2").arg(4 * (n - 1) + 1).arg(4 * n),
                                  dotted(s.start), dotted(s.end), QString::number(s.days)});
            }
            page.table(t);
        };
    };
    page.columns({block(481, 491), block(492, 502), block(503, 513)}, {}, 1.2);

    page.columns(
        {[&] {
             page.note(QStringLiteral("Юга %1").arg(y512.yuga),
                       QStringLiteral("На день короче остальных: %1 дней, %2 дополнительных дня (дни года 365…368); "
                                      "начинается %3 и кончается %4.")
                           .arg(y512.days).arg(y512.extraDays)
                           .arg(dotted(y512.start), dotted(y512.end)));
         },
         [&] {
             page.note(QStringLiteral("Юга %1").arg(y513.yuga),
                       QStringLiteral("Начинается на день раньше общего правила — %1; её годы начинаются "
                                      "%1, %2, %3 и %4, последний день — %5.")
                           .arg(dotted(y513.yearStart[0]), dotted(y513.yearStart[1]),
                                dotted(y513.yearStart[2]), dotted(y513.yearStart[3]),
                                dotted(y513.end)));
         },
         [&] {
             page.note(QStringLiteral("Зачем укорочена юга 512"),
                       QStringLiteral("Юга из 1461 дня длиннее четырёх тропических лет на %1 сут; за 32 юги "
                                      "набегают почти ровно сутки, и юга 512 их возвращает.")
                           .arg(decimal(1461 - 4 * kTropicalYear, 4)),
                       BoxStyle::Accent);
         }},
        {1, 1.25, 1}, 1.2);
    page.footer(vrksFooter(QStringLiteral("хронология")), orivantProjectFooter());
    page.save(ctx);
}

// ---- VRKS_TFS_ASTRO -------------------------------------------------------------------------

namespace {

// Drift of the year starts against a strictly tropical count, 1921 … 2053.
void drawDriftChart(QPainter& p, const QRectF& area, qreal u) {
    const PagePalette& pal = pagePalette();
    const std::vector<DriftPoint> vrksPoints = vrksYearStartDrift();
    const std::vector<DriftPoint> gregPoints = gregorianYearStartDrift();
    const double x0 = 1920, x1 = 2055, yMin = -4.5, yMax = 2.6;
    const QRectF plot(area.left() + 4.2 * u, area.top() + 0.6 * u, area.width() - 4.8 * u, area.height() - 3.0 * u);
    auto X = [&](double x) { return plot.left() + (x - x0) / (x1 - x0) * plot.width(); };
    auto Y = [&](double y) { return plot.top() + (yMax - y) / (yMax - yMin) * plot.height(); };

    // Grid and axes.
    p.setFont(typeface(Face::Sans, 0.75 * u));
    for (int d = int(std::ceil(yMin)); d <= int(yMax); ++d) {
        p.setPen(QPen(d == 0 ? pal.muted : pal.rule, std::max(1.0, (d == 0 ? 0.07 : 0.04) * u)));
        p.drawLine(QPointF(plot.left(), Y(d)), QPointF(plot.right(), Y(d)));
        p.setPen(pal.muted);
        p.drawText(QRectF(area.left(), Y(d) - 0.7 * u, 3.7 * u, 1.4 * u), Qt::AlignRight | Qt::AlignVCenter,
                   signedDecimal(d, 0));
    }
    for (int year = 1930; year <= 2050; year += 10) {
        p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
        p.drawLine(QPointF(X(year), plot.top()), QPointF(X(year), plot.bottom()));
        p.setPen(pal.muted);
        p.drawText(QRectF(X(year) - 2 * u, plot.bottom() + 0.2 * u, 4 * u, 1.2 * u), Qt::AlignCenter,
                   QString::number(year));
    }
    p.save();
    p.translate(area.left() + 0.6 * u, plot.center().y());
    p.rotate(-90);
    p.setPen(pal.muted);
    p.drawText(QRectF(-8 * u, -0.6 * u, 16 * u, 1.2 * u), Qt::AlignCenter, QStringLiteral("сутки"));
    p.restore();

    // The yuga 512 band.
    const YugaSpan y512 = yugaSpan(512);
    p.fillRect(QRectF(QPointF(X(fractionalYear(y512.start)), plot.top()),
                      QPointF(X(fractionalYear(y512.end.addDays(1))), plot.bottom())),
               pal.highlightFill);
    p.setPen(pal.accent2);
    p.setFont(typeface(Face::SansBold, 0.75 * u));
    p.drawText(QRectF(X(fractionalYear(y512.start)) - 6 * u, plot.top() + 0.2 * u, 5.7 * u, 1.2 * u),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("юга 512"));

    // Steps: each year start holds its drift until the next one.
    auto stepPath = [&](const std::vector<DriftPoint>& pts) {
        QPainterPath path;
        path.moveTo(X(pts.front().year), Y(pts.front().drift));
        for (size_t i = 1; i < pts.size(); ++i) {
            path.lineTo(X(pts[i].year), Y(pts[i - 1].drift));
            path.lineTo(X(pts[i].year), Y(pts[i].drift));
        }
        return path;
    };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.muted, std::max(1.0, 0.09 * u)));
    p.drawPath(stepPath(gregPoints));
    p.setPen(QPen(pal.accent, std::max(1.5, 0.12 * u)));
    p.drawPath(stepPath(vrksPoints));
    p.setPen(QPen(pal.ink, std::max(1.0, 0.06 * u)));
    p.drawRect(plot);

    // Legend.
    const QRectF legend(plot.left() + 0.6 * u, plot.top() + 0.4 * u, 24 * u, 2.9 * u);
    p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(legend);
    p.setFont(typeface(Face::Sans, 0.8 * u));
    const struct {
        QColor color;
        QString text;
    } keys[] = {{pal.accent, QStringLiteral("начало года ВРКС (от 04.03.1921)")},
                {pal.muted, QStringLiteral("1 января григорианского года (от 01.01.1921)")}};
    for (int i = 0; i < 2; ++i) {
        const qreal ly = legend.top() + (0.75 + 1.3 * i) * u;
        p.setPen(QPen(keys[i].color, std::max(1.5, 0.12 * u)));
        p.drawLine(QPointF(legend.left() + 0.6 * u, ly), QPointF(legend.left() + 2.6 * u, ly));
        p.setPen(pal.ink);
        p.drawText(QRectF(legend.left() + 3.0 * u, ly - 0.65 * u, legend.width() - 3.4 * u, 1.3 * u),
                   Qt::AlignLeft | Qt::AlignVCenter, keys[i].text);
    }
}

}  // namespace

void drawVrksAstronomicalPage(const Context& ctx) {
    Page page(QStringLiteral("VRKS_TFS_ASTRO"));
    const qreal u = page.u();
    page.title(QStringLiteral("Астрономический формат ВРКС"),
               QStringLiteral("Год и юга ВРКС относительно тропического года"));

    const double meanTable = meanVrksYear(481, 512);
    const std::vector<DriftPoint> vrksPoints = vrksYearStartDrift();
    const std::vector<DriftPoint> gregPoints = gregorianYearStartDrift();
    const double before512 = vrksPoints[(512 - 481) * 4].drift;
    const double after512 = vrksPoints[(513 - 481) * 4].drift;
    const double greg2053 = gregPoints.back().drift;
    const double perYuga = 1461 - 4 * kTropicalYear;

    page.columns(
        {[&] {
             page.heading(QStringLiteral("1. Средний год"));
             page.paragraph(QStringLiteral(
                 "Тропический год — средний промежуток между весенними равноденствиями — равен "
                 "**%1 сут** (365 сут 5 ч 48 мин 45 с, эпоха 2000 г.). Если средний год календаря длиннее, "
                 "равноденствие год за годом приходится на всё более ранние даты; если короче — на более "
                 "поздние.")
                                .arg(decimal(kTropicalYear, 5)));
             PageTable t;
             t.headers = {QStringLiteral("Счёт лет"), QStringLiteral("Средний год, сут"),
                          QStringLiteral("За год, с"), QStringLiteral("За 100 лет, сут"),
                          QStringLiteral("Сутки набегают за")};
             t.widths = {1.95, 1.15, 0.75, 0.95, 1.1};
             t.align = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter};
             t.fontScale = 0.82;
             const struct {
                 QString name;
                 double year;
             } rows[] = {{QStringLiteral("Юлианский (1461/4)"), kJulianYear},
                         {QStringLiteral("Григорианский (146097/400)"), kGregorianYear},
                         {QStringLiteral("ВРКС, юга 1461 день"), kVrksPlainYear},
                         {QStringLiteral("ВРКС, юги 481–512"), meanTable}};
             for (const auto& r : rows) {
                 const Drift d = driftOf(r.year);
                 t.rows.push_back({r.name, decimal(r.year, 7), signedDecimal(d.secondsPerYear, 1),
                                   signedDecimal(d.perCentury, 4),
                                   QStringLiteral("%1 лет").arg(grouped(std::llround(d.yearsPerDay), kThinSpace))});
             }
             t.highlightRows = {3};
             t.caption = QStringLiteral("Юги 481–512: 31 юга по 1461 дню и юга 512 из 1460 дней, всего %1 дней "
                                        "за 128 лет. Такая точность выше постоянства самого тропического года: он "
                                        "укорачивается примерно на 0,5 с за столетие.")
                             .arg(grouped(std::llround(meanTable * 128), kThinSpace));
             page.table(t);
         },
         [&] {
             page.heading(QStringLiteral("2. Год внутри юги"));
             page.paragraph(QStringLiteral(
                 "Годы 1–3 юги по 364 дня короче тропического на %1 сут, четвёртый год из 369 дней "
                 "длиннее на %2 сут. Поэтому начало года ВРКС колеблется относительно сезонов почти на "
                 "четверо суток и в конце юги возвращается на место с опозданием %3 сут. За 32 юги "
                 "(128 лет) опоздание дорастает до %4 сут, и его снимает юга 512, укороченная на день.")
                                .arg(decimal(kTropicalYear - 364, 5), decimal(369 - kTropicalYear, 5),
                                     decimal(perYuga, 5), decimal(32 * perYuga, 5)));
             const YugaSpan sample = yugaSpan(507);
             PageTable t;
             t.headers = {QStringLiteral("Год юги"), QStringLiteral("Дней"),
                          QStringLiteral("Начало в юге %1").arg(sample.yuga),
                          QStringLiteral("Накоплено к концу года, сут")};
             t.widths = {0.8, 0.7, 1.3, 1.6};
             t.align = {Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter};
             t.fontScale = 0.85;
             for (int y = 1; y <= 4; ++y) {
                 const int days = y < 4 ? 364 : 369;
                 const int elapsed = 364 * (y - 1) + days;
                 t.rows.push_back({QString::number(y), QString::number(days), dotted(sample.yearStart[y - 1]),
                                   signedDecimal(elapsed - y * kTropicalYear, 5)});
             }
             page.table(t);
         }},
        {1.25, 1}, 1.8);

    page.heading(QStringLiteral("3. Начало года относительно тропического счёта, 1921–2053"));
    page.caption(QStringLiteral("Отклонение = прошедшие календарные сутки − число прошедших лет × %1. "
                                "К началу юги 512 ВРКС набирает %2 сут; укороченная юга 512 сводит "
                                "отклонение к %3 сут. Григорианский календарь в эти годы не пропускает "
                                "ни одного високосного года (2000 — високосный) и к 01.01.2053 уходит на %4 сут, "
                                "как юлианский.")
                     .arg(decimal(kTropicalYear, 5), signedDecimal(before512, 2), signedDecimal(after512, 4),
                          signedDecimal(greg2053, 2)),
                 Qt::AlignLeft, 0.85, pagePalette().ink);
    page.drawing(page.remaining() - 0.6 * u, [&](QPainter& p, const QRectF& r) { drawDriftChart(p, r, u); });
    page.footer(vrksFooter(QStringLiteral("астрономический формат")), orivantProjectFooter());
    page.save(ctx);
}

// ---- VRKS_TFS_PAS ---------------------------------------------------------------------------

namespace {

struct EasterRow {
    int yuga;
    QDate western[4], orthodox[4];
    VrksDay westernVrks[4], orthodoxVrks[4];
};

std::vector<EasterRow> easterRows(const Context& ctx) {
    std::vector<EasterRow> rows;
    for (int n = 481; n <= 513; ++n) {
        EasterRow row;
        row.yuga = n;
        for (int y = 0; y < 4; ++y) {
            const int year = 4 * (n - 1) + y + 1;
            row.western[y] = westernEaster(year);
            row.orthodox[y] = orthodoxEaster(year);
            const auto w = vrksDayOf(ctx.dayTableLines, row.western[y]);
            const auto o = vrksDayOf(ctx.dayTableLines, row.orthodox[y]);
            if (!w || !o) fail(QStringLiteral("VRKS_TFS_PAS: Easter %1 is outside the day table").arg(year));
            // Easter always falls well after the VRKS new year, so both carry the same year number.
            if (w->yearNumber() != year || o->yearNumber() != year)
                fail(QStringLiteral("VRKS_TFS_PAS: Easter %1 falls into another VRKS year").arg(year));
            row.westernVrks[y] = *w;
            row.orthodoxVrks[y] = *o;
        }
        rows.push_back(row);
    }
    return rows;
}

// The table: one row per yuga, per year of the yuga two computations, each in both calendars.
void drawEasterTable(QPainter& p, const QRectF& area, qreal u, const std::vector<EasterRow>& rows) {
    const PagePalette& pal = pagePalette();
    const int dataCols = 16;
    const qreal yugaW = 1.0, yearsW = 1.75;
    const qreal unit = area.width() / (yugaW + yearsW + dataCols);
    const qreal headH = 1.25 * u;
    const qreal rowH = (area.height() - 3 * headH) / rows.size();
    const qreal top = area.top();
    const qreal left = area.left();
    auto colX = [&](int c) {  // c = 0 yuga, 1 years, 2 … 17 data
        if (c == 0) return left;
        if (c == 1) return left + yugaW * unit;
        return left + (yugaW + yearsW) * unit + (c - 2) * unit;
    };
    const qreal right = left + area.width();
    const qreal bodyTop = top + 3 * headH;

    // Header.
    p.fillRect(QRectF(left, top, area.width(), 3 * headH), pal.headerFill);
    const QFont head = typeface(Face::SansBold, 0.78 * u);
    const QFont sub = typeface(Face::Sans, 0.72 * u);
    p.setPen(pal.accent);
    p.setFont(head);
    p.drawText(QRectF(colX(0), top, colX(1) - colX(0), 3 * headH), Qt::AlignCenter, QStringLiteral("Юга"));
    p.drawText(QRectF(colX(1), top, colX(2) - colX(1), 3 * headH), Qt::AlignCenter, QStringLiteral("Годы"));
    for (int y = 0; y < 4; ++y) {
        const qreal x = colX(2 + 4 * y);
        p.setFont(head);
        p.setPen(pal.accent);
        p.drawText(QRectF(x, top, 4 * unit, headH), Qt::AlignCenter, QStringLiteral("%1-й год юги").arg(y + 1));
        p.drawText(QRectF(x, top + headH, 2 * unit, headH), Qt::AlignCenter, QStringLiteral("западная"));
        p.drawText(QRectF(x + 2 * unit, top + headH, 2 * unit, headH), Qt::AlignCenter, QStringLiteral("православная"));
        p.setFont(sub);
        for (int k = 0; k < 4; ++k) {
            p.setPen(k % 2 == 0 ? pal.ink : pal.accent2);
            p.drawText(QRectF(x + k * unit, top + 2 * headH, unit, headH), Qt::AlignCenter,
                       k % 2 == 0 ? QStringLiteral("григ.") : QStringLiteral("ВРКС"));
        }
    }

    // Body.
    const QFont cell = typeface(Face::Sans, 0.8 * u);
    const QFont cellBold = typeface(Face::SansBold, 0.8 * u);
    for (size_t r = 0; r < rows.size(); ++r) {
        const EasterRow& row = rows[r];
        const qreal y = bodyTop + r * rowH;
        if (r % 2 == 1) p.fillRect(QRectF(left, y, area.width(), rowH), pal.zebra);
        for (int k = 0; k < 4; ++k) {
            if (row.western[k] == row.orthodox[k])
                p.fillRect(QRectF(colX(2 + 4 * k), y, 4 * unit, rowH), pal.highlightFill);
        }
        p.setFont(cellBold);
        p.setPen(pal.accent);
        p.drawText(QRectF(colX(0), y, colX(1) - colX(0), rowH), Qt::AlignCenter, QString::number(row.yuga));
        p.setFont(cell);
        p.setPen(pal.ink);
        p.drawText(QRectF(colX(1), y, colX(2) - colX(1), rowH), Qt::AlignCenter,
                   QStringLiteral("%1–%2").arg(4 * row.yuga - 3).arg(4 * row.yuga));
        for (int k = 0; k < 4; ++k) {
            const qreal x = colX(2 + 4 * k);
            const QString texts[] = {dayMonth(row.western[k]), dayMonthNotation(row.westernVrks[k]),
                                     dayMonth(row.orthodox[k]), dayMonthNotation(row.orthodoxVrks[k])};
            for (int c = 0; c < 4; ++c) {
                p.setPen(c % 2 == 0 ? pal.ink : pal.accent2);
                p.drawText(QRectF(x + c * unit, y, unit, rowH), Qt::AlignCenter, texts[c]);
            }
        }
    }

    // Grid.
    const qreal bottom = bodyTop + rows.size() * rowH;
    p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    for (size_t r = 1; r < rows.size(); ++r)
        p.drawLine(QPointF(left, bodyTop + r * rowH), QPointF(right, bodyTop + r * rowH));
    for (int c = 3; c < 18; ++c) {
        if ((c - 2) % 4 == 0) continue;
        const bool pair = (c - 2) % 2 == 0;
        const qreal yTop = pair ? top + headH : top + 2 * headH;
        p.drawLine(QPointF(colX(c), yTop), QPointF(colX(c), bottom));
    }
    for (int y = 0; y < 4; ++y)
        p.drawLine(QPointF(colX(2 + 4 * y), top + headH), QPointF(colX(2 + 4 * y) + 4 * unit, top + headH));
    for (int y = 0; y < 4; ++y)
        p.drawLine(QPointF(colX(2 + 4 * y), top + 2 * headH), QPointF(colX(2 + 4 * y) + 4 * unit, top + 2 * headH));
    p.setPen(QPen(pal.accent, std::max(1.0, 0.09 * u)));
    for (int c : {1, 2, 6, 10, 14}) p.drawLine(QPointF(colX(c), top), QPointF(colX(c), bottom));
    p.drawLine(QPointF(left, bodyTop), QPointF(right, bodyTop));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left, top, area.width(), bottom - top));
}

}  // namespace

void drawVrksPaschalPage(const Context& ctx) {
    Page page(QStringLiteral("VRKS_TFS_PAS"));
    const qreal u = page.u();
    const std::vector<EasterRow> rows = easterRows(ctx);

    // How often the two Easters coincide, and the extreme dates of each computation with
    // every year in which they occur.
    int together = 0;
    struct Extremes {
        int earliest = 10000, latest = 0;  // month × 100 + day
        QList<int> earliestYears, latestYears;
        void add(const QDate& d) {
            const int key = d.month() * 100 + d.day();
            if (key < earliest) earliest = key, earliestYears.clear();
            if (key == earliest) earliestYears << d.year();
            if (key > latest) latest = key, latestYears.clear();
            if (key == latest) latestYears << d.year();
        }
    } western, orthodox;
    for (const EasterRow& row : rows)
        for (int k = 0; k < 4; ++k) {
            if (row.western[k] == row.orthodox[k]) ++together;
            western.add(row.western[k]);
            orthodox.add(row.orthodox[k]);
        }
    auto dateAndYears = [](int key, const QList<int>& years) {
        QStringList list;
        for (int y : years) list << QString::number(y);
        return QStringLiteral("%1 (%2 г.)").arg(dayMonth(key % 100, key / 100), list.join(QStringLiteral(", ")));
    };

    page.title(QStringLiteral("Пасхальный формат ВРКС"),
               QStringLiteral("Пасха по григорианской и юлианской пасхалиям, 1921–2052: "
                              "григорианские даты и даты ВРКС"));
    page.paragraph(QStringLiteral(
                       "**Западная** Пасха вычислена по григорианской пасхалии (алгоритм Гаусса в форме "
                       "«анонимного» григорианского алгоритма), **православная** — по юлианской пасхалии, с "
                       "переводом даты в григорианский календарь (в эти годы разница календарей — 13 суток). "
                       "Соответствие в ВРКС взято из дневной таблицы и записано как число.месяц; год ВРКС "
                       "совпадает с григорианским, потому что Пасха всегда приходится на время после начала "
                       "года ВРКС."),
                   Qt::AlignJustify, 0.9);
    const qreal captionH = 2.6 * u;
    page.drawing(page.remaining() - captionH,
                 [&](QPainter& p, const QRectF& r) { drawEasterTable(p, r, u, rows); });
    page.caption(QStringLiteral("Выделены годы, когда обе Пасхи совпадают: %1 из %2. Западная Пасха "
                                "периода — от %3 до %4, православная — от %5 до %6.")
                     .arg(together)
                     .arg(rows.size() * 4)
                     .arg(dateAndYears(western.earliest, western.earliestYears),
                          dateAndYears(western.latest, western.latestYears),
                          dateAndYears(orthodox.earliest, orthodox.earliestYears),
                          dateAndYears(orthodox.latest, orthodox.latestYears)),
                 Qt::AlignLeft, 0.85, pagePalette().ink);
    page.footer(vrksFooter(QStringLiteral("пасхальный формат")), orivantProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
