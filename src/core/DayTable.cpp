#include "DayTable.h"

#include <algorithm>

namespace zuv {

namespace {

// The yugas 481 … 512 hold 31 × 1461 + 1460 days; yuga 513 starts right after.
constexpr int kDaysBeforeYuga513 = 31 * 1461 + 1460;

int yearOffsetOfDay(int day) { return std::min(4, (day - 1) / 364 + 1); }

void appendNumber(QByteArray& out, int value) { out += QByteArray::number(value); }

// Reads a whole unsigned decimal field [from, to) of a line; -1 when it is not one.
int parseField(const QString& line, int from, int to) {
    if (from >= to) return -1;
    int value = 0;
    for (int i = from; i < to; ++i) {
        const QChar c = line.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
        value = value * 10 + (c.unicode() - '0');
        if (value > 10'000'000) return -1;
    }
    return value;
}

}  // namespace

QDate dayTableFirstDate() { return QDate(1921, 3, 4); }
QDate dayTableLastDate() { return QDate(2053, 3, 2); }

QDate yugaStartDate(int yuga) {
    if (yuga == kLastYuga) return QDate(2049, 3, 3);
    return QDate(4 * yuga - 3, 3, 4);
}

int yugaDayCount(int yuga) { return yuga == 512 ? 1460 : 1461; }

QByteArray generateDayTableText() {
    QByteArray out;
    out.reserve(1'900'000);
    const QDate first = dayTableFirstDate();
    int lastRow = 0;
    for (int yuga = kFirstYuga; yuga <= kLastYuga; ++yuga) {
        const QDate start = yugaStartDate(yuga);
        const int dayCount = yugaDayCount(yuga);
        for (int day = 1; day <= kLinesPerYuga; ++day) {
            const int yearOffset = yearOffsetOfDay(day);
            const int weekday = (day - 1) % 7 + 1;
            if (day <= dayCount) {
                const int dayYear = day - 364 * (yearOffset - 1);
                const bool extra = dayYear > 364;
                const QDate date = start.addDays(day - 1);
                lastRow = int(first.daysTo(date)) + 1;
                appendNumber(out, lastRow);
                out += ',';
                out += date.toString(QStringLiteral("dd.MM.yyyy")).toLatin1();
                out += ',';
                appendNumber(out, extra ? 0 : (dayYear - 1) % 28 + 1);
                out += ',';
                appendNumber(out, weekday);
                out += ',';
                appendNumber(out, extra ? 0 : (dayYear - 1) / 28 + 1);
                out += ',';
                appendNumber(out, dayYear);
                out += ',';
                appendNumber(out, yearOffset);
                out += ',';
                appendNumber(out, day);
                out += ',';
                appendNumber(out, yuga);
            } else {
                appendNumber(out, lastRow + 1);
                out += ",null,0,";
                appendNumber(out, weekday);
                out += ",0,";
                appendNumber(out, dayCount - 1091);
                out += ",4,";
                appendNumber(out, day);
            }
            out += "\r\n";
        }
    }
    return out;
}

QStringList splitDayTableLines(const QByteArray& text) {
    QStringList lines;
    lines.reserve(kDayTableLines);
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = text.indexOf("\r\n", begin);
        if (end < 0) {  // a last line without terminator still counts as a line
            lines.append(QString::fromLatin1(text.constData() + begin, text.size() - begin));
            break;
        }
        lines.append(QString::fromLatin1(text.constData() + begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

std::optional<int> dayTablePosition(const QDate& date) {
    if (!date.isValid()) return std::nullopt;
    const qint64 offset = dayTableFirstDate().daysTo(date);
    if (offset < 0) return std::nullopt;
    int yuga = 0;
    int day = 0;
    if (offset < kDaysBeforeYuga513) {
        yuga = kFirstYuga + int(offset / 1461);
        day = int(offset % 1461) + 1;
    } else {
        const qint64 inLast = offset - kDaysBeforeYuga513;
        if (inLast >= yugaDayCount(kLastYuga)) return std::nullopt;
        yuga = kLastYuga;
        day = int(inLast) + 1;
    }
    return (yuga - kFirstYuga) * kLinesPerYuga + day - 1;
}

std::optional<DayTableEntry> lookupDay(const QStringList& lines, const QDate& date) {
    const std::optional<int> position = dayTablePosition(date);
    if (!position || *position >= lines.size()) return std::nullopt;
    const QString& line = lines.at(*position);

    // Field boundaries: a dated line has exactly nine fields.
    int commas[8];
    int found = 0;
    for (int i = 0; i < line.size(); ++i) {
        if (line.at(i) == QLatin1Char(',')) {
            if (found == 8) return std::nullopt;
            commas[found++] = i;
        }
    }
    if (found != 8) return std::nullopt;
    auto field = [&](int number) {  // fields numbered from 1
        const int from = number == 1 ? 0 : commas[number - 2] + 1;
        const int to = number == 9 ? int(line.size()) : commas[number - 1];
        return parseField(line, from, to);
    };

    // Field 2 must be this very date, written dd.mm.yyyy.
    const int dateFrom = commas[0] + 1;
    if (commas[1] - dateFrom != 10 || line.at(dateFrom + 2) != QLatin1Char('.') ||
        line.at(dateFrom + 5) != QLatin1Char('.'))
        return std::nullopt;
    const int dd = parseField(line, dateFrom, dateFrom + 2);
    const int mm = parseField(line, dateFrom + 3, dateFrom + 5);
    const int yyyy = parseField(line, dateFrom + 6, dateFrom + 10);
    if (dd != date.day() || mm != date.month() || yyyy != date.year()) return std::nullopt;

    DayTableEntry entry;
    entry.day = field(8);
    entry.dayYear = field(6);
    entry.yuga = field(9);
    entry.yearOffset = field(7);
    if (entry.day < 1 || entry.dayYear < 1 || entry.yuga < kFirstYuga || entry.yuga > kLastYuga ||
        entry.yearOffset < 1 || entry.yearOffset > 4)
        return std::nullopt;
    return entry;
}

}  // namespace zuv
