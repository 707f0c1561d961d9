// The table of the main window's screens and the markers' date ranges.

#include "ScreenTable.h"

#include <algorithm>

namespace zuv {

namespace {
const char kGks[] = "ГРИГОРИАНСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА";
const char kVrks[] = "ВАРИЙСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА";
const char kZuv[] = "ЗУВСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА";
const char kPastPresentFuture[] = "ПРОШЛОЕ   НАСТОЯЩЕЕ   БУДУЩЕЕ";
const char kShortDescription[] = "КРАТКОЕ   ОПИСАНИЕ   СИСТЕМЫ";
const char kDateStandard[] = "СТАНДАРТ   ПРЕДСТАВЛЕНИЯ   ДАТ";
const char kChronology[] = "ХРОНОЛОГИЯ   КАЛЕНДАРНОЙ   СИСТЕМЫ";
const char kDating[] = "ДАТИРОВКА   КАЛЕНДАРНОЙ   СИСТЕМЫ";
const char kMainPage[] = "ГЛАВНОЕ   ОКНО   РАЗДЕЛА";
const char kControlWindow[] = "ОКНО  РАЗДЕЛА  КОНТРОЛЬ";  // two spaces, as the design writes it
}  // namespace

DateRange markerRange(Marker marker) {
    switch (marker) {
    case Marker::GregorianSheets: return {QDate(2001, 1, 1), QDate(2048, 12, 31)};
    case Marker::VrksYearSheets:
    case Marker::VrksDayTable:
    case Marker::VrksCalendarTable: return {QDate(1921, 3, 4), QDate(2049, 3, 2)};  // the last day of yuga 512
    case Marker::None: break;
    }
    return {};
}

const std::vector<ScreenRow>& screenRows() {
    using M = ScreenMode;
    using S = RowSetup;
    constexpr CalendarSystem gks = CalendarSystem::Gregorian, vrks = CalendarSystem::Vrks, zuv = CalendarSystem::Zuv;
    // The program's own screens offer neither the systems nor a section; the control section
    // has no section and no announcement; the ZUV system has no section of its own.
    constexpr CornerMenus programMenus{false, true, false, true};
    constexpr CornerMenus controlMenus{true, true, false, false};
    constexpr CornerMenus zuvMenus{true, true, false, true};
    static const std::vector<ScreenRow> rows = {
        row('A', M::MainPage).first(S::FitTheSheet).insetBy(Inset::BesideStrip),
        row('B', M::ProgramMain).first(S::Grid).titles("КАЛЕНДАРНЫЙ   ПРОЕКТ   ОРИВАНТ", "ГЛАВНОЕ   ОКНО   ПРОГРАММЫ")
            .loadsTheGrid().corners("KSimg0").insetBy(Inset::Always).opensMenus(programMenus),
        row('C', M::Control).first(S::ControlMenu).titles("МЕНЮ  РАЗДЕЛА  КОНТРОЛЬ", kControlWindow)
            .loadsTheGrid().corners("KSimg0").insetBy(Inset::Always).opensMenus(controlMenus),
        row('D', M::Control).onPage(ControlPage::Patent).first(S::PatentPage).titles("ПАТЕНТ", kControlWindow)
            .shows("Patent").corners("KSimg0").insetBy(Inset::Always).opensMenus(controlMenus),
        row('E', M::MainPage).of(zuv).first(S::ClearFirst).titles(kZuv, kMainPage).lowerTitleSetFirst()
            .shows("MainZUV").corners("KSimg1").opensMenus(zuvMenus),
        row('F', M::MainPage).of(gks).first(S::ClearFirst).titles(kGks, kMainPage).lowerTitleSetFirst()
            .shows("MainGKS").corners("KSimg2"),
        row('G', M::MainPage).of(vrks).first(S::ClearFirst).titles(kVrks, kMainPage).lowerTitleSetFirst()
            .shows("MainVRKS").corners("KSimg3"),
        row('H', M::JulianLilian).of(gks).hidesSide().titles(kGks, "ФОРМАТ   СИСТЕМЫ   ЮЛИАНО-ЛИЛИАНСКИЙ")
            .shows("GKS_SPD_YULI").corners("KSimg2"),
        row('I', M::GregorianStandard).of(gks).hidesSide().titles(kGks, kDateStandard).shows("GKS_SPD2").corners("KSimg2"),
        row('J', M::Chronology).of(gks).hidesSide().titles(kGks, kChronology).shows("GRKS_HKS").corners("KSimg2"),
        // The Gregorian dating page is a tall sheet: enlarged three times, elsewhere twice.
        row('K', M::Dating).of(gks).hidesSide().titles(kGks, kDating).shows("GRKS_DKS").corners("KSimg2").zoomedBy(3),
        row('L', M::DatedSheet).of(gks).hidesSide().titles(kGks, kPastPresentFuture).marks(Marker::GregorianSheets)
            .cornersOnceMarked().corners("KSimg2"),
        row('M', M::DateStandard).of(vrks).hidesSide().titles(kVrks, kDateStandard).shows("VRKS_SPD").corners("KSimg3"),
        row('N', M::YugaStandard).of(vrks).hidesSide().titles(kVrks, kDateStandard).shows("VRKS_SPD_YUG").corners("KSimg3"),
        row('O', M::Dating).of(vrks).hidesSide().titles(kVrks, kDating).shows("VRKS_DKS").corners("KSimg3"),
        row('P', M::Astronomical).of(vrks).hidesSide().titles(kVrks, "АСТРОНОМИЧЕСКИЙ   ФОРМАТ   СИСТЕМЫ")
            .shows("VRKS_TFS_ASTRO").corners("KSimg3"),
        row('Q', M::Paschal).of(vrks).hidesSide().titles(kVrks, "ПАСХАЛЬНЫЙ   ФОРМАТ   СИСТЕМЫ")
            .shows("VRKS_TFS_PAS").corners("KSimg3"),
        row('R', M::DatedSheet).of(vrks).hidesSide().titles(kVrks, kPastPresentFuture).marks(Marker::VrksYearSheets)
            .corners("KSimg3"),
        row('S', M::VrksCalendarTable).of(vrks).hidesSide().titles(kVrks, kPastPresentFuture)
            .marks(Marker::VrksCalendarTable).corners("KSimg3"),
        row('T', M::VrksDayTable).of(vrks).hidesSide().titles(kVrks, kPastPresentFuture).marks(Marker::VrksDayTable)
            .corners("KSimg3"),
        row('U', M::Chronology).of(vrks).hidesSide().titles(kVrks, kChronology).shows("VRKS_HKS").corners("KSimg3"),
        row('V', M::Description).of(zuv).titles(kZuv, kShortDescription).shows("ANONS_ZUV").corners("KSimg1")
            .opensMenus(zuvMenus),
        row('W', M::Description).of(gks).titles(kGks, kShortDescription).shows("ANONS_GRKS").corners("KSimg2"),
        row('X', M::Description).of(vrks).titles(kVrks, kShortDescription).shows("ANONS_VRKS").corners("KSimg3"),
        row('Y', M::Interface).first(S::ContentPanel).titles("ИНТЕРФЕЙС   КОМПЬЮТЕРНОЙ   ПРОГРАММЫ", kShortDescription)
            .shows("ANONS_GOP").corners("KSimg0").opensMenus(programMenus),
    };
    return rows;
}

bool rowApplies(const ScreenRow& row, const Screen& screen) {
    return row.mode == screen.mode && (!row.system || *row.system == screen.system) && (!row.page || *row.page == screen.page);
}

ScreenRules rulesOf(const Screen& screen) {
    ScreenRules rules;
    for (const ScreenRow& row : screenRows()) {
        if (!rowApplies(row, screen)) continue;
        rules.inset = std::max(rules.inset, row.inset);
        rules.zoom = std::max(rules.zoom, row.zoom);
        rules.menus.systems &= row.menus.systems;
        rules.menus.window &= row.menus.window;
        rules.menus.section &= row.menus.section;
        rules.menus.announce &= row.menus.announce;
        if (row.marker != Marker::None) rules.marker = row.marker;
    }
    return rules;
}

}  // namespace zuv
