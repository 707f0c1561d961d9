// The sheet view: enlarging and reducing, the wheel, the sheet's menu and clicks on the sheet.

#include "ZUVunit.h"

#include "core/ScreenTable.h"

#include "platform/MessageBox.h"

#include <cmath>

namespace zuv {

void TFormZUV::SetBigSize() {
    // Fitting first drops the vertical position; an enlarged sheet keeps it.
    const int vertical = StartPanel->VertPosition();
    StartPanel->SetFitted();
    const int z = rulesOf(CurrentScreen()).zoom;
    StartPanel->SetEnlarged(QSize(StartPanel->width() * z, StartPanel->height() * z));
    StartPanel->SetVertPosition(vertical);
    StartImage->Discard();
    StartImage->SetDraggable(true);  // an enlarged sheet is panned by dragging it
    const int range = StartPanel->HorzRange();
    StartPanel->SetHorzPosition(int(std::trunc(range * 0.5 - StartPanel->width() * 0.5)));
}

void TFormZUV::SetNormalSize() {
    StartPanel->SetFitted();
    StartImage->Discard();
    StartImage->SetDraggable(false);
}

void TFormZUV::N33Click() {
    SetBigSize();
    SelectMode();
}

void TFormZUV::N34Click() {
    SetNormalSize();
    SelectMode();
}

void TFormZUV::StartPopupMnuPopup() {
    N[35]->setEnabled(rulesOf(CurrentScreen()).canBeDated());
}

void TFormZUV::StartImageMouseMove(int X, int Y) { StartImageMousePos = QPoint(X, Y); }

void TFormZUV::StartImageClick() {
    // From a main page the dated screen is drawn by the maximise command, by SelectMode and
    // by ShowDataScreen: a marker that fails says so once for the click.
    MessageScope oneAction;
    if (MCal->isVisible()) {
        MCal->hide();
        return;
    }
    if (CurKS == CalendarSystem::Zuv) return;
    if (CurrentMode == ScreenMode::MainPage) {
        const int w = StartImage->width();
        const int h = StartImage->height();
        const QPoint centre(w / 2, h / 2);
        const int r = (w + h) / 23;
        const double dx = StartImageMousePos.x() - centre.x();
        const double dy = StartImageMousePos.y() - centre.y();
        if (std::sqrt(dx * dx + dy * dy) > r) return;  // on the circle counts as inside
        StartImage->Discard();
        if (CurKS == CalendarSystem::Gregorian) CurrentMode = ScreenMode::DatedSheet;
        if (CurKS == CalendarSystem::Vrks) CurrentMode = ScreenMode::VrksDayTable;
        if (!IsMaximized()) N1Click();
        SelectMode();
        ShowDataScreen();
        return;
    }
    if (CurKS == CalendarSystem::Vrks) {
        if (CurrentMode == ScreenMode::VrksDayTable) {
            // The calendar table comes with the pending tick; titles and limits stay as they are.
            CurrentMode = ScreenMode::VrksCalendarTable;
            if (!Timer1->isActive()) Timer1->start();
        } else if (CurrentMode == ScreenMode::VrksCalendarTable) {
            CurrentMode = ScreenMode::DatedSheet;
            SelectMode();
        } else if (CurrentMode == ScreenMode::DatedSheet) {
            CurrentMode = ScreenMode::VrksDayTable;
            SelectMode();
        }
    }
}

void TFormZUV::FormMouseWheelDown(int notches) { StartPanel->SetVertPosition(StartPanel->VertPosition() + 10 * notches); }

void TFormZUV::FormMouseWheelUp(int notches) { StartPanel->SetVertPosition(StartPanel->VertPosition() - 10 * notches); }

}  // namespace zuv
