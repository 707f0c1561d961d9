// The Gregorian chronology page (GRKS_HKS): the reform and its adoption country by country,
// and the lag of the Julian calendar behind the Gregorian one over the centuries.

#include "facts/GregorianFacts.h"
#include "kit/Formatting.h"
#include "kit/Page.h"
#include "pages/Footers.h"
#include "pages/GregorianPages.h"

#include <QDate>
#include <QPainterPath>
#include <climits>
#include <cmath>

namespace zuvgen {

using namespace greg;

namespace {

// ---- the adoption of the Gregorian calendar ------------------------------------------------

struct Adoption {
    QString where;
    Ymd lastJulian;  // the last day counted by the Julian calendar
};

// The first Gregorian day follows the last Julian one: both are the same count of days.
Ymd firstGregorianDay(const Adoption& a) {
    return gregorianFromJdn(jdnFromJulian(a.lastJulian.year, a.lastJulian.month, a.lastJulian.day) + 1);
}

const Adoption kAdoptions[] = {
    {QStringLiteral("Папская область, Испания, Португалия, Речь Посполитая"), {1582, 10, 4}},
    {QStringLiteral("Франция"), {1582, 12, 9}},
    {QStringLiteral("Венгрия"), {1587, 10, 21}},
    {QStringLiteral("Протестантские земли Германии, Дания и Норвегия"), {1700, 2, 18}},
    {QStringLiteral("Великобритания и её колонии"), {1752, 9, 2}},
    {QStringLiteral("Швеция и Финляндия"), {1753, 2, 17}},
    {QStringLiteral("Болгария"), {1916, 3, 31}},
    {QStringLiteral("Советская Россия"), {1918, 1, 31}},
    {QStringLiteral("Греция"), {1923, 2, 15}},
};

// One row per period of equal lag: from the Julian 1 March of a century year on which the lag
// changes to the day before the next change.
struct LagPeriod {
    Ymd julianStart;
    Ymd gregorianStart;
    int lag;
};

std::vector<LagPeriod> lagPeriods(int firstCentury, int lastCentury) {
    std::vector<LagPeriod> out;
    int previous = INT32_MIN;
    for (int c = firstCentury; c <= lastCentury; ++c) {
        const qint64 jdn = jdnFromJulian(c * 100, 3, 1);
        const int lag = julianLag(jdn);
        if (lag != previous) out.push_back({Ymd{c * 100, 3, 1}, gregorianFromJdn(jdn), lag});
        previous = lag;
    }
    return out;
}

// ---- GRKS_HKS -------------------------------------------------------------------------------

void drawLagChart(QPainter& p, const QRectF& area, qreal u) {
    const PagePalette& pal = pagePalette();
    const int y0 = 0, y1 = 2600;
    const int lagMin = -3, lagMax = 18;
    const QRectF plot = area.adjusted(3.0 * u, 0.6 * u, -0.6 * u, -1.8 * u);
    auto px = [&](double year) { return plot.left() + (year - y0) / (y1 - y0) * plot.width(); };
    auto py = [&](double lag) { return plot.bottom() - (lag - lagMin) / (lagMax - lagMin) * plot.height(); };

    p.setFont(typeface(Face::Sans, 0.7 * u));
    p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    for (int lag = 0; lag <= 15; lag += 5) {
        p.drawLine(QPointF(plot.left(), py(lag)), QPointF(plot.right(), py(lag)));
        p.setPen(pal.muted);
        p.drawText(QRectF(area.left(), py(lag) - 0.6 * u, 2.6 * u, 1.2 * u), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(lag));
        p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    }
    for (int year = 0; year <= y1; year += 500) {
        p.drawLine(QPointF(px(year), plot.top()), QPointF(px(year), plot.bottom()));
        p.setPen(pal.muted);
        p.drawText(QRectF(px(year) - 2 * u, plot.bottom() + 0.2 * u, 4 * u, 1.2 * u), Qt::AlignCenter,
                   QString::number(year));
        p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    }
    // The lag, sampled every Julian 1 March and at the end of February.
    QPainterPath path;
    bool first = true;
    for (int year = 1; year <= y1; ++year) {
        const qint64 jdn = jdnFromJulian(year, 3, 1);
        const double x = px(year + 2.0 / 12.0);
        const double y = py(julianLag(jdn));
        if (first) {
            path.moveTo(x, y);
            first = false;
        } else {
            path.lineTo(x, path.currentPosition().y());
            path.lineTo(x, y);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.accent, std::max(2.0, 0.12 * u)));
    p.drawPath(path);
    // The two changes the page speaks of most: the reform itself and Russia's.
    for (const Ymd& day : {Ymd{1582, 10, 15}, Ymd{1918, 2, 14}}) {
        const int lag = julianLag(jdnFromGregorian(day.year, day.month, day.day));
        const QPointF at(px(day.year + 0.8), py(lag));
        p.setPen(Qt::NoPen);
        p.setBrush(pal.accent2);
        p.drawEllipse(at, 0.25 * u, 0.25 * u);
        p.setPen(pal.accent2);
        p.setFont(typeface(Face::SansBold, 0.72 * u));
        p.drawText(QRectF(at.x() - 7.4 * u, at.y() - 1.5 * u, 7 * u, 1.2 * u), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1: %2 сут").arg(day.year).arg(lag));
    }
    p.setPen(pal.muted);
    p.setFont(typeface(Face::SansItalic, 0.7 * u));
    p.drawText(QRectF(plot.right() - plot.width() * 0.6, py(1.5) - 0.65 * u, plot.width() * 0.6 - 0.3 * u, 1.3 * u),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("разница юлианской и григорианской дат, сутки"));
}

}  // namespace

void drawGregorianChronologyPage(const Context& ctx) {
    Page page(QStringLiteral("GRKS_HKS"));
    page.setBodySize(fittedBodySize(page.width(), page.height(), 14));
    page.title(QStringLiteral("Хронология григорианского календаря"),
               QStringLiteral("от юлианского календаря к реформе 1582 года и её принятию в разных странах"));
    const QDate reform(1582, 10, 15);
    const qint64 lastJulianJdn = jdnFromJulian(1582, 10, 4);
    int revisedSplit = 1924;
    while (isRevisedJulianLeapYear(revisedSplit) == isGregorianLeapYear(revisedSplit)) ++revisedSplit;

    page.columns({
        [&] {
            page.heading(QStringLiteral("Основные события"));
            page.definitions(
                {
                    {QStringLiteral("46 г. до н. э."),
                     QStringLiteral("Юлий Цезарь реформирует римский календарь; с 1 января 45 г. до н. э. три года "
                     "подряд имеют по 365 дней, четвёртый — 366. Средний год — %1 суток.").arg(decimal(meanYearJulian(), 2))},
                    {QStringLiteral("325"),
                     QStringLiteral("Первый Никейский собор связывает расчёт Пасхи с весенним равноденствием, "
                     "приходившимся тогда на 21 марта.")},
                    {QStringLiteral("IV–XVI вв."),
                     QStringLiteral("Юлианский год длиннее тропического (≈ %1 сут): за каждые %2 лет календарь отстаёт "
                     "от Солнца на сутки; к XVI веку равноденствие сместилось к 11 марта.")
                         .arg(decimal(kMeanTropicalYear, 5))
                         .arg(std::lround(yearsPerDayOfDrift(meanYearJulian())))},
                    {QStringLiteral("1563"), QStringLiteral("Тридентский собор поручает исправление календаря папе.")},
                    {QStringLiteral("1570-е"),
                     QStringLiteral("Проект Алоизия Лилия: убрать три високосных года из каждых четырёхсот и "
                     "исправить лунный расчёт Пасхи. Папская комиссия с Христофором Клавием готовит реформу.")},
                    {QStringLiteral("24.02.1582"), QStringLiteral("Папа Григорий XIII подписывает буллу «Inter gravissimas».")},
                    {QStringLiteral("1582"),
                     QStringLiteral("За %1, %2, сразу следует %3, %4: %5 дат пропущены, порядок дней недели не "
                     "нарушен.").arg(longYmd(julianFromJdn(lastJulianJdn)), weekdayName(isoWeekdayFromJdn(lastJulianJdn)),
                                      longRussianDate(reform), weekdayName(reform))
                         .arg(julianLag(reform.toJulianDay()))},
                    {QStringLiteral("1583"), QStringLiteral("Жозеф Скалигер вводит юлианский период — основу счёта юлианских дней.")},
                    {QStringLiteral("1700–1753"), QStringLiteral("Календарь принимают протестантские страны Европы.")},
                    {QStringLiteral("1918"),
                     QStringLiteral("Декрет Совнаркома вводит в России западноевропейский календарь: после 31 января "
                     "наступает 14 февраля.")},
                    {QStringLiteral("1923"),
                     QStringLiteral("Часть православных церквей принимает новоюлианский календарь Миланковича; его "
                     "високосные годы совпадают с григорианскими до %1 года.").arg(revisedSplit)},
                    {QStringLiteral("1988"), QStringLiteral("Выходит стандарт ISO 8601: даты по григорианскому календарю, неделя с понедельника.")},
                },
                7.0, Qt::AlignLeft, 0.95);
            page.note(QStringLiteral("Точность"),
                      QStringLiteral("Средний григорианский год — %1 суток; сутки расхождения с тропическим годом "
                      "набегают примерно за %2 лет.").arg(decimal(meanYearGregorian(), 4))
                          .arg(grouped(std::lround(yearsPerDayOfDrift(meanYearGregorian()) / 100.0) * 100, kNoBreakSpace)));
        },
        [&] {
            page.heading(QStringLiteral("Переход на григорианский календарь"));
            PageTable t;
            t.headers = {QStringLiteral("Страна"), QStringLiteral("Последний юлианский день"), QStringLiteral("Следующий день"), QStringLiteral("Разница")};
            for (const Adoption& a : kAdoptions) {
                const Ymd next = firstGregorianDay(a);
                t.rows.push_back({a.where, dottedYmd(a.lastJulian), dottedYmd(next),
                                  QStringLiteral("%1 сут").arg(julianLag(jdnFromGregorian(next.year, next.month, next.day)))});
            }
            t.widths = {2.6, 1.35, 1.35, 0.9};
            t.align = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter};
            t.fontScale = 0.85;
            t.highlightRows = {0, 7};
            t.caption = QStringLiteral("Япония (1873), Китай (1912) и Турция (1926) перешли на григорианский календарь с календарей иного устройства.");
            page.table(t);

            page.heading(QStringLiteral("Расхождение двух календарей"));
            page.paragraph(QStringLiteral("Юлианский календарь считает високосными все столетние годы, григорианский — "
                           "лишь кратные 400. Поэтому после 29 февраля (по юлианскому счёту) каждого "
                           "столетнего года, не кратного 400, разница растёт на сутки."));
            const std::vector<LagPeriod> periods = lagPeriods(2, 25);
            PageTable lag;
            const size_t groups = 3;
            const size_t perGroup = (periods.size() + groups - 1) / groups;
            for (size_t g = 0; g < groups; ++g) lag.headers << QStringLiteral("С юл. даты") << QStringLiteral("Григ. дата") << QStringLiteral("Сут");
            for (size_t i = 0; i < perGroup; ++i) {
                QStringList row;
                for (size_t g = 0; g < groups; ++g) {
                    const size_t k = i + g * perGroup;
                    if (k < periods.size())
                        row << dottedYmd(periods[k].julianStart) << dottedYmd(periods[k].gregorianStart)
                            << signedNumber(periods[k].lag);
                    else
                        row << QString() << QString() << QString();
                }
                lag.rows.push_back(row);
            }
            lag.widths = {1.3, 1.3, 0.55};
            lag.widths.resize(3 * groups);
            for (size_t k = 3; k < lag.widths.size(); ++k) lag.widths[k] = lag.widths[k % 3];
            lag.align = std::vector<Qt::Alignment>(3 * groups, Qt::AlignHCenter);
            lag.fontScale = 0.72;
            lag.zebra = true;
            page.table(lag);
            page.drawing(7.2 * page.u(), [&](QPainter& p, const QRectF& r) { drawLagChart(p, r, page.u()); });
        },
    },
                 {1, 1.12});
    page.footer(gregorianFooter(QStringLiteral("хронология календарной системы")), zuvProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
