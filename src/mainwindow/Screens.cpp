// SelectMode: applies the screen (CurKS, CurrentMode, PatentMode) to the window, row by row
// of the screen table (core/ScreenTable.h).

#include "ZUVunit.h"

#include "core/PictureFit.h"
#include "core/ScreenTable.h"

namespace zuv {

void TFormZUV::SetTitles(const QString& upper, const QString& lower, bool lowerFirst) {
    if (lowerFirst) CurrentModeLabel->SetText(lower);
    CurrentKSLabel->SetText(upper);
    if (!lowerFirst) CurrentModeLabel->SetText(lower);
}

void TFormZUV::LoadCornerPictures(const char* emblem) {
    if (!emblem) return;  // the row leaves the corners as they are
    const QString ResName = QLatin1String(emblem);
    // The four corners are of one size and show one emblem: decode it once, copy it thrice.
    const QImage* first = nullptr;
    for (ImageControl* corner : CornerPictures()) {
        corner->Discard();
        QImage& surface = corner->Canvas();
        if (first && first->size() == surface.size() && first->format() == surface.format()) {
            surface = first->copy();
        } else {
            LoadResToImage(surface, corner->width(), corner->height(), ResName, Fit::Stretch);
            first = &surface;
        }
        corner->Repaint();
    }
}

void TFormZUV::ApplyScreenRow(const ScreenRow& row) {
    switch (row.setup) {
    case RowSetup::FitTheSheet:  // the row does nothing else
        KSPanel->hide();
        KSAdvPanel->show();
        DockPanels();
        SetNormalSize();
        SetPos();
        return;
    case RowSetup::Grid:
        RightImage->show();
        KSPanel->show();
        MnuLeftPanel->show();
        MnuMainWnd->setEnabled(false);
        MCal->hide();
        StartPanel->hide();
        DockPanels();
        break;
    case RowSetup::ControlMenu:
        MCal->hide();
        KSPanel->hide();
        for (AutoLabel* entry : ControlEntries()) entry->FitToText();
        ControlMenuPanel->show();
        break;
    case RowSetup::PatentPage:
        ControlMenuPanel->hide();
        ClearPicture();
        break;
    case RowSetup::ClearFirst: ClearPicture(); break;
    case RowSetup::ContentPanel:
        KSPanel->hide();
        KSAdvPanel->show();
        break;
    case RowSetup::None: break;
    }
    if (row.sideHidden) OnOffMainWnd(false);
    if (row.marker != Marker::None) {
        const DateRange range = markerRange(row.marker);
        MCal->SetLimits(range.first, range.last);
    }
    if (row.upperTitle || row.lowerTitle)
        SetTitles(QString::fromUtf8(row.upperTitle), QString::fromUtf8(row.lowerTitle), row.lowerTitleFirst);
    SetPos();
    if (row.loadsGrid) LoadImage();
    if (row.sheet) LoadStartImage(QLatin1String(row.sheet), Fit::KeepProportions);
    if (row.marker == Marker::None) {
        LoadCornerPictures(row.emblem);
        return;
    }
    // A marker that failed has said why; a tick still pending from the last screen would
    // repeat the message, so the timer stops.
    if (!row.cornersAfterMark) LoadCornerPictures(row.emblem);
    if (!RunScreenMarker(row.marker)) {
        Timer1->stop();
        return;
    }
    if (row.cornersAfterMark) LoadCornerPictures(row.emblem);
    Timer1->start();
}

void TFormZUV::SelectMode() {
    // Step 1: a new screen starts from a clean view.
    if (CurrentMode != BakMode || CurKS != BakCurKS) {
        ControlMenuPanel->hide();
        StartPanel->show();
        MnuMainWnd->setEnabled(true);
        ClearPicture();
        MCal->hide();
        const int range = StartPanel->HorzRange();
        StartPanel->SetHorzPosition(range / 2 - range / 4);
        // The section menu offers the system's own formats; outside both systems the
        // Gregorian "ткс" stands and "спд" stays as it was.
        const bool vrks = CurKS == CalendarSystem::Vrks, gregorian = CurKS == CalendarSystem::Gregorian;
        vrks_tks->setVisible(vrks);
        grks_tks->setVisible(!vrks);
        if (vrks || gregorian) {
            mnu_vrks_spd->setVisible(vrks);
            mnu_grks_spd->setVisible(gregorian);
        }
    }

    // Step 2.
    BakMode = CurrentMode;
    BakCurKS = CurKS;

    // Step 3: every row whose condition holds, in the table's order.
    for (const ScreenRow& row : screenRows()) {
        if (rowApplies(row, CurrentScreen())) ApplyScreenRow(row);
    }
    UpdateCornerCursors();
    DescribeSheetView();
}

}  // namespace zuv
