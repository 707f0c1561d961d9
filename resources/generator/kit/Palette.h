#pragma once
// The generator's colours in one place: the page palette of the section and description pages,
// the palette of the dated sheets, the key colours the decoration pictures share, and the two
// helpers that write colours as 0xRRGGBB. An emblem's own motif colours stay with its drawing.

#include <QColor>
#include <QRgb>

namespace zuvgen {

// Colours as 0xRRGGBB.
inline QColor rgb(unsigned v) { return QColor((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff); }
// The same colour with an alpha of a (0 … 255).
inline QColor withAlpha(QColor c, int a) {
    c.setAlpha(a);
    return c;
}

// The restrained colours every page shares.
struct PagePalette {
    QColor paper{0xFF, 0xFF, 0xFF};       // page background (unless transparent)
    QColor ink{0x1E, 0x22, 0x28};         // body text
    QColor muted{0x5C, 0x64, 0x70};       // captions, footers, secondary text
    QColor accent{0x1C, 0x4A, 0x7E};      // titles, headings, rules (deep blue)
    QColor accent2{0x8E, 0x2C, 0x24};     // emphasis, highlights (brick red)
    QColor rule{0xB9, 0xC0, 0xC9};        // thin grid lines
    QColor headerFill{0xDF, 0xE7, 0xF1};  // table headers
    QColor zebra{0xF3, 0xF6, 0xF9};       // every other table row
    QColor noteFill{0xF6, 0xF1, 0xE4};    // notes and boxes (warm paper)
    QColor noteBorder{0xC9, 0xB2, 0x7C};
    QColor highlightFill{0xFB, 0xE9, 0xD0};  // highlighted table rows / cells
    // The program's screens as the pages picture them.
    QColor markBlue{0x1F, 0x5F, 0xD0};    // the day mark, second colour
    QColor markRed{0xD0, 0x22, 0x22};     // the day mark, third colour
    QColor markGround{0x9A, 0xA3, 0xAF};  // the cell under the mark in the guide
    QColor neighbourDay{0xA9, 0xAF, 0xB8};  // a day of the neighbouring year on a sheet excerpt
    QColor menuGround{0x2B, 0x33, 0x40};  // the section menu in the window plan
};
const PagePalette& pagePalette();

// The palette of the dated sheets.
namespace sheetpalette {
constexpr QRgb paper = 0xFFFFFFFF;
constexpr QRgb ink = 0xFF1F2328;          // day numbers, labels
constexpr QRgb title = 0xFF22344A;        // titles and captions (dark slate)
constexpr QRgb muted = 0xFF5B6673;        // week numbers, notes
constexpr QRgb holiday = 0xFFB3261E;      // Saturdays and Sundays
constexpr QRgb greyInk = 0xFFA9AFB6;      // days of a neighbouring year
constexpr QRgb greyPaper = 0xFFF3F3F3;
constexpr QRgb tint = 0xFFEFF3F8;         // every other month / group
constexpr QRgb header = 0xFFDCE4EE;       // header and footer rows
constexpr QRgb gridLine = 0xFF98A2AE;     // thin cell borders
constexpr QRgb frameLine = 0xFF3E4C5C;    // table outlines and group separators
constexpr QRgb monthLine = 0xFF5F6B79;    // boundaries between months inside a table
constexpr QRgb extraPaper = 0xFFF8EBCF;   // extra days of a yuga
constexpr QRgb extraInk = 0xFF6E4A0E;
constexpr QRgb highlight = 0xFFE3EFD9;    // the sheet's own yuga in the block
constexpr QRgb hatch = 0xFFC3C9D0;        // fillers
}  // namespace sheetpalette

// The key colours of the decoration pictures (icons, main pages, frame, overview table), as
// 0xRRGGBB for rgb().
namespace decopalette {
constexpr unsigned navy = 0x1d3557;       // the project (ZUV)
constexpr unsigned gold = 0xb8892f;       // the project's gold
constexpr unsigned crimson = 0x9b2226;    // the Gregorian system
constexpr unsigned green = 0x2d6a4f;      // the VRKS
constexpr unsigned ink = 0x2b2b2b;        // names and headings
constexpr unsigned bodyInk = 0x4a4a4a;    // running text
constexpr unsigned mutedInk = 0x5a5a5a;   // subtitles
}  // namespace decopalette

}  // namespace zuvgen
