#pragma once
// The pictures of the decoration family, each drawn at its catalogue size.

#include <QImage>

namespace zuvgen::deco {

// KSIMG1 … KSIMG25: emblem `system` on a transparent ground.
QImage drawSystemIcon(int system, int width, int height);
// KSIMG0: the program's emblem on white.
QImage drawProgramIcon(int width, int height);
// ZUV: the project's emblem in flat colours, one for each system of the grid.
QImage drawZuvBitmap(int width, int height);

// The main pages of the three systems with screens of their own.
enum class MainPage { Zuv, Gregorian, Vrks };
QImage drawMainPage(MainPage page, int width, int height);
// The radius of the clickable emblem circle on a main page, in page pixels.
constexpr int kMainPageCircleRadius = 110;

// LEFTIMG: dark ground of the section menu; RIGHTIMG: ornament strip on its key colour.
QImage drawLeftPanel(int width, int height);
QImage drawRightStrip(int width, int height);

// MAINTABLE: the overview table of the 25 systems.
QImage drawOverviewTable(int width, int height);

}  // namespace zuvgen::deco
