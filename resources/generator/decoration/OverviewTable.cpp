// The overview table of the 25 calendar systems of the icon grid: number, emblem, name, kind
// of reckoning and a short note. The notes stay general; where a reading of an ancient object
// as a calendar is a scholar's interpretation, the table says so.

#include "decoration/Emblems.h"
#include "decoration/Pictures.h"
#include "kit/Draw.h"
#include "kit/Palette.h"
#include "kit/Typography.h"

#include <QFontMetricsF>

namespace zuvgen::deco {
namespace {

// The kind of reckoning and a short note, in grid order.
struct SystemRow {
    QString kind;
    QString note;
};

const SystemRow kSystems[kSystemCount] = {
    {QStringLiteral("сводная"), QStringLiteral("рамка проекта: сетка систем, разделы и описания")},
    {QStringLiteral("солнечный"), QStringLiteral("високосный год — 366 дней; реформа 1582 года")},
    {QStringLiteral("солнечный"), QStringLiteral("13 месяцев по 28 дней; юга — четыре года")},
    {QStringLiteral("солнечный"), QStringLiteral("високосным бывает каждый четвёртый год")},
    {QStringLiteral("звёздный"), QStringLiteral("круглый зодиак храма в Дендере, Египет")},
    {QStringLiteral("солнечный"), QStringLiteral("19 месяцев по 19 дней и вставные дни")},
    {QStringLiteral("лунный"), QStringLiteral("12 лунных месяцев, год около 354 дней")},
    {QStringLiteral("народный"), QStringLiteral("сезонные знаки в узорах Русского Севера")},
    {QStringLiteral("знаковый"), QStringLiteral("знаки Фестского диска, Крит; прочтение спорно")},
    {QStringLiteral("циклический"), QStringLiteral("двенадцатилетний цикл степных народов")},
    {QStringLiteral("лунно-солнечный"), QStringLiteral("небесный диск, найденный на горе Миттельберг")},
    {QStringLiteral("солнечный"), QStringLiteral("солнечные ориентиры кургана — толкование")},
    {QStringLiteral("лунный"), QStringLiteral("метки на кости палеолита; счёт лун — толкование")},
    {QStringLiteral("солнечный"), QStringLiteral("солярные знаки восточнославянских древностей")},
    {QStringLiteral("лунный"), QStringLiteral("спираль ямок на палеолитическом жезле — толкование")},
    {QStringLiteral("солнечный"), QStringLiteral("годовой круг скандинавской традиции, руна года")},
    {QStringLiteral("сезонный"), QStringLiteral("сезонный круг по скифским древностям Приднепровья")},
    {QStringLiteral("лунный"), QStringLiteral("насечки на кости Ишанго; счёт лун — толкование")},
    {QStringLiteral("лунно-солнечный"), QStringLiteral("календарь муисков, наскальные росписи Колумбии")},
    {QStringLiteral("лунно-солнечный"), QStringLiteral("календарь из Колиньи: лунные месяцы и вставки")},
    {QStringLiteral("сезонный"), QStringLiteral("годовой круг полевых работ: сев и жатва")},
    {QStringLiteral("солнечный"), QStringLiteral("каменные круги Британии и ось солнцестояния")},
    {QStringLiteral("солнечный"), QStringLiteral("12 месяцев по 30 дней и короткий тринадцатый")},
    {QStringLiteral("лунно-солнечный"), QStringLiteral("лунные месяцы и вставной месяц; клинопись")},
    {QStringLiteral("циклический"), QStringLiteral("древнеболгарский счёт лет по двенадцатилетию")},
};

}  // namespace

QImage drawOverviewTable(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const QColor paper = rgb(0xfbf9f4), navy = rgb(decopalette::navy), gold = rgb(decopalette::gold), ink = rgb(decopalette::ink);
    image.fill(paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const qreal margin = 24;
    p.setPen(QPen(navy, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(9, 9, width - 18, height - 18));

    textIn(p, QRectF(margin, 18, width - 2 * margin, 42), Qt::AlignCenter,
           QStringLiteral("КАЛЕНДАРНЫЕ СИСТЕМЫ ПРОЕКТА"), typeface(Face::SerifBold, 29), navy);
    textIn(p, QRectF(margin, 58, width - 2 * margin, 24), Qt::AlignCenter,
           QStringLiteral("двадцать пять систем сетки главного окна; у первых трёх есть свои листы"),
           typeface(Face::Sans, 15), rgb(decopalette::mutedInk));

    // Columns: number, emblem, name, kind, note.
    const qreal left = margin, right = width - margin;
    const qreal colNo = 42, colSign = 40, colName = 212, colKind = 150;
    const qreal xSign = left + colNo, xName = xSign + colSign, xKind = xName + colName, xNote = xKind + colKind;
    const qreal headTop = 92, headH = 32, rowH = 27;
    const qreal tableBottom = headTop + headH + kSystemCount * rowH;

    p.fillRect(QRectF(left, headTop, right - left, headH), navy);
    const QFont headFont = typeface(Face::SansBold, 15);
    const int pad = 8;
    textIn(p, QRectF(left, headTop, colNo, headH), Qt::AlignCenter, QStringLiteral("№"), headFont, Qt::white);
    textIn(p, QRectF(xSign, headTop, colSign, headH), Qt::AlignCenter, QStringLiteral("знак"),
           typeface(Face::SansBold, 12), Qt::white);
    textIn(p, QRectF(xName + pad, headTop, colName, headH), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("календарная система"), headFont, Qt::white);
    textIn(p, QRectF(xKind + pad, headTop, colKind, headH), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("счёт времени"), headFont, Qt::white);
    textIn(p, QRectF(xNote + pad, headTop, right - xNote, headH), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("характеристика"), headFont, Qt::white);

    const QFont rowFont = typeface(Face::Sans, 15);
    for (int i = 0; i < kSystemCount; ++i) {
        const SystemRow& s = kSystems[i];
        const qreal y = headTop + headH + i * rowH;
        if (i % 2 == 1) p.fillRect(QRectF(left, y, right - left, rowH), rgb(0xeef1f6));
        if (i < 3) p.fillRect(QRectF(left, y, 4, rowH), gold);
        textIn(p, QRectF(left, y, colNo, rowH), Qt::AlignCenter, QString::number(i + 1), typeface(Face::SansBold, 15), navy);
        paintEmblem(p, i + 1, QPointF(xSign + colSign / 2, y + rowH / 2), rowH / 2 - 1.5);
        const QString name = QStringLiteral("кс ") + systemName(i + 1);  // the hint of the system's icon
        textIn(p, QRectF(xName + pad, y, colName - pad, rowH), Qt::AlignLeft | Qt::AlignVCenter, name,
               i < 3 ? typeface(Face::SansBold, 15) : rowFont, ink);
        textIn(p, QRectF(xKind + pad, y, colKind - pad, rowH), Qt::AlignLeft | Qt::AlignVCenter,
               s.kind, rowFont, rgb(0x3d5a80));
        const QString& note = s.note;
        textIn(p, QRectF(xNote + pad, y, right - xNote - pad, rowH), Qt::AlignLeft | Qt::AlignVCenter, note,
               fittedFont(rowFont, note, right - xNote - 2 * pad, 15, 11), ink);
    }

    // Grid lines.
    p.setPen(QPen(rgb(0xb9c2d0), 1));
    for (int i = 1; i < kSystemCount; ++i) {
        const qreal y = headTop + headH + i * rowH + 0.5;
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
    for (qreal x : {xSign, xName, xKind, xNote}) p.drawLine(QPointF(x + 0.5, headTop + headH), QPointF(x + 0.5, tableBottom));
    p.setPen(QPen(navy, 1.5));
    p.drawRect(QRectF(left, headTop, right - left, tableBottom - headTop));

    textIn(p, QRectF(margin, tableBottom + 6, width - 2 * margin, height - tableBottom - 18),
           Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("«толкование» — прочтение древнего предмета как календаря предложено исследователями "
                          "и не общепринято"),
           typeface(Face::Sans, 12), rgb(0x6a6a6a));
    return image;
}

}  // namespace zuvgen::deco
