// The overview table of the 25 calendar systems of the icon grid: number, emblem, name, kind
// of reckoning and a short note. The notes stay general; where a reading of an ancient object
// as a calendar is a scholar's interpretation, the table says so.

#include "kit/Draw.h"
#include "kit/Palette.h"
#include "kit/Typography.h"
#include "decoration/Emblems.h"
#include "decoration/Pictures.h"

#include <QFontMetricsF>

namespace zuvgen::deco {
namespace {

struct SystemRow {
    const char* name;  // the hint of the system's icon
    const char* kind;
    const char* note;
};

const SystemRow kSystems[kSystemCount] = {
    {"кс зувская", "сводная", "рамка проекта: сетка систем, разделы и описания"},
    {"кс григорианская", "солнечный", "високосный год — 366 дней; реформа 1582 года"},
    {"кс варийская", "солнечный", "13 месяцев по 28 дней; юга — четыре года"},
    {"кс юлианская", "солнечный", "високосным бывает каждый четвёртый год"},
    {"кс дендерская", "звёздный", "круглый зодиак храма в Дендере, Египет"},
    {"кс бахайская", "солнечный", "19 месяцев по 19 дней и вставные дни"},
    {"кс арабская", "лунный", "12 лунных месяцев, год около 354 дней"},
    {"кс каргопольская", "народный", "сезонные знаки в узорах Русского Севера"},
    {"кс фестская", "знаковый", "знаки Фестского диска, Крит; прочтение спорно"},
    {"кс тэнгрианская", "циклический", "двенадцатилетний цикл степных народов"},
    {"кс миттельбергская", "лунно-солнечный", "небесный диск, найденный на горе Миттельберг"},
    {"кс сторожевская", "солнечный", "солнечные ориентиры кургана — толкование"},
    {"кс ориньякская", "лунный", "метки на кости палеолита; счёт лун — толкование"},
    {"кс радимичская", "солнечный", "солярные знаки восточнославянских древностей"},
    {"кс ачинская", "лунный", "спираль ямок на палеолитическом жезле — толкование"},
    {"кс инглингская", "солнечный", "годовой круг скандинавской традиции, руна года"},
    {"кс никопольская", "сезонный", "сезонный круг по скифским древностям Приднепровья"},
    {"кс африканская", "лунный", "насечки на кости Ишанго; счёт лун — толкование"},
    {"кс сутатусская", "лунно-солнечный", "календарь муисков, наскальные росписи Колумбии"},
    {"кс друидская", "лунно-солнечный", "календарь из Колиньи: лунные месяцы и вставки"},
    {"кс серпоновская", "сезонный", "годовой круг полевых работ: сев и жатва"},
    {"кс мерлинская", "солнечный", "каменные круги Британии и ось солнцестояния"},
    {"кс маскальская", "солнечный", "12 месяцев по 30 дней и короткий тринадцатый"},
    {"кс шумерская", "лунно-солнечный", "лунные месяцы и вставной месяц; клинопись"},
    {"кс болгарская", "циклический", "древнеболгарский счёт лет по двенадцатилетию"},
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
        const QString name = QString::fromUtf8(s.name);
        textIn(p, QRectF(xName + pad, y, colName - pad, rowH), Qt::AlignLeft | Qt::AlignVCenter, name,
               i < 3 ? typeface(Face::SansBold, 15) : rowFont, ink);
        textIn(p, QRectF(xKind + pad, y, colKind - pad, rowH), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8(s.kind), rowFont, rgb(0x3d5a80));
        const QString note = QString::fromUtf8(s.note);
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
