// The calendar systems table window: its components as designed, its events and commands.
// Layout and page drawing are in KStblPageView.cpp.

#include "KStbl.h"

#include "core/CalendarSystems.h"
#include "kstbl/KStblIcons.h"
#include "core/KStblLayout.h"
#include "mainwindow/ZUVunit.h"
#include "platform/Fonts.h"
#include "platform/WindowServices.h"
#include "ResourceStore.h"

#include <QApplication>
#include <QFrame>
#include <QScreen>

namespace zuv {

TKStblForm* KStblForm = nullptr;

namespace {

template <typename T>
T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

QAction* makeAction(QMenu* menu, int number, const QString& caption) {
    return named(menu->addAction(caption), QStringLiteral("N%1").arg(number));
}

}  // namespace

TKStblForm::TKStblForm(QWidget* parent) : QWidget(parent) {
    KStblForm = this;
    BuildComponents();
    ConnectEvents();
    SetPos();
}

TKStblForm::~TKStblForm() {
    if (KStblForm == this) KStblForm = nullptr;
}

ResourceStore& TKStblForm::Store() const { return m_store ? *m_store : ResourceStore::embedded(); }

void TKStblForm::BuildComponents() {
    setObjectName(QStringLiteral("KStblForm"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);
    setWindowTitle(QStringLiteral("Зувская календарная система"));
    // Closing the main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(605, 423);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);

    // The bands, bottom of the stacking order.
    const struct {
        ShapeControl** field;
        const char* name;
    } bands[] = {{&TopShapeLeft, "TopShapeLeft"},       {&TopShapeCenter, "TopShapeCenter"},
                 {&TopShapeRight, "TopShapeRight"},     {&ButtomShapeLeft, "ButtomShapeLeft"},
                 {&ButtomShapeCenter, "ButtomShapeCenter"}, {&ButtomShapeRight, "ButtomShapeRight"}};
    for (const auto& b : bands) {
        *b.field = named(new ShapeControl(this), QLatin1String(b.name));
        (*b.field)->SetFillColor(Qt::white);
        (*b.field)->SetOutlineColor(Qt::black);
    }

    // The captions: Tahoma bold, 21 pixels high at 96 dpi.
    const QFont captionFont = DesignFont(QStringLiteral("Tahoma"), 21, true);
    CurrentKSLabel = named(new AutoLabel(QStringLiteral("КС"), this), QStringLiteral("CurrentKSLabel"));
    CurrentModeLabel = named(new AutoLabel(QStringLiteral("CurrentModeLabel"), this), QStringLiteral("CurrentModeLabel"));
    for (AutoLabel* label : {CurrentKSLabel, CurrentModeLabel}) {
        label->setFont(captionFont);
        label->FitToText();
    }

    // The corner pictures show the window's own icons, stretched over the control.
    ImageControl** corners[] = {&MnuImage1, &MnuImage2, &MnuImage3, &MnuImage4};
    for (int n = 1; n <= 4; ++n) {
        ImageControl* corner = named(new ImageControl(this), QStringLiteral("MnuImage%1").arg(n));
        corner->SetStretch(true);
        corner->SetCenter(true);
        corner->SetPicture(kstblCornerIcon(n));
        corner->setCursor(Qt::PointingHandCursor);
        *corners[n - 1] = corner;
    }

    // The page area: a sunken frame two pixels deep around the page view.
    StartPanel = named(new ScrollBox(this), QStringLiteral("StartPanel"));
    StartPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StartPanel->setLineWidth(2);
    StartPanel->setFocusPolicy(Qt::NoFocus);
    StartImage = named(new ImageControl(), QStringLiteral("StartImage"));
    StartPanel->setWidget(StartImage);
    StartPanel->SetFitted();

    // Pop-up menus.
    PopupMnuImage1 = named(new QMenu(this), QStringLiteral("PopupMnuImage1"));
    for (int n = 4; n <= 28; ++n) N[n] = makeAction(PopupMnuImage1, n, QString::fromUtf8(kCalendarSystemNames[n - 4]));

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
    connect(MnuImage1, &ImageControl::Clicked, this, &TKStblForm::MnuImage1Click);
    connect(MnuImage2, &ImageControl::Clicked, this, &TKStblForm::MnuImage2Click);
    connect(MnuImage3, &ImageControl::Clicked, this, &TKStblForm::MnuImage3Click);
    connect(MnuImage4, &ImageControl::Clicked, this, &TKStblForm::MnuImage4Click);
    connect(N[1], &QAction::triggered, this, &TKStblForm::N1Click);
    connect(N[2], &QAction::triggered, this, &TKStblForm::N2Click);
    connect(N[3], &QAction::triggered, this, &TKStblForm::N3Click);
    connect(N[29], &QAction::triggered, this, &TKStblForm::N29Click);
    connect(N[30], &QAction::triggered, this, &TKStblForm::N30Click);
    connect(N[31], &QAction::triggered, this, &TKStblForm::N31Click);
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
    if (FormZUV) FormZUV->show();
    // The whole program goes to the taskbar: every open window of it is minimised.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() == Qt::Window)
            window->setWindowState(window->windowState() | Qt::WindowMinimized);
}

void TKStblForm::N3Click() { close(); }

void TKStblForm::N29Click() {
    CurrentMode = 1;
    SelectMode();
}

void TKStblForm::N30Click() {
    CurrentMode = 3;
    SelectMode();
}

void TKStblForm::N31Click() {
    CurrentMode = 2;
    SelectMode();
}

void TKStblForm::StartImageClick() { SelectMode(); }

}  // namespace zuv
