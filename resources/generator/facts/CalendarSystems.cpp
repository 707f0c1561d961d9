// The names of the 25 calendar systems, from the program's one list of them.

#include "facts/CalendarSystems.h"

#include "core/CalendarSystems.h"

namespace zuvgen {

QString systemName(int n) {
    // The window's list names them "кс зувская" …; the pictures use the adjective alone.
    return QString::fromUtf8(zuv::kCalendarSystemNames[n - 1]).mid(3);
}

}  // namespace zuvgen
