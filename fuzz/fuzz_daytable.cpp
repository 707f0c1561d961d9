// Fuzzes the day-table lookup: arbitrary text as the table, arbitrary dates, and arbitrary
// damage to the real table. The lookup must never read past a line or return a filler.
#include "core/DayTable.h"

#include <cstdint>
#include <cstring>

namespace {
const QStringList& realLines() {
    static const QStringList lines = zuv::splitDayTableLines(zuv::generateDayTableText());
    return lines;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    int32_t dayOffset;
    std::memcpy(&dayOffset, data, 4);
    const QDate date = QDate(1921, 3, 4).addDays(dayOffset % 60000);
    const QByteArray rest(reinterpret_cast<const char*>(data + 4), int(size - 4));

    // 1. The input itself as a table.
    const QStringList lines = zuv::splitDayTableLines(rest);
    if (const auto e = zuv::lookupDay(lines, date)) {
        if (e->yuga < 481 || e->yuga > 513 || e->yearOffset < 1 || e->yearOffset > 4) __builtin_trap();
    }

    // 2. The real table with the input pasted over the line the date lands on.
    QStringList damaged = realLines();
    if (const auto position = zuv::dayTablePosition(date); position && *position < damaged.size())
        damaged[*position] = QString::fromLatin1(rest.left(64));
    (void)zuv::lookupDay(damaged, date);
    return 0;
}
