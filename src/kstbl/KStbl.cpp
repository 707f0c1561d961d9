// The calendar systems table window: its components as designed, its events and commands.
// Layout and page drawing are in KStblPageView.cpp.

#include "KStbl.h"

#include "kstbl/KStblIcons.h"
#include "core/KStblLayout.h"
#include "platform/Components.h"
#include "platform/Fonts.h"
#include "platform/WindowServices.h"
#include "ResourceStore.h"

#include <QApplication>
#include <QFrame>
#include <QScreen>

namespace zuv {

TKStblForm* KStblForm = nullptr;

TKStblForm::TKStblForm(QWidget* parent) : QWidget(parent) {
    KStblForm = this;
    BuildComponents();
    ConnectEvents();
    SetPos();
}

TKStblForm::~TKStblForm() {
    if (KStblForm == this) KStblForm = nullptr;
}

void TKStblForm::BuildComponents() {
    setObjectName(QStringLiteral("KStblForm"));
    MakeBorderlessWindow(this);
    setWindowTitle(QStringLiteral("Зувская календарная система"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(605, 423);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);

    // The bands at the bottom of the stacking order, then the captions (Tahoma bold, 21 pixels
    // high at 96 dpi), the corner pictures and the page area.
    BuildFrame(this,
               {Piece::TopShapeLeft, Piece::TopShapeCenter, Piece::TopShapeRight, Piece::ButtomShapeLeft,
                Piece::ButtomShapeCenter, Piece::ButtomShapeRight, Piece::CurrentKSLabel, Piece::CurrentModeLabel,
                Piece::MnuImage1, Piece::MnuImage2, Piece::MnuImage3, Piece::MnuImage4, Piece::StartPanel},
               DesignFont(QStringLiteral("Tahoma"), 21, true));
    for (ShapeControl* band :
         {TopShapeLeft, TopShapeCenter, TopShapeRight, ButtomShapeLeft, ButtomShapeCenter, ButtomShapeRight}) {
        band->SetFillColor(Qt::white);
        band->SetOutlineColor(Qt::black);
    }
    CurrentKSLabel->setText(QStringLiteral("КС"));
    CurrentModeLabel->setText(QStringLiteral("CurrentModeLabel"));
    for (AutoLabel* label : {CurrentKSLabel, CurrentModeLabel}) label->FitToText();

    // The corner pictures show the window's own icons.
    const char* const cornerNames[] = {"меню календарных систем", "меню окна", "меню страниц", "меню анонса"};
    for (int n = 1; n <= 4; ++n) {
        ImageControl* corner = CornerPictures()[size_t(n - 1)];
        corner->SetPicture(kstblCornerIcon(n));
        corner->setCursor(Qt::PointingHandCursor);
        corner->setAccessibleName(QString::fromUtf8(cornerNames[n - 1]));
    }
    StartImage->setAccessibleName(QStringLiteral("страница таблицы календарных систем"));

    // The page area: a sunken frame two pixels deep around the page view.
    StartPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StartPanel->setLineWidth(2);

    // Pop-up menus.
    PopupMnuImage1 = named(new QMenu(this), QStringLiteral("PopupMnuImage1"));
    makeSystemItems(PopupMnuImage1, N);

    PopupMnuImage2 = named(new QMenu(this), QStringLiteral("PopupMnuImage2"));
    N[1] = makeAction(PopupMnuImage2, 1, QStringLiteral("Развернуть"));
    N[2] = makeAction(PopupMnuImage2, 2, QStringLiteral("Свернуть"));
    N[3] = makeAction(PopupMnuImage2, 3, QStringLiteral("Закрыть"));

    PopupMnuImage3 = named(new QMenu(this), QStringLiteral("PopupMnuImage3"));
    N[29] = makeAction(PopupMnuImage3, 29, QStringLiteral("СПД"));
    N[30] = makeAction(PopupMnuImage3, 30, QStringLiteral("ДКС"));
    N[31] = makeAction(PopupMnuImage3, 31, QStringLiteral("ХКС"));

    PopupMnuImage4 = named(new QMenu(this), QStringLiteral("PopupMnuImage4"));
    N[32] = makeAction(PopupMnuImage4, 32, QStringLiteral("анонс"));
}

void TKStblForm::ConnectEvents() {
    // Left clicks only: the right button opens nothing on the corner pictures.
    ConnectCornerClicks(this, &TKStblForm::MnuImage1Click, &TKStblForm::MnuImage2Click, &TKStblForm::MnuImage3Click,
                        &TKStblForm::MnuImage4Click);
    connectItems(this, N,
                 {{1, &TKStblForm::N1Click}, {2, &TKStblForm::N2Click}, {3, &TKStblForm::N3Click},
                  {29, &TKStblForm::N29Click}, {30, &TKStblForm::N30Click}, {31, &TKStblForm::N31Click}});
    connect(StartImage, &ImageControl::Clicked, this, &TKStblForm::StartImageClick);
}

void TKStblForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_placed) return;
    m_placed = true;
    if (QScreen* screen = QGuiApplication::primaryScreen()) move(centredTopLeft(screen->virtualGeometry(), size()));
}

void TKStblForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SetPos();  // every new size is laid out again
}

// ---- Commands ----

void TKStblForm::MnuImage1Click() { PopupMnuImage1->popup(PointerScreenPos()); }
void TKStblForm::MnuImage2Click() { PopupMnuImage2->popup(PointerScreenPos()); }
void TKStblForm::MnuImage3Click() { PopupMnuImage3->popup(PointerScreenPos()); }
void TKStblForm::MnuImage4Click() { PopupMnuImage4->popup(PointerScreenPos()); }

void TKStblForm::N1Click() { setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized); }

void TKStblForm::N2Click() {
    emit MainWindowWanted();
    // The whole program goes to the taskbar: every open window of it is minimised.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() == Qt::Window)
            window->setWindowState(window->windowState() | Qt::WindowMinimized);
}

void TKStblForm::N3Click() { close(); }

void TKStblForm::N29Click() {
    CurrentMode = KStblMode::DateStandard;
    SelectMode();
}

void TKStblForm::N30Click() {
    CurrentMode = KStblMode::DatingSheet;
    SelectMode();
}

void TKStblForm::N31Click() {
    CurrentMode = KStblMode::Blank;
    SelectMode();
}

void TKStblForm::StartImageClick() { SelectMode(); }

}  // namespace zuv
