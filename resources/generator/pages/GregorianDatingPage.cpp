// The Gregorian dating page (GRKS_DKS): how a day is found on the four-year sheets, with an
// excerpt of a sheet's band carrying the three marks of a dating.

#include "facts/GregorianFacts.h"
#include "kit/Formatting.h"
#include "kit/Page.h"
#include "pages/Footers.h"
#include "pages/GregorianPages.h"

#include <QDate>

namespace zuvgen {

using namespace greg;

namespace {

// ---- a page excerpt of a four-year sheet --------------------------------------------------

// Draws the first `weeks` week columns of the band of `year` as the sheets show them, with the
// three marks a dating draws around `marked`: its day, its weekday name and its week number.
void drawBandExcerpt(QPainter& p, const QRectF& area, int year, int weeks, const QDate& marked, qreal u) {
    const PagePalette& pal = pagePalette();
    const int rows = 11;  // column numbers, then rows 2 … 11 of the band
    const qreal labelW = 1.9 * u;     // grid row numbers
    const qreal nameW = 2.3 * u;      // column 1, weekday names
    const qreal cw = (area.width() - labelW - nameW) / weeks;
    const qreal ch = area.height() / rows;
    const SheetPlace place = sheetPlace(marked);
    const int bandRow0 = 2 + 11 * place.band;  // first grid row of the band

    auto cellRect = [&](int column, int rowInBand) {  // rowInBand 0 = the month-name row
        const qreal top = area.top() + ch * (rowInBand + 1);
        if (column == 1) return QRectF(area.left() + labelW, top, nameW, ch);
        return QRectF(area.left() + labelW + nameW + (column - 2) * cw, top, cw, ch);
    };
    const QFont small = typeface(Face::Sans, 0.62 * u);
    const QFont cellFont = typeface(Face::Sans, 0.78 * u);
    const QFont bold = typeface(Face::SansBold, 0.78 * u);

    // Grid numbers along the top and the left, in muted ink.
    p.setFont(small);
    p.setPen(pal.muted);
    for (int c = 1; c <= weeks + 1; ++c) {
        const QRectF r = cellRect(c, 0).translated(0, -ch);
        p.drawText(r, Qt::AlignCenter, QString::number(c));
    }
    for (int r = 0; r < rows - 1; ++r)
        p.drawText(QRectF(area.left(), area.top() + ch * (r + 1), labelW - 0.3 * u, ch), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(bandRow0 + r));

    // Weekday rows with a Sunday tint, then the day numbers.
    const QDate jan1(year, 1, 1);
    const QDate firstMonday = jan1.addDays(1 - jan1.dayOfWeek());
    for (int wd = 1; wd <= 7; ++wd) {
        const QRectF name = cellRect(1, wd);
        if (wd == 7) p.fillRect(QRectF(name.left(), name.top(), nameW + weeks * cw, ch), pal.highlightFill);
        p.setFont(bold);
        p.setPen(wd == 7 ? pal.accent2 : pal.ink);
        p.drawText(name.adjusted(0.3 * u, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, weekdayShort(wd));
        for (int w = 0; w < weeks; ++w) {
            const QDate day = firstMonday.addDays(7 * w + wd - 1);
            p.setFont(cellFont);
            p.setPen(day.year() != year ? pal.neighbourDay : (wd == 7 ? pal.accent2 : pal.ink));
            p.drawText(cellRect(w + 2, wd), Qt::AlignCenter, QString::number(day.day()));
        }
    }
    // Month names over the column in which each month begins.
    p.setFont(typeface(Face::SansBold, 0.68 * u));
    p.setPen(pal.accent);
    for (int m = 1; m <= 12; ++m) {
        const int column = ownWeekColumn(QDate(year, m, 1));
        if (column - 2 >= weeks) break;
        p.drawText(cellRect(column, 0).adjusted(0.15 * u, 0, 3 * cw, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   monthNominative(m));
    }
    // Week numbers and the caption.
    p.setFont(small);
    p.setPen(pal.muted);
    p.drawText(cellRect(1, 8).adjusted(0.3 * u, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("нед."));
    for (int w = 0; w < weeks; ++w) p.drawText(cellRect(w + 2, 8), Qt::AlignCenter, QString::number(w + 1));
    p.setFont(typeface(Face::SerifBold, 0.75 * u));
    p.setPen(pal.ink);
    const QRectF captionRow = cellRect(1, 9);
    p.drawText(QRectF(captionRow.left(), captionRow.top(), nameW + weeks * cw, ch), Qt::AlignCenter,
               QStringLiteral("%1 год").arg(year));

    // Grid lines: weekday block and week-number row.
    p.setPen(QPen(pal.rule, std::max(1.0, 0.04 * u)));
    for (int r = 1; r <= 9; ++r) {
        const qreal y = area.top() + ch * (r + 1);
        p.drawLine(QPointF(area.left() + labelW, y), QPointF(area.right(), y));
    }
    for (int c = 0; c <= weeks; ++c) {
        const qreal x = area.left() + labelW + nameW + c * cw;
        p.drawLine(QPointF(x, area.top() + ch), QPointF(x, area.top() + ch * 10));
    }
    p.drawLine(QPointF(area.left() + labelW, area.top() + ch), QPointF(area.left() + labelW, area.top() + ch * 10));

    // The three marks, as the dated screen draws them.
    if (marked.year() == year && place.shownYear == year) {
        p.setPen(QPen(pal.markBlue, std::max(2.0, 0.14 * u)));
        p.setBrush(Qt::NoBrush);
        const int wd = marked.dayOfWeek();
        const qreal inset = 0.07 * u;
        p.drawRect(cellRect(place.column, wd).adjusted(inset, inset, -inset, -inset));
        p.drawRect(cellRect(1, wd).adjusted(inset, inset, -inset, -inset));
        p.drawRect(cellRect(place.column, 8).adjusted(inset, inset, -inset, -inset));
    }
}

}  // namespace

// ---- GRKS_DKS -------------------------------------------------------------------------------

void drawGregorianDatingPage(const Context& ctx) {
    Page page(QStringLiteral("GRKS_DKS"));
    page.setBodySize(fittedBodySize(page.width(), page.height(), 11.5));
    page.title(QStringLiteral("Датировка по листам"), QStringLiteral("четырёхлетние листы GS2001 … GS2049\nи отметка дня в программе"));

    page.heading(QStringLiteral("1. Лист и полоса"));
    std::vector<int> firsts;
    for (int y = 2001; y <= 2052; ++y)
        if (firsts.empty() || firsts.back() != sheetFirstYear(y)) firsts.push_back(sheetFirstYear(y));
    page.paragraph(QStringLiteral("Лист охватывает четыре года подряд, по полосе на год; всего %1 листов, от GS%2 (%2–%3) "
                   "до GS%4 (%4–%5). Год Y лежит в полосе *b* листа, названного по его первому году *S*:")
                       .arg(firsts.size())
                       .arg(firsts.front())
                       .arg(firsts.front() + 3)
                       .arg(firsts.back())
                       .arg(firsts.back() + 3));
    page.formula(QStringLiteral("S = 2001 + 4 · ((Y − 2001) div 4),    b = Y − S"), QString(), false, 1.0);

    page.heading(QStringLiteral("2. Столбец и строка"));
    page.paragraph(QStringLiteral("В полосе *b* строки 3 + 11*b* … 9 + 11*b* — понедельник … воскресенье, строка "
                   "10 + 11*b* — номера недель. Столбец 1 — названия дней, столбец 2 — неделя (пн — вс) "
                   "с 1 января, дальше по неделе на столбец; дни соседних лет серые."));
    const QDate sample(2005, 3, 15);
    page.drawing(10.5 * page.u(), [&](QPainter& p, const QRectF& r) { drawBandExcerpt(p, r, 2005, 12, sample, page.u()); });
    const SheetPlace sp = sheetPlace(sample);
    page.caption(QStringLiteral("Начало полосы 2005 года. %1 (%2): лист GS%3, полоса %4, столбец %5, строка %6; "
                 "номер недели %7 — в строке %8.")
                     .arg(dotted(sample), weekdayName(sample))
                     .arg(sp.sheetYear)
                     .arg(sp.band)
                     .arg(sp.column)
                     .arg(sp.row)
                     .arg(sp.weekNumber)
                     .arg(sp.weekRow),
                 Qt::AlignLeft, 0.8);
    page.paragraph(QStringLiteral("Столбец 54 несёт номер 53, только если вся его неделя лежит внутри года; иначе он "
                   "повторяет первую неделю следующего года, и конец декабря ищут в столбце 2 "
                   "следующей полосы (после полосы 3 — на следующем листе)."));

    page.heading(QStringLiteral("3. Примеры"));
    PageTable ex;
    ex.headers = {QStringLiteral("Дата"), QStringLiteral("Лист"), QStringLiteral("Полоса"), QStringLiteral("Столбец"), QStringLiteral("Строка"), QStringLiteral("Неделя")};
    for (const QDate& d : {sample, QDate(2005, 12, 28), QDate(2006, 12, 31), QDate(2008, 12, 30), QDate(2012, 12, 31)}) {
        const SheetPlace p = sheetPlace(d);
        ex.rows.push_back({QStringLiteral("%1 %2").arg(dotted(d), weekdayShort(d.dayOfWeek())), QStringLiteral("GS%1").arg(p.sheetYear),
                           QStringLiteral("%1 (%2)").arg(p.band).arg(p.shownYear), QString::number(p.column), QString::number(p.row),
                           QString::number(p.weekNumber)});
    }
    ex.widths = {1.7, 1.1, 1.2, 0.95, 0.9, 0.9};
    ex.align = std::vector<Qt::Alignment>(6, Qt::AlignHCenter);
    ex.fontScale = 0.82;
    page.table(ex);

    page.heading(QStringLiteral("4. В программе"));
    page.bullets({QStringLiteral("«пнб» или щелчок по эмблеме главной страницы: лист с сегодняшним днём."),
                  QStringLiteral("Правый щелчок по листу → «датировать»: календарик с датами от 01.01.2001 до 31.12.2048."),
                  QStringLiteral("Щелчок по дню: программа выбирает лист и обводит день, его день недели и номер "
                  "недели; рамки мигают: белый → синий → красный.")},
                 true, 0.95, Qt::AlignLeft);
    page.footer(gregorianFooter(QStringLiteral("датировка")), zuvProjectFooter());
    page.save(ctx);
}

}  // namespace zuvgen
