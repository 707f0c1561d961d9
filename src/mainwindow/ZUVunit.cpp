// The main window: creation, start-up, shut-down and the one-second blink of the date mark.

#include "ZUVunit.h"

#include "core/DayTable.h"
#include "core/MarkerGeometry.h"
#include "core/ScreenTable.h"
#include "mainwindow/SheetCache.h"
#include "platform/Clock.h"
#include "platform/Components.h"
#include "ResourceStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

namespace zuv {

TFormZUV* FormZUV = nullptr;
int SelectMnuIndex = 0;
int SelectControlMnuIndex = 0;
QPoint StartImageMousePos;
int OffsetTop = 0;
int OffSetLeft = 0;

namespace {

QIcon windowIcon16() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1f, 0x3a, 0x5f));
    p.setPen(QPen(QColor(0xc8, 0xa0, 0x3c), 1.5));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(5, 5), QPointF(11, 5));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
    p.drawLine(QPointF(5, 11), QPointF(11, 11));
    return QIcon(pixmap);
}

}  // namespace

TFormZUV::TFormZUV(QWidget* parent) : QWidget(parent), m_sheetCache(std::make_unique<SheetCache>()) {
    FormZUV = this;
    BuildComponents();
    setWindowIcon(windowIcon16());
    if (QScreen* screen = QGuiApplication::primaryScreen())  // starts centred on the screen
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    ConnectEvents();
    FormCreate();
}

TFormZUV::~TFormZUV() {
    if (FormZUV == this) FormZUV = nullptr;
}

void TFormZUV::SetResourceStore(ResourceStore* store) {
    StoreChoice::SetResourceStore(store);
    m_sheetCache->Clear();
}

void TFormZUV::FormCreate() {
    gdi_clWhite = kPenWhite;
    gdi_clBlue = kPenBlue;
    gdi_clRed = kPenRed;
    PenColor = gdi_clWhite;
    DockPanels();
    SetPos();
    CurDate = Today();
    MnuSetFont(10);
    CurrentMode = ScreenMode::ProgramMain;

    // The day table's text; its lines are split when first asked for (DayLines).
    m_dayTableText = Store().find(StoreKind::RawData, QStringLiteral("DVRKS"));
}

const QStringList& TFormZUV::DayLines() const {
    if (!m_dayTableRead) {
        m_dayTableRead = true;
        VRKSData = splitDayTableLines(QByteArray::fromRawData(m_dayTableText.data, int(m_dayTableText.size)));
    }
    return VRKSData;
}

void TFormZUV::FormShow() { SelectMode(); }

void TFormZUV::FormClose() {
    Timer1->stop();
    m_dayTableRead = true;
    VRKSData.clear();
    m_sheetCache->Clear();
}

void TFormZUV::Timer1Timer() { ShowDataScreen(); }

bool TFormZUV::RunScreenMarker(Marker marker) {
    switch (marker) {
    case Marker::GregorianSheets: return PaintDateGKS(CurDate);
    case Marker::VrksYearSheets: return PaintDateVRKS(CurDate);
    case Marker::VrksDayTable: return VRKS_DayTable(CurDate);
    case Marker::VrksCalendarTable: return VRKS_CalTable(CurDate);
    case Marker::None: break;
    }
    return false;
}

void TFormZUV::ShowDataScreen() {
    Timer1->stop();
    const Marker marker = rulesOf(CurrentScreen()).marker;
    if (marker == Marker::None) return;

    PenColor = nextPenColor(PenColor);
    // A marker that failed has shown its message; the timer stays off so it is not repeated.
    if (RunScreenMarker(marker)) Timer1->start();
}

void TFormZUV::OnOffMainWnd(bool status) {
    MnuLeftPanel->setVisible(status);
    RightImage->setVisible(status);
    DockPanels();
}

void TFormZUV::DockPanels() {
    const int w = width();
    const int h = height();
    int left = 0;
    int right = w;
    if (MnuLeftPanel->isVisibleTo(this)) {
        MnuLeftPanel->setGeometry(0, 0, 193, h);
        left = 193;
    }
    if (RightImage->isVisibleTo(this)) {
        RightImage->setGeometry(w - 30, 0, 30, h);
        right = w - 30;
    }
    KSAdvPanel->setGeometry(left, 0, std::max(0, right - left), h);
}

bool TFormZUV::event(QEvent* event) {
    // Splitting the day table and building the date picker's calendar take longer than
    // building the grid screen: they wait until the window has been painted once.
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QMetaObject::invokeMethod(this, [this] {
            DayLines();
            MCal->Prepare();
            emit FirstPainted();
        }, Qt::QueuedConnection);
    }
    return QWidget::event(event);
}

void TFormZUV::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    FormShow();
}

void TFormZUV::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFormZUV::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DockPanels();
}

