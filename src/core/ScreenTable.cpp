// The table of the main window's screens and the markers' date ranges.

#include "ScreenTable.h"

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
    using namespace screen;
    using S = RowSetup;
    using M = Marker;
    const int any = kAnySystem, anyP = kAnyPatent;
    static const std::vector<ScreenRow> rows = {
        {'A', MainPage, any, anyP, S::FitTheSheet, false, nullptr, nullptr, false, false, nullptr, M::None, false, nullptr},
        {'B', ProgramMain, any, anyP, S::Grid, false, "КАЛЕНДАРНЫЙ   ПРОЕКТ   ОРИВАНТ", "ГЛАВНОЕ   ОКНО   ПРОГРАММЫ", false, true, nullptr, M::None, false, "KSimg0"},
        {'C', Control, any, anyP, S::ControlMenu, false, "МЕНЮ  РАЗДЕЛА  КОНТРОЛЬ", kControlWindow, false, true, nullptr, M::None, false, "KSimg0"},
        {'D', Control, any, patent::Page, S::PatentPage, false, "ПАТЕНТ", kControlWindow, false, false, "Patent", M::None, false, "KSimg0"},
        {'E', MainPage, ks::Zuv, anyP, S::ClearFirst, false, kZuv, kMainPage, true, false, "MainZUV", M::None, false, "KSimg1"},
        {'F', MainPage, ks::Gregorian, anyP, S::ClearFirst, false, kGks, kMainPage, true, false, "MainGKS", M::None, false, "KSimg2"},
        {'G', MainPage, ks::Vrks, anyP, S::ClearFirst, false, kVrks, kMainPage, true, false, "MainVRKS", M::None, false, "KSimg3"},
        {'H', JulianLilian, ks::Gregorian, anyP, S::None, true, kGks, "ФОРМАТ   СИСТЕМЫ   ЮЛИАНО-ЛИЛИАНСКИЙ", false, false, "GKS_SPD_YULI", M::None, false, "KSimg2"},
        {'I', GregorianStandard, ks::Gregorian, anyP, S::None, true, kGks, kDateStandard, false, false, "GKS_SPD2", M::None, false, "KSimg2"},
        {'J', Chronology, ks::Gregorian, anyP, S::None, true, kGks, kChronology, false, false, "GRKS_HKS", M::None, false, "KSimg2"},
        {'K', Dating, ks::Gregorian, anyP, S::None, true, kGks, kDating, false, false, "GRKS_DKS", M::None, false, "KSimg2"},
        {'L', DatedSheet, ks::Gregorian, anyP, S::None, true, kGks, kPastPresentFuture, false, false, nullptr, M::GregorianSheets, true, "KSimg2"},
        {'M', DateStandard, ks::Vrks, anyP, S::None, true, kVrks, kDateStandard, false, false, "VRKS_SPD", M::None, false, "KSimg3"},
        {'N', YugaStandard, ks::Vrks, anyP, S::None, true, kVrks, kDateStandard, false, false, "VRKS_SPD_YUG", M::None, false, "KSimg3"},
        {'O', Dating, ks::Vrks, anyP, S::None, true, kVrks, kDating, false, false, "VRKS_DKS", M::None, false, "KSimg3"},
        {'P', Astronomical, ks::Vrks, anyP, S::None, true, kVrks, "АСТРОНОМИЧЕСКИЙ   ФОРМАТ   СИСТЕМЫ", false, false, "VRKS_TFS_ASTRO", M::None, false, "KSimg3"},
        {'Q', Paschal, ks::Vrks, anyP, S::None, true, kVrks, "ПАСХАЛЬНЫЙ   ФОРМАТ   СИСТЕМЫ", false, false, "VRKS_TFS_PAS", M::None, false, "KSimg3"},
        {'R', DatedSheet, ks::Vrks, anyP, S::None, true, kVrks, kPastPresentFuture, false, false, nullptr, M::VrksYearSheets, false, "KSimg3"},
        {'S', VrksCalendarTable, ks::Vrks, anyP, S::None, true, kVrks, kPastPresentFuture, false, false, nullptr, M::VrksCalendarTable, false, "KSimg3"},
        {'T', VrksDayTable, ks::Vrks, anyP, S::None, true, kVrks, kPastPresentFuture, false, false, nullptr, M::VrksDayTable, false, "KSimg3"},
        {'U', Chronology, ks::Vrks, anyP, S::None, true, kVrks, kChronology, false, false, "VRKS_HKS", M::None, false, "KSimg3"},
        {'V', Description, ks::Zuv, anyP, S::None, false, kZuv, kShortDescription, false, false, "ANONS_ZUV", M::None, false, "KSimg1"},
        {'W', Description, ks::Gregorian, anyP, S::None, false, kGks, kShortDescription, false, false, "ANONS_GRKS", M::None, false, "KSimg2"},
        {'X', Description, ks::Vrks, anyP, S::None, false, kVrks, kShortDescription, false, false, "ANONS_VRKS", M::None, false, "KSimg3"},
        {'Y', Interface, any, anyP, S::ContentPanel, false, "ИНТЕРФЕЙС   КОМПЬЮТЕРНОЙ   ПРОГРАММЫ", kShortDescription, false, false, "ANONS_GOP", M::None, false, "KSimg0"},
    };
    return rows;
}

bool rowApplies(const ScreenRow& row, int ks, int mode, int patent) {
    return row.mode == mode && (row.ks == kAnySystem || row.ks == ks) && (row.patent == kAnyPatent || row.patent == patent);
}

Marker markerOf(int ks, int mode) {
    for (const ScreenRow& row : screenRows())
        if (row.marker != Marker::None && row.mode == mode && row.ks == ks) return row.marker;
    return Marker::None;
}

}  // namespace zuv
