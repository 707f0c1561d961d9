// The main pages of the ZUV, Gregorian and VRKS systems: the title, the system's emblem in a
// circle at the exact centre of the page (on the Gregorian and VRKS pages a click inside it
// opens the dated screen), the sections of the system around it and a key to the corner menus.

#include "decoration/Emblems.h"
#include "decoration/Pictures.h"
#include "kit/Draw.h"
#include "kit/Palette.h"
#include "kit/Typography.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QStringList>
#include <array>

namespace zuvgen::deco {
namespace {

struct Card {
    QString abbreviation;
    QString name;
    QString body;
};

struct PageText {
    int emblem;
    QColor accent, background, circleTint;
    QString title, subtitle;
    QStringList aboveCircle, belowCircle;
    std::array<Card, 6> cards;  // three on the left, three on the right, top to bottom
    std::array<QString, 4> key; // top-left, top-right, bottom-left, bottom-right corner
};

const QString kTopLeftKey = QStringLiteral("список календарных систем (щелчок или правая кнопка)");
const QString kTopRightKey = QStringLiteral("меню окна: развернуть, свернуть, закрыть программу");
// The two systems with dated sheets say the same under their circle and in their section key.
const QStringList kOpenSheetLines = {QStringLiteral("щёлкните по кругу, чтобы открыть"),
                                     QStringLiteral("датированный лист")};
const QString kSectionMenuKey = QStringLiteral("меню разделов системы: пнб, спд, дкс, хкс, ткс");

PageText gregorianText() {
    PageText t;
    t.emblem = 2;
    t.accent = rgb(decopalette::crimson);
    t.background = rgb(0xfaf6ee);
    t.circleTint = rgb(0xf1e2d6);
    t.title = QStringLiteral("ГРИГОРИАНСКАЯ КАЛЕНДАРНАЯ СИСТЕМА");
    t.subtitle = QStringLiteral("кс григорианская · главная страница раздела");
    t.aboveCircle = {QStringLiteral("солнечный календарь: 365 дней,"), QStringLiteral("в високосный год 366")};
    t.belowCircle = kOpenSheetLines;
    t.cards = {{
        {QStringLiteral("ПНБ"), QStringLiteral("прошлое, настоящее, будущее"),
         QStringLiteral("Четырёхлетние листы 2001\u00a0–\u00a02052 годов; выбранный день, его день недели и неделя обведены рамкой.")},
        {QStringLiteral("СПД"), QStringLiteral("стандарт представления дат"),
         QStringLiteral("Запись дд.мм.гггг и по ISO 8601, нумерация дней недели и недель года.")},
        {QStringLiteral("ДКС"), QStringLiteral("датировка"),
         QStringLiteral("Как найти день на четырёхлетнем листе: год, месяц, неделя, день недели.")},
        {QStringLiteral("ХКС"), QStringLiteral("хронология"),
         QStringLiteral("Реформа 1582 года и переход стран с юлианского календаря на григорианский.")},
        {QStringLiteral("ТКС"), QStringLiteral("формат лилианский"),
         QStringLiteral("Юлианский и лилианский номера дня: формулы и таблица примеров.")},
        {QStringLiteral("анонс"), QStringLiteral("краткое описание"),
         QStringLiteral("Правила системы на одной странице: месяцы, недели, високосные годы.")},
    }};
    t.key = {kTopLeftKey, kTopRightKey, kSectionMenuKey,
             QStringLiteral("анонс: краткое описание григорианской системы")};
    return t;
}

PageText vrksText() {
    PageText t;
    t.emblem = 3;
    t.accent = rgb(decopalette::green);
    t.background = rgb(0xf3f7f2);
    t.circleTint = rgb(0xdcebe1);
    t.title = QStringLiteral("ВАРИЙСКАЯ КАЛЕНДАРНАЯ СИСТЕМА");
    t.subtitle = QStringLiteral("кс варийская · главная страница раздела");
    t.aboveCircle = {QStringLiteral("год — 13 месяцев по 28 дней,"), QStringLiteral("юга — четыре года")};
    t.belowCircle = kOpenSheetLines;
    t.cards = {{
        {QStringLiteral("ПНБ"), QStringLiteral("прошлое, настоящее, будущее"),
         QStringLiteral("Таблица дней юги с отмеченным днём; щелчок по листу ведёт к календарной таблице и к годовому листу.")},
        {QStringLiteral("СПД"), QStringLiteral("стандарт представления дат"),
         QStringLiteral("Формат годовой и формат юговый: день года и день юги с примерами.")},
        {QStringLiteral("ДКС"), QStringLiteral("датировка"),
         QStringLiteral("Как найти на листах юги день, заданный григорианской датой.")},
        {QStringLiteral("ХКС"), QStringLiteral("хронология"),
         QStringLiteral("Юги 481\u00a0–\u00a0513 начиная с 04.03.1921: начало и конец каждой в григорианских датах.")},
        {QStringLiteral("ТКС"), QStringLiteral("форматы системы"),
         QStringLiteral("Галактический: год и юга рядом с тропическим годом. Пасхальный: даты Пасхи.")},
        {QStringLiteral("анонс"), QStringLiteral("краткое описание"),
         QStringLiteral("Месяцы, недели и дополнительные дни в конце четвёртого года юги.")},
    }};
    t.key = {kTopLeftKey, kTopRightKey,
             kSectionMenuKey,
             QStringLiteral("анонс: краткое описание варийской системы")};
    return t;
}

PageText zuvText() {
    PageText t;
    t.emblem = 1;
    t.accent = rgb(decopalette::navy);
    t.background = rgb(0xf4f6fa);
    t.circleTint = rgb(0xe1e8f2);
    t.title = QStringLiteral("ЗУВСКАЯ КАЛЕНДАРНАЯ СИСТЕМА");
    t.subtitle = QStringLiteral("кс зувская · главная страница раздела");
    t.aboveCircle = {QStringLiteral("двадцать пять календарных систем"), QStringLiteral("в одной сетке")};
    t.belowCircle = {QStringLiteral("эмблема зувской системы;"), QStringLiteral("датированных листов у неё нет")};
    t.cards = {{
        {QStringLiteral("ГКС"), QStringLiteral("кс григорианская"),
         QStringLiteral("Общепринятый солнечный календарь: листы 2001\u00a0–\u00a02052, стандарт дат, датировка, хронология.")},
        {QStringLiteral("ВРКС"), QStringLiteral("кс варийская"),
         QStringLiteral("Год из 13 месяцев по 28 дней, юги по четыре года; таблицы дней с 1921 по 2053 год.")},
        {QStringLiteral("25"), QStringLiteral("сетка систем"),
         QStringLiteral("Главное окно программы: значки 25 календарных систем, от зувской до болгарской.")},
        {QStringLiteral("меню"), QStringLiteral("левая панель"),
         QStringLiteral("Главная, календарология, календария, календарь, контакт, контроль, комментарии.")},
        {QStringLiteral("анонс"), QStringLiteral("краткое описание"),
         QStringLiteral("Краткое описание зувской системы открывается из правого нижнего угла рамки.")},
        {QStringLiteral("патент"), QStringLiteral("раздел «контроль»"),
         QStringLiteral("Титульный лист защиты проекта; раздел открывается из левой панели.")},
    }};
    t.key = {kTopLeftKey, kTopRightKey,
             QStringLiteral("меню разделов открывается у систем ГКС и ВРКС"),
             QStringLiteral("анонс: краткое описание зувской системы")};
    return t;
}

// The line of a list that needs the most room (the fonts of a group are fitted to it).
QString longest(const QStringList& lines) {
    QString result;
    const QFontMetricsF fm(typeface(Face::SansBold, 16));
    for (const QString& line : lines)
        if (fm.horizontalAdvance(line) > fm.horizontalAdvance(result)) result = line;
    return result;
}

// A small picture of the window frame with one corner picture filled in.
void cornerDiagram(QPainter& p, const QRectF& box, int corner, const QColor& accent) {
    const qreal band = box.height() * 0.26;
    p.save();
    p.setPen(QPen(rgb(0x555555), 1.4));
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.drawLine(QPointF(box.left(), box.top() + band), QPointF(box.right(), box.top() + band));
    p.drawLine(QPointF(box.left(), box.bottom() - band), QPointF(box.right(), box.bottom() - band));
    const qreal s = band - 3;
    const bool right = corner % 2 == 1, bottom = corner >= 2;
    const QRectF mark(right ? box.right() - s - 2 : box.left() + 2, bottom ? box.bottom() - s - 1.5 : box.top() + 1.5, s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRect(mark);
    p.restore();
}

void drawCard(QPainter& p, const QRectF& box, const Card& card, const PageText& t) {
    p.save();
    p.setPen(QPen(withAlpha(t.accent, 110), 1.3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(t.accent);
    p.drawRoundedRect(QRectF(box.left(), box.top(), 7, box.height()), 3, 3);
    p.restore();

    const QFont abbrFont = typeface(Face::SerifBold, 26);
    const qreal abbrWidth = QFontMetricsF(abbrFont).horizontalAdvance(card.abbreviation);
    const QRectF head(box.left() + 22, box.top() + 10, box.width() - 36, 36);
    textIn(p, head, Qt::AlignLeft | Qt::AlignVCenter, card.abbreviation, abbrFont, t.accent);
    const qreal nameLeft = head.left() + abbrWidth + 14;
    const QFont nameFont = fittedFont(typeface(Face::SansBold, 18), card.name, head.right() - nameLeft, 18, 13);
    textIn(p, QRectF(nameLeft, head.top() + 2, head.right() - nameLeft, head.height()),
           Qt::AlignLeft | Qt::AlignVCenter, card.name, nameFont, rgb(decopalette::ink));
    textIn(p, QRectF(box.left() + 22, box.top() + 50, box.width() - 38, box.height() - 56),
           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, card.body, typeface(Face::Sans, 16), rgb(decopalette::bodyInk));
}

QImage drawPage(const PageText& t, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(t.background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // Double frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(t.accent, 3));
    p.drawRect(QRectF(14.5, 14.5, width - 29, height - 29));
    p.setPen(QPen(withAlpha(t.accent, 150), 1));
    p.drawRect(QRectF(22.5, 22.5, width - 45, height - 45));

    // Title and subtitle, with a rule under them.
    const qreal cx = width / 2.0, cy = height / 2.0;
    textIn(p, QRectF(40, 44, width - 80, 56), Qt::AlignCenter, t.title, typeface(Face::SerifBold, 40), t.accent);
    textIn(p, QRectF(40, 102, width - 80, 30), Qt::AlignCenter, t.subtitle, typeface(Face::Sans, 19), rgb(decopalette::mutedInk));
    p.setPen(QPen(withAlpha(t.accent, 160), 1.2));
    p.drawLine(QPointF(cx - 230, 152), QPointF(cx - 14, 152));
    p.drawLine(QPointF(cx + 14, 152), QPointF(cx + 230, 152));
    p.setPen(Qt::NoPen);
    p.setBrush(t.accent);
    p.drawPath(rhombusPath(QPointF(cx, 152), 7, 7));

    // Section cards, three on each side of the circle, joined to it by thin lines.
    const qreal cardW = 406, cardH = 118, gap = 22;
    const qreal top = cy - (3 * cardH + 2 * gap) / 2;
    const qreal r = kMainPageCircleRadius;
    for (int i = 0; i < 6; ++i) {
        const bool right = i >= 3;
        const QRectF box(right ? width - 64 - cardW : 64, top + (i % 3) * (cardH + gap), cardW, cardH);
        const QPointF from(right ? box.left() : box.right(), box.center().y());
        const QPointF dir = from - QPointF(cx, cy);
        const qreal len = std::hypot(dir.x(), dir.y());
        const QPointF to = QPointF(cx, cy) + dir * ((r + 20) / len);
        p.setPen(QPen(withAlpha(t.accent, 120), 1.2));
        p.drawLine(from, to);
        disc(p, to, 3, t.accent);
        drawCard(p, box, t.cards[i], t);
    }

    // The emblem circle: tinted ground, the emblem, a ring on the clickable boundary and a
    // dashed halo just outside it.
    const QPointF c(cx, cy);
    disc(p, c, r, t.circleTint);
    paintEmblem(p, t.emblem, c, r - 12);
    circle(p, c, r - 3, t.accent, 6);
    p.save();
    p.setPen(QPen(withAlpha(t.accent, 130), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r + 20, r + 20);
    p.restore();

    // The texts above and below the circle fit the gap between the two card columns.
    const qreal gapW = width - 2 * (64 + cardW) - 24;
    const QFont aboveFont = fittedFont(typeface(Face::Sans, 17), longest(t.aboveCircle), gapW, 17, 12);
    const QFont belowFont = fittedFont(typeface(Face::SansBold, 17), longest(t.belowCircle), gapW, 17, 12);
    for (int i = 0; i < t.aboveCircle.size(); ++i)
        textIn(p, QRectF(cx - gapW / 2, cy - r - 80 + i * 24, gapW, 24), Qt::AlignCenter, t.aboveCircle[i],
               aboveFont, rgb(decopalette::bodyInk));
    for (int i = 0; i < t.belowCircle.size(); ++i)
        textIn(p, QRectF(cx - gapW / 2, cy + r + 32 + i * 24, gapW, 24), Qt::AlignCenter, t.belowCircle[i],
               belowFont, t.accent);

    // Key to the corner pictures of the window's frame.
    const qreal keyTop = height - 200;
    p.setPen(QPen(withAlpha(t.accent, 150), 1));
    p.drawLine(QPointF(64, keyTop), QPointF(width - 64, keyTop));
    textIn(p, QRectF(64, keyTop + 10, 600, 30), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Угловые картинки рамки окна"), typeface(Face::SerifBold, 20), t.accent);
    const std::array<QString, 4> corners = {QStringLiteral("вверху слева"), QStringLiteral("вверху справа"),
                                            QStringLiteral("внизу слева"), QStringLiteral("внизу справа")};
    const qreal colW = (width - 128 - 40) / 2.0;
    const QStringList keyLines(t.key.begin(), t.key.end());
    const QFont keyFont = fittedFont(typeface(Face::Sans, 16), longest(keyLines), colW - 72, 16, 12);
    for (int k = 0; k < 4; ++k) {
        const qreal x = 64 + (k % 2) * (colW + 40);
        const qreal y = keyTop + 52 + (k / 2) * 64;
        cornerDiagram(p, QRectF(x, y + 4, 56, 40), k, t.accent);
        textIn(p, QRectF(x + 72, y, colW - 72, 22), Qt::AlignLeft | Qt::AlignVCenter, corners[k],
               typeface(Face::SansBold, 17), rgb(decopalette::ink));
        textIn(p, QRectF(x + 72, y + 22, colW - 72, 26), Qt::AlignLeft | Qt::AlignVCenter, t.key[k],
               keyFont, rgb(decopalette::bodyInk));
    }
    return image;
}

}  // namespace

QImage drawMainPage(MainPage page, int width, int height) {
    switch (page) {
    case MainPage::Zuv: return drawPage(zuvText(), width, height);
    case MainPage::Gregorian: return drawPage(gregorianText(), width, height);
    case MainPage::Vrks: return drawPage(vrksText(), width, height);
    }
    return {};
}

}  // namespace zuvgen::deco