void TFormZUV::ConnectEvents() {
    connect(Timer1, &QTimer::timeout, this, &TFormZUV::Timer1Timer);

    // Window states and corner pictures.
    connectItems(this, N, {{1, &TFormZUV::N1Click}, {2, &TFormZUV::N2Click}, {36, &TFormZUV::N36Click}, {3, &TFormZUV::N3Click}});
    connect(MnuMainWnd, &QAction::triggered, this, &TFormZUV::MnuMainWndClick);
    ConnectCornerClicks(this, &TFormZUV::MnuImage1Click, &TFormZUV::MnuImage2Click, &TFormZUV::MnuImage3Click,
                        &TFormZUV::MnuImage4Click);
    connect(MnuImage1, &ImageControl::ContextRequested, this, &TFormZUV::MnuImage1ContextPopup);
    connect(TopShapeCenter, &ShapeControl::ButtonPressed, this, [this] { TopShapeCenterMouseDown(); });
    connect(CurrentKSLabel, &AutoLabel::ButtonPressed, this, [this] { CurrentKSLabelMouseDown(); });

    // Navigation.
    connectItems(this, N, {{4, &TFormZUV::N4Click}, {5, &TFormZUV::N5Click}, {6, &TFormZUV::N6Click}});
    connect(KSimg[1], &ImageControl::Clicked, this, &TFormZUV::KSimg1Click);
    connect(KSimg[2], &ImageControl::Clicked, this, &TFormZUV::KSimg2Click);
    connect(KSimg[3], &ImageControl::Clicked, this, &TFormZUV::KSimg3Click);
    connectItems(this, N,
                 {{42, &TFormZUV::N42Click}, {40, &TFormZUV::N40Click}, {41, &TFormZUV::N41Click},
                  {30, &TFormZUV::N30Click}, {31, &TFormZUV::N31Click}, {38, &TFormZUV::N38Click},
                  {39, &TFormZUV::N39Click}, {29, &TFormZUV::N29Click}, {32, &TFormZUV::N32Click}});
    connect(mnu_grks_spd, &QAction::triggered, this, &TFormZUV::mnu_grks_spdClick);
    connect(mnu1, &AutoLabel::Clicked, this, &TFormZUV::mnu1Click);
    connect(mnu3, &AutoLabel::Clicked, this, &TFormZUV::mnu3Click);
    connect(mnu5, &AutoLabel::Clicked, this, &TFormZUV::mnu5Click);
    connect(mnu6, &AutoLabel::Clicked, this, &TFormZUV::mnu6Click);
    connect(LabelControlPatent, &AutoLabel::Clicked, this, &TFormZUV::LabelControlPatentClick);

    // Section menu hover: the enlarged entry is the last one the pointer moved over.
    const auto entries = SectionEntries();
    for (int i = 0; i < 7; ++i)
        connect(entries[i], &AutoLabel::PointerMoved, this, [this, i] { MnuSetFont(i + 1); });
    connect(LeftImage, &ImageControl::PointerMoved, this, [this] { MnuSetFont(0); });
    const auto controls = ControlEntries();
    for (int i = 0; i < 5; ++i)
        connect(controls[i], &AutoLabel::PointerMoved, this, [this, i] { MnuControlSetFont(i + 1); });
    connect(ControlMenuPanel, &Panel::PointerMoved, this, [this] { MnuControlSetFont(0); });

    // Sheet view.
    connectItems(this, N, {{33, &TFormZUV::N33Click}, {34, &TFormZUV::N34Click}, {35, &TFormZUV::N35Click}});
    connect(StartImage, &ImageControl::PointerMoved, this, [this](const QPoint& p) { StartImageMouseMove(p.x(), p.y()); });
    connect(StartImage, &ImageControl::Clicked, this, &TFormZUV::StartImageClick);
    connect(StartImage, &ImageControl::ContextRequested, this, [this](const QPoint& globalPos) {
        StartPopupMnuPopup();
        StartPopupMnu->popup(globalPos);
    });
    connect(MCal, &MonthCalendar::DayClicked, this, &TFormZUV::MCalClick);

    // Layout.
    connect(MnuLeftPanel, &Panel::Resized, this, &TFormZUV::MnuLeftPanelResize);
    connect(KSPanel, &Panel::Resized, this, &TFormZUV::KSPanelResize);

    // The container reports the wheel turned over the sheet or its scroll bars; everywhere
    // else (the picker above the sheet included) the wheel goes where it always goes.
    connect(StartPanel, &ScrollBox::WheelNotches, this, [this](int notches, Qt::KeyboardModifiers modifiers) {
        if (modifiers & Qt::ControlModifier) {  // Ctrl zooms: away from the user enlarges
            if (notches > 0) N33Click();
            else N34Click();
        } else if (notches < 0) {
            FormMouseWheelDown(-notches);
        } else {
            FormMouseWheelUp(notches);
        }
    });
    connect(StartImage, &ImageControl::Dragged, this, [this](const QPoint& delta) {
        StartPanel->SetHorzPosition(StartPanel->HorzPosition() - delta.x());
        StartPanel->SetVertPosition(StartPanel->VertPosition() - delta.y());
    });
    StartImage->installEventFilter(this);  // its tooltips name the cell under the pointer
}

}  // namespace zuv
