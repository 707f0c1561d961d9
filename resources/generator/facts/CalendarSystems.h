#pragma once
// The calendar systems of the program's icon grid, in grid order: 1 ZUV, 2 Gregorian, 3 VRKS,
// then the 22 systems that have an emblem and a line in the overview table.

#include <QString>

namespace zuvgen {

constexpr int kSystemCount = 25;  // as core/CalendarSystems.h lists them

// The adjective that names system n (1 … 25): "зувская", "григорианская" …
QString systemName(int n);

}  // namespace zuvgen
