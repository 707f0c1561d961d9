// The dating command, the date picker and a picked day.

#include "mainwindow/ZUVunit.h"

#include "platform/WindowServices.h"

namespace zuv {

void TFormZUV::N35Click() {
    // The picker's top-left goes to the pointer, even where it then reaches past the window.
    const QPoint client = mapFromGlobal(PointerScreenPos());
    MCal->move(client);
    MCal->adjustSize();
    MCal->show();
    MCal->raise();
}

void TFormZUV::MCalClick() { PickDay(MCal->Date()); }

void TFormZUV::PickDay(QDate date) {
    if (date > MCal->MaxDate()) date = MCal->MaxDate();
    if (date < MCal->MinDate()) date = MCal->MinDate();
    MCal->SetDate(date);
    CurDate = date;
    ShowDataScreen();
    ScrollMarkIntoView();
}

}  // namespace zuv
