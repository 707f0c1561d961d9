// The dating command and the date picker.

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

void TFormZUV::MCalClick() {
    QDate date = MCal->Date();
    if (date > MCal->MaxDate()) date = MCal->MaxDate();
    if (date < MCal->MinDate()) date = MCal->MinDate();
    MCal->SetDate(date);
    CurDate = date;
    ShowDataScreen();
}

}  // namespace zuv
