#pragma once
// The 25 calendar systems of the program, in the order of the grid and of the menus
// (1 ЗУВ, 2 Gregorian, 3 VRKS, …), as their menu items and hints name them.

namespace zuv {

constexpr int kCalendarSystemCount = 25;

inline const char* const kCalendarSystemNames[kCalendarSystemCount] = {
    "кс зувская", "кс григорианская", "кс варийская", "кс юлианская", "кс дендерская",
    "кс бахайская", "кс арабская", "кс каргопольская", "кс фестская", "кс тэнгрианская",
    "кс миттельбергская", "кс сторожевская", "кс ориньякская", "кс радимичская", "кс ачинская",
    "кс инглингская", "кс никопольская", "кс африканская", "кс сутатусская", "кс друидская",
    "кс серпоновская", "кс мерлинская", "кс маскальская", "кс шумерская", "кс болгарская"};

}  // namespace zuv
