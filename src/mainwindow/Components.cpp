// The fixed tree of the main window's components, as designed: kinds, parents, stacking
// order, starting geometry, texts, fonts, hints, visibility and the pop-up menus.

#include "ZUVunit.h"

#include "core/CalendarSystems.h"
#include "platform/Components.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/WindowServices.h"

#include <QApplication>
#include <QPalette>

namespace zuv {

namespace {

void styleLabel(AutoLabel* label, const QRect& geometry, const QColor& color, Qt::Alignment alignment) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
}

AutoLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                     const QFont& font, const QColor& color, Qt::Alignment alignment) {
    auto* label = named(new AutoLabel(text, parent), name);
    label->setFont(font);
    styleLabel(label, geometry, color, alignment);
    return label;
}

}  // namespace

void TFormZUV::BuildComponents() {
    setObjectName(QStringLiteral("FormZUV"));
    setWindowTitle(ProgramName());
    MakeBorderlessWindow(this);
    setFont(DesignFont(QStringLiteral("Tahoma"), 11, false));
    resize(640, 465);
    setAutoFillBackground(true);

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    const QFont menuFont = DesignFont(QStringLiteral("Times New Roman"), 19, true);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    // Children of the window, in stacking order.
    RightImage = named(new ImageControl(this), "RightImage");
    RightImage->setGeometry(610, 0, 30, 465);
    RightImage->SetStretch(true);
    RightImage->SetTransparent(true);

    MnuLeftPanel = named(new Panel(this), "MnuLeftPanel");
    MnuLeftPanel->setGeometry(0, 0, 193, 465);

    KSAdvPanel = named(new Panel(this), "KSAdvPanel");
    KSAdvPanel->setGeometry(193, 0, 417, 465);
    KSAdvPanel->SetBackground(Qt::white);

    MCal = named(new MonthCalendar(QDate(2001, 1, 1), QDate(2052, 12, 31), QDate(2016, 5, 29), this), "MCal");
    MCal->setGeometry(271, 164, 162, 160);
    MCal->hide();

    // The section menu.
    LeftImage = named(new ImageControl(MnuLeftPanel), "LeftImage");
    LeftImage->setGeometry(0, 0, 193, 465);
    LeftImage->SetStretch(true);
    MMLabelZUV = makeLabel(MnuLeftPanel, "MMLabelZUV", QStringLiteral("ЗУВ"), QRect(59, 55, 81, 36),
                           DesignFont(QStringLiteral("Times New Roman"), 35, true), Qt::white, Qt::AlignHCenter | Qt::AlignVCenter);
    MMLabelZUV->SetAutoSize(false);
    MMLabel1 = makeLabel(MnuLeftPanel, "MMLabel1", QStringLiteral("зувская календарная система"), QRect(58, 131, 74, 45),
                         DesignFont(QStringLiteral("Times New Roman"), 12, true), Qt::white, centred);
    MMLabel1->SetWordWrapFixedWidth(true);
    struct MenuLabel {
        AutoLabel** field;
        const char* name;
        const char* text;
        QRect geometry;
        const char* hint;
    } const menuLabels[] = {
        {&mnu1, "mnu1", "главная", {62, 190, 70, 22}, nullptr},
        {&mnu2, "mnu2", "календарология", {30, 234, 143, 22}, "наука о проекции времени"},
        {&mnu3, "mnu3", "календария", {44, 283, 103, 22}, "список календарей по тематике"},
        {&Mnu4, "Mnu4", "календарь", {52, 324, 92, 22}, "список календарей по алфавиту"},
        {&mnu5, "mnu5", "контакт", {62, 366, 71, 22}, "связь и переписка"},
        {&mnu6, "mnu6", "контроль", {60, 410, 82, 22}, "защита проекта"},
        {&mnu7, "mnu7", "комментарии", {45, 451, 118, 22}, "обсуждения и дискуссии"},
    };
    for (const MenuLabel& m : menuLabels) {
        *m.field = makeLabel(MnuLeftPanel, m.name, QString::fromUtf8(m.text), m.geometry, menuFont, Qt::white, centred);
        if (m.hint) (*m.field)->setToolTip(QString::fromUtf8(m.hint));
    }
    // The hand only where a click leads somewhere: "главная" and "контроль".
    mnu1->setCursor(Qt::PointingHandCursor);
    mnu6->setCursor(Qt::PointingHandCursor);

    // The content frame, in painting order from bottom to top, at its design geometry.
    BuildFrame(KSAdvPanel,
               {Piece::TopShapeCenter, Piece::CurrentKSLabel, Piece::ButtomShapeRight, Piece::ButtomShapeLeft,
                Piece::ButtomShapeCenter, Piece::TopShapeLeft, Piece::TopShapeRight, Piece::MnuImage1, Piece::MnuImage2,
                Piece::MnuImage3, Piece::MnuImage4, Piece::CurrentModeLabel, Piece::StartPanel},
               DesignFont(QStringLiteral("Tahoma"), 21, true));
    TopShapeCenter->setGeometry(-24, 0, 209, 40);
    CurrentKSLabel->setText(QStringLiteral("КС"));
    styleLabel(CurrentKSLabel, QRect(156, 3, 29, 25), windowText, centred);
    ButtomShapeRight->setGeometry(110, 61, 75, 50);
    ButtomShapeLeft->setGeometry(4, 65, 63, 46);
    ButtomShapeCenter->setGeometry(-40, 65, 225, 46);
    TopShapeLeft->setGeometry(0, -1, 65, 41);
    TopShapeRight->setGeometry(120, 0, 65, 40);
    MnuImage1->setGeometry(3, 0, 37, 40);
    MnuImage2->setGeometry(161, -1, 24, 41);
    MnuImage3->setGeometry(4, 63, 47, 48);
    MnuImage4->setGeometry(132, 63, 53, 48);
    MnuImage1->setAccessibleName(QStringLiteral("меню календарных систем"));
    MnuImage2->setAccessibleName(QStringLiteral("меню окна программы"));
    MnuImage3->setAccessibleName(QStringLiteral("меню раздела системы"));
    MnuImage4->setAccessibleName(QStringLiteral("меню анонса"));
    TopShapeCenter->setAccessibleName(QStringLiteral("перемещение окна"));
    styleLabel(CurrentModeLabel, QRect(-7, 86, 192, 25), windowText, Qt::AlignLeft | Qt::AlignTop);
    StartPanel->setGeometry(-248, -162, 433, 273);
    StartImage->resize(433, 273);

    // The covers over the joints of the bands lie under the page area.
    const struct {
        ShapeControl** field;
        const char* name;
        QRect geometry;
    } covers[] = {{&TopLeftShapeClr, "TopLeftShapeClr", {264, 147, 65, 65}},
                  {&TopRightShapeClr, "TopRightShapeClr", {272, 234, 65, 65}},
                  {&DownRightShapeClr, "DownRightShapeClr", {280, 242, 65, 65}},
                  {&DownLeftShapeClr, "DownLeftShapeClr", {288, 274, 65, 65}}};
    for (const auto& c : covers) {
        *c.field = named(new ShapeControl(KSAdvPanel), c.name);
        (*c.field)->setGeometry(c.geometry);
        (*c.field)->stackUnder(StartPanel);
    }

    KSPanel = named(new Panel(KSAdvPanel), "KSPanel");
    KSPanel->setGeometry(5, -211, 169, 322);
    KSPanel->SetBackground(Qt::white);
    for (int n = 1; n <= kCalendarSystemCount; ++n) {
        KSimg[n] = named(new ImageControl(KSPanel), QStringLiteral("KSimg%1").arg(n));
        KSimg[n]->SetStretch(true);
        KSimg[n]->SetProportional(true);
        KSimg[n]->setToolTip(QString::fromUtf8(kCalendarSystemNames[n - 1]));
        KSimg[n]->setAccessibleName(KSimg[n]->toolTip());
        if (n <= 3) KSimg[n]->setCursor(Qt::PointingHandCursor);
    }
    for (int n = 1; n <= 8; ++n) {
        KSLine[n] = named(new ShapeControl(KSPanel), QStringLiteral("KSLine%1").arg(n));
    }
    ShapeUp = named(new ShapeControl(KSPanel), "ShapeUp");
    ShapeLeft = named(new ShapeControl(KSPanel), "ShapeLeft");
    ShapeRight = named(new ShapeControl(KSPanel), "ShapeRight");
    ShapeDown = named(new ShapeControl(KSPanel), "ShapeDown");

    ControlMenuPanel = named(new Panel(KSAdvPanel), "ControlMenuPanel");
    ControlMenuPanel->setGeometry(216, 30, 127, 141);
    const QFont controlFont = DesignFont(QStringLiteral("Times New Roman"), 13, false);
    const struct {
        AutoLabel** field;
        const char* name;
        int top;
        const char* text;
    } controls[] = {{&LabelControlPatent, "LabelControlPatent", 3, "патент"},
                    {&LabelControlLic, "LabelControlLic", 19, "лицензия"},
                    {&LabelControlDostup, "LabelControlDostup", 36, "доступ"},
                    {&LabelControlDopusk, "LabelControlDopusk", 53, "допуск"},
                    {&LabelControlPlagiat, "LabelControlPlagiat", 69, "плагиат"}};
    for (const auto& c : controls)
        *c.field = makeLabel(ControlMenuPanel, c.name, QString::fromUtf8(c.text), QRect(3, c.top, 10, 10), controlFont,
                             windowText, Qt::AlignLeft | Qt::AlignTop);
    LabelControlPatent->setCursor(Qt::PointingHandCursor);
    // The section entries and the caption are sized once the window sets their fonts (the
    // entries' normal size, the caption's size for the window's height); sizing them in the
    // design's fonts first would load two font sizes nothing shows. The control menu's entries
    // are sized when the menu shows: theirs is the one face (regular Times New Roman) nothing
    // on the first screen is set in.

    MCal->raise();  // the picker lies above every panel of the window

    // Pop-up menus.
    PopupMnuImage1 = named(new QMenu(this), "PopupMnuImage1");
    makeSystemItems(PopupMnuImage1, N);

    PopupMnuImage2 = named(new QMenu(this), "PopupMnuImage2");
    MnuMainWnd = makeAction(PopupMnuImage2, QStringLiteral("MnuMainWnd"), QStringLiteral("главное окно программы"));
    MnuMainWnd->setEnabled(false);
    N[1] = makeAction(PopupMnuImage2, 1, QStringLiteral("развернуть в экран"));
    N[2] = makeAction(PopupMnuImage2, 2, QStringLiteral("свернуть в окно"));
    N[2]->setEnabled(false);
    N[36] = makeAction(PopupMnuImage2, 36, QStringLiteral("свернуть на панель"));
    N[3] = makeAction(PopupMnuImage2, 3, QStringLiteral("закрыть программу"));

    PopupMnuImage3 = named(new QMenu(this), "PopupMnuImage3");
    N[42] = makeAction(PopupMnuImage3, 42, QStringLiteral("пнб"));
    mnu_vrks_spd_menu = named(new QMenu(QStringLiteral("спд"), PopupMnuImage3), "mnu_vrks_spd_menu");
    mnu_vrks_spd = named(PopupMnuImage3->addMenu(mnu_vrks_spd_menu), "mnu_vrks_spd");
    N[40] = makeAction(mnu_vrks_spd_menu, 40, QStringLiteral("формат годовой"));
    N[41] = makeAction(mnu_vrks_spd_menu, 41, QStringLiteral("формат юговый"));
    mnu_grks_spd = makeAction(PopupMnuImage3, QStringLiteral("mnu_grks_spd"), QStringLiteral("спд"));
    N[30] = makeAction(PopupMnuImage3, 30, QStringLiteral("дкс"));
    N[31] = makeAction(PopupMnuImage3, 31, QStringLiteral("хкс"));
    vrks_tks_menu = named(new QMenu(QStringLiteral("ткс"), PopupMnuImage3), "vrks_tks_menu");
    vrks_tks = named(PopupMnuImage3->addMenu(vrks_tks_menu), "vrks_tks");
    N[38] = makeAction(vrks_tks_menu, 38, QStringLiteral("формат галактический"));
    N[39] = makeAction(vrks_tks_menu, 39, QStringLiteral("формат пасхальный"));
    grks_tks_menu = named(new QMenu(QStringLiteral("ткс"), PopupMnuImage3), "grks_tks_menu");
    grks_tks = named(PopupMnuImage3->addMenu(grks_tks_menu), "grks_tks");
    N[29] = makeAction(grks_tks_menu, 29, QStringLiteral("формат лилианский"));

    PopupMnuImage4 = named(new QMenu(this), "PopupMnuImage4");
    N[32] = makeAction(PopupMnuImage4, 32, QStringLiteral("анонс"));

    StartPopupMnu = named(new QMenu(this), "StartPopupMnu");
    N[33] = makeAction(StartPopupMnu, 33, QStringLiteral("увеличить"));
    N[34] = makeAction(StartPopupMnu, 34, QStringLiteral("уменьшить"));
    // The menu shows the window's zoom keys beside them; the window itself takes the keys.
    N[33]->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    N[34]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    for (QAction* zoom : {N[33], N[34]}) zoom->setShortcutContext(Qt::WidgetShortcut);
    N[35] = makeAction(StartPopupMnu, 35, QStringLiteral("датировать"));

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(1000);
    Timer1->setSingleShot(false);
}

}  // namespace zuv
