// The main window through its real widgets: start-up state, every screen's titles, panels,
// picker limits and menu items, the reset rule of SelectMode, and the blink's pen and timer.
#include "TestSupport.h"
#include "mainwindow/ZUVunit.h"
#include "platform/MessageBox.h"
#include "platform/Translations.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace zuv;
using zuvtest::component;
using zuvtest::components;
using zuvtest::menuItem;

namespace {

using namespace zuvtest;  // the screens' short names

// A form that has been shown (so its first screen is applied), with messages recorded.
struct ShownForm {
    zuvtest::FixedToday today{QDate(2006, 6, 15)};
    zuvtest::MessageRecorder recorder;
    TFormZUV form;
    ShownForm() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    void go(const Screen& s) {
        form.ShowScreen({s.system, s.mode, s.page});
    }
};

const QString GKS = QStringLiteral("ГРИГОРИАНСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА");
const QString VRKS = QStringLiteral("ВАРИЙСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА");
const QString ZUV = QStringLiteral("ЗУВСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА");

}  // namespace


class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpState() {
        ShownForm f;
        TFormZUV& w = f.form;
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        MonthCalendar* MCal = component<MonthCalendar>(w, "MCal");
        QCOMPARE(w.State().CurKS, NoSystem);
        QCOMPARE(w.State().CurrentMode, M::ProgramMain);
        QCOMPARE(w.State().BakMode, M::ProgramMain);
        QCOMPARE(w.State().BakCurKS, NoSystem);
        QCOMPARE(w.State().PatentMode, zuv::ControlPage::Menu);
        QCOMPARE(w.State().PenColor, 0xFFFFFFFFu);
        QCOMPARE(w.State().gdi_clBlue, 0xFF0000FFu);
        QCOMPARE(w.State().gdi_clRed, 0xFFFF0000u);
        QCOMPARE(w.State().CurDate, QDate(2006, 6, 15));
        QVERIFY(!Timer1->isActive());
        QCOMPARE(Timer1->interval(), 1000);
        QVERIFY(!component<QAction>(w, "MnuMainWnd")->isEnabled());
        QVERIFY(!component<QAction>(w, "vrks_tks")->isVisible());
        QVERIFY(component<QAction>(w, "grks_tks")->isVisible());
        QVERIFY(component<QAction>(w, "mnu_vrks_spd")->isVisible());
        QVERIFY(component<QAction>(w, "mnu_grks_spd")->isVisible());
        QVERIFY(!MCal->isVisible());
        QCOMPARE(MCal->Date(), QDate(2016, 5, 29));
        QCOMPARE(w.State().VRKSData.size(), 48'279);
        QCOMPARE(w.State().VRKSData.first(), QStringLiteral("1,04.03.1921,1,1,1,1,1,1,481"));
        QCOMPARE(SelectMnuIndex, 10);
        QCOMPARE(w.windowTitle(), QStringLiteral("зувская календарная система"));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.size(), QSize(640, 465));
        QCOMPARE(component<AutoLabel>(w, "CurrentKSLabel")->text(), QStringLiteral("КАЛЕНДАРНЫЙ   ПРОЕКТ   ОРИВАНТ"));
        QCOMPARE(component<AutoLabel>(w, "CurrentModeLabel")->text(), QStringLiteral("ГЛАВНОЕ   ОКНО   ПРОГРАММЫ"));
        QVERIFY(component<Panel>(w, "KSPanel")->isVisible());
        QVERIFY(!component<ScrollBox>(w, "StartPanel")->isVisible());
        QVERIFY(component<Panel>(w, "MnuLeftPanel")->isVisible() && component<ImageControl>(w, "RightImage")->isVisible());
        QVERIFY(f.recorder.messages.isEmpty());
    }

    void componentsCarryTheirNames() {
        ShownForm f;
        for (const char* name : {"RightImage", "MnuLeftPanel", "KSAdvPanel", "MCal", "LeftImage", "MMLabelZUV", "MMLabel1",
                                 "mnu1", "mnu2", "mnu3", "Mnu4", "mnu5", "mnu6", "mnu7", "TopShapeCenter", "CurrentKSLabel",
                                 "ButtomShapeRight", "ButtomShapeLeft", "ButtomShapeCenter", "TopShapeLeft", "TopShapeRight",
                                 "MnuImage1", "MnuImage2", "MnuImage3", "MnuImage4", "CurrentModeLabel", "TopLeftShapeClr",
                                 "TopRightShapeClr", "DownRightShapeClr", "DownLeftShapeClr", "StartPanel", "StartImage",
                                 "KSPanel", "ControlMenuPanel", "KSimg1", "KSimg25", "KSLine1", "KSLine8", "ShapeUp",
                                 "ShapeLeft", "ShapeRight", "ShapeDown", "LabelControlPatent", "LabelControlLic",
                                 "LabelControlDostup", "LabelControlDopusk", "LabelControlPlagiat"})
            QVERIFY2(f.form.findChild<QWidget*>(QLatin1String(name)), name);
        for (const char* name : {"N1", "N2", "N3", "N4", "N28", "N29", "N30", "N31", "N32", "N33", "N34", "N35", "N36",
                                 "N38", "N39", "N40", "N41", "N42", "MnuMainWnd", "mnu_grks_spd", "mnu_vrks_spd",
                                 "vrks_tks", "grks_tks"})
            QVERIFY2(f.form.findChild<QAction*>(QLatin1String(name)), name);
        QVERIFY(f.form.findChild<QTimer*>(QStringLiteral("Timer1")));
        // Hints only where the design has them.
        QVERIFY(component<AutoLabel>(f.form, "mnu1")->toolTip().isEmpty());
        QCOMPARE(component<AutoLabel>(f.form, "mnu2")->toolTip(), QStringLiteral("наука о проекции времени"));
        QCOMPARE(component<AutoLabel>(f.form, "mnu7")->toolTip(), QStringLiteral("обсуждения и дискуссии"));
        QCOMPARE(component<ImageControl>(f.form, "KSimg25")->toolTip(), QStringLiteral("кс болгарская"));
        QVERIFY(component<ImageControl>(f.form, "LeftImage")->toolTip().isEmpty());
        QCOMPARE(component<QMenu>(f.form, "PopupMnuImage1")->actions().size(), 25);
        QCOMPARE(menuItem(f.form, 28)->text(), QStringLiteral("кс болгарская"));
        QVERIFY(!menuItem(f.form, 2)->isEnabled());
    }

    // Every screen the commands can reach, applied from the grid screen.
    void screens_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<bool>("sideShown");
        QTest::addColumn<bool>("sheetShown");
        QTest::addColumn<bool>("gridShown");
        QTest::addColumn<bool>("controlMenuShown");
        QTest::addColumn<QDate>("pickerMin");  // invalid: the limits are not this screen's
        QTest::addColumn<QDate>("pickerMax");
        const QString main = QStringLiteral("ГЛАВНОЕ   ОКНО   РАЗДЕЛА");
        const QString past = QStringLiteral("ПРОШЛОЕ   НАСТОЯЩЕЕ   БУДУЩЕЕ");
        const QString std = QStringLiteral("СТАНДАРТ   ПРЕДСТАВЛЕНИЯ   ДАТ");
        const QString chrono = QStringLiteral("ХРОНОЛОГИЯ   КАЛЕНДАРНОЙ   СИСТЕМЫ");
        const QString dating = QStringLiteral("ДАТИРОВКА   КАЛЕНДАРНОЙ   СИСТЕМЫ");
        const QString brief = QStringLiteral("КРАТКОЕ   ОПИСАНИЕ   СИСТЕМЫ");
        const QDate g1(2001, 1, 1), g2(2048, 12, 31), v1(1921, 3, 4), v2(2049, 3, 2), none;
        QTest::newRow("grid") << Screen{NoSystem, M::ProgramMain} << "КАЛЕНДАРНЫЙ   ПРОЕКТ   ОРИВАНТ" << "ГЛАВНОЕ   ОКНО   ПРОГРАММЫ" << true << false << true << false << none << none;
        QTest::newRow("interface") << Screen{NoSystem, M::Interface} << "ИНТЕРФЕЙС   КОМПЬЮТЕРНОЙ   ПРОГРАММЫ" << brief << true << true << false << false << none << none;
        QTest::newRow("control") << Screen{NoSystem, M::Control} << "МЕНЮ  РАЗДЕЛА  КОНТРОЛЬ" << "ОКНО  РАЗДЕЛА  КОНТРОЛЬ" << true << true << false << true << none << none;
        QTest::newRow("patent") << Screen{NoSystem, M::Control, PatentPage} << "ПАТЕНТ" << "ОКНО  РАЗДЕЛА  КОНТРОЛЬ" << true << true << false << false << none << none;
        QTest::newRow("zuv main") << Screen{Zuv, M::MainPage} << ZUV << main << true << true << false << false << none << none;
        QTest::newRow("gks main") << Screen{Gks, M::MainPage} << GKS << main << true << true << false << false << none << none;
        QTest::newRow("vrks main") << Screen{Vrks, M::MainPage} << VRKS << main << true << true << false << false << none << none;
        QTest::newRow("gks lilian") << Screen{Gks, M::JulianLilian} << GKS << "ФОРМАТ   СИСТЕМЫ   ЮЛИАНО-ЛИЛИАНСКИЙ" << false << true << false << false << none << none;
        QTest::newRow("gks standard") << Screen{Gks, M::GregorianStandard} << GKS << std << false << true << false << false << none << none;
        QTest::newRow("gks chronology") << Screen{Gks, M::Chronology} << GKS << chrono << false << true << false << false << none << none;
        QTest::newRow("gks dating") << Screen{Gks, M::Dating} << GKS << dating << false << true << false << false << none << none;
        QTest::newRow("gks dated") << Screen{Gks, M::DatedSheet} << GKS << past << false << true << false << false << g1 << g2;
        QTest::newRow("vrks annual") << Screen{Vrks, M::DateStandard} << VRKS << std << false << true << false << false << none << none;
        QTest::newRow("vrks yuga") << Screen{Vrks, M::YugaStandard} << VRKS << std << false << true << false << false << none << none;
        QTest::newRow("vrks dating") << Screen{Vrks, M::Dating} << VRKS << dating << false << true << false << false << none << none;
        QTest::newRow("vrks astro") << Screen{Vrks, M::Astronomical} << VRKS << "АСТРОНОМИЧЕСКИЙ   ФОРМАТ   СИСТЕМЫ" << false << true << false << false << none << none;
        QTest::newRow("vrks paschal") << Screen{Vrks, M::Paschal} << VRKS << "ПАСХАЛЬНЫЙ   ФОРМАТ   СИСТЕМЫ" << false << true << false << false << none << none;
        QTest::newRow("vrks year sheets") << Screen{Vrks, M::DatedSheet} << VRKS << past << false << true << false << false << v1 << v2;
        QTest::newRow("vrks calendar table") << Screen{Vrks, M::VrksCalendarTable} << VRKS << past << false << true << false << false << v1 << v2;
        QTest::newRow("vrks day table") << Screen{Vrks, M::VrksDayTable} << VRKS << past << false << true << false << false << v1 << v2;
        QTest::newRow("vrks chronology") << Screen{Vrks, M::Chronology} << VRKS << chrono << false << true << false << false << none << none;
        QTest::newRow("zuv brief") << Screen{Zuv, M::Description} << ZUV << brief << true << true << false << false << none << none;
        QTest::newRow("gks brief") << Screen{Gks, M::Description} << GKS << brief << true << true << false << false << none << none;
        QTest::newRow("vrks brief") << Screen{Vrks, M::Description} << VRKS << brief << true << true << false << false << none << none;
    }
    void screens() {
        QFETCH(Screen, screen);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(bool, sideShown);
        QFETCH(bool, sheetShown);
        QFETCH(bool, gridShown);
        QFETCH(bool, controlMenuShown);
        QFETCH(QDate, pickerMin);
        QFETCH(QDate, pickerMax);
        ShownForm f;
        TFormZUV& w = f.form;
        MonthCalendar* MCal = component<MonthCalendar>(w, "MCal");
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        QAction* vrks_tks = component<QAction>(w, "vrks_tks");
        QAction* grks_tks = component<QAction>(w, "grks_tks");
        QAction* mnu_vrks_spd = component<QAction>(w, "mnu_vrks_spd");
        QAction* mnu_grks_spd = component<QAction>(w, "mnu_grks_spd");
        // As a user gets there: a system's screens are reached through its main page.
        if (screen.system != NoSystem && screen.mode != M::MainPage) f.go({screen.system, M::MainPage});
        MCal->show();
        f.go(screen);
        QCOMPARE(component<AutoLabel>(w, "CurrentKSLabel")->text(), upper);
        QCOMPARE(component<AutoLabel>(w, "CurrentModeLabel")->text(), lower);
        QCOMPARE(component<Panel>(w, "MnuLeftPanel")->isVisible(), sideShown);
        QCOMPARE(component<ImageControl>(w, "RightImage")->isVisible(), sideShown);
        QCOMPARE(component<ScrollBox>(w, "StartPanel")->isVisible(), sheetShown);
        QCOMPARE(component<Panel>(w, "KSPanel")->isVisible(), gridShown);
        QCOMPARE(component<Panel>(w, "ControlMenuPanel")->isVisible(), controlMenuShown);
        QCOMPARE(w.State().BakMode, screen.mode);
        QCOMPARE(w.State().BakCurKS, screen.system);
        QCOMPARE(component<QAction>(w, "MnuMainWnd")->isEnabled(), screen.mode != M::ProgramMain);
        QVERIFY(!MCal->isVisible());  // the reset step (or the grid's own row) hides the picker
        if (pickerMin.isValid()) {
            QCOMPARE(MCal->MinDate(), pickerMin);
            QCOMPARE(MCal->MaxDate(), pickerMax);
            QVERIFY(Timer1->isActive());
        } else {
            QVERIFY(!Timer1->isActive());
        }
        // The section menu's items follow the system.
        if (screen.system == Gks) {
            QVERIFY(!vrks_tks->isVisible() && grks_tks->isVisible());
            QVERIFY(!mnu_vrks_spd->isVisible() && mnu_grks_spd->isVisible());
        } else if (screen.system == Vrks) {
            QVERIFY(vrks_tks->isVisible() && !grks_tks->isVisible());
            QVERIFY(mnu_vrks_spd->isVisible() && !mnu_grks_spd->isVisible());
        } else {
            QVERIFY(!vrks_tks->isVisible() && grks_tks->isVisible());
            QVERIFY(mnu_vrks_spd->isVisible() && mnu_grks_spd->isVisible());
        }
        // A sheet screen has its sheet and the system's emblem in all four corners.
        if (sheetShown && !controlMenuShown) QVERIFY(component<ImageControl>(w, "StartImage")->HasPicture());
        for (ImageControl* corner : components<ImageControl>(w, {"MnuImage1", "MnuImage2", "MnuImage3", "MnuImage4"})) QVERIFY(corner->HasPicture());
        QVERIFY2(f.recorder.messages.isEmpty(), qPrintable(f.recorder.messages.join(QLatin1Char('|'))));
    }

    // Applying the same pair again skips the reset: the picker stays open, the sheet stays.
    void repeatedSelectModeSkipsTheReset() {
        ShownForm f;
        TFormZUV& w = f.form;
        MonthCalendar* MCal = component<MonthCalendar>(w, "MCal");
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        f.go({Gks, M::Chronology});
        MCal->show();
        const qint64 before = StartImage->Picture().cacheKey();
        w.ShowScreen(w.CurrentScreen());
        QVERIFY(MCal->isVisible());
        QVERIFY(StartImage->HasPicture());
        f.go({Gks, M::Dating});
        QVERIFY(!MCal->isVisible());
        QVERIFY(StartImage->Picture().cacheKey() != before);
    }

    // After a Gregorian section, the VRKS main page swaps the twins; the ZUV page keeps "спд".
    void sectionMenuItemsFollowTheSystem() {
        ShownForm f;
        TFormZUV& w = f.form;
        QAction* vrks_tks = component<QAction>(w, "vrks_tks");
        QAction* mnu_vrks_spd = component<QAction>(w, "mnu_vrks_spd");
        QAction* grks_tks = component<QAction>(w, "grks_tks");
        QAction* mnu_grks_spd = component<QAction>(w, "mnu_grks_spd");
        Panel* MnuLeftPanel = component<Panel>(w, "MnuLeftPanel");
        f.go({Gks, M::Chronology});
        f.go({Vrks, M::MainPage});
        QVERIFY(vrks_tks->isVisible() && mnu_vrks_spd->isVisible());
        QVERIFY(!grks_tks->isVisible() && !mnu_grks_spd->isVisible());
        f.go({Zuv, M::MainPage});
        QVERIFY(grks_tks->isVisible() && !vrks_tks->isVisible());
        QVERIFY(mnu_vrks_spd->isVisible() && !mnu_grks_spd->isVisible());
        // The side hidden by a section screen stays hidden on a main page, and the grid shows it.
        f.go({Gks, M::Chronology});
        f.go({Gks, M::MainPage});
        QVERIFY(!MnuLeftPanel->isVisible());
        f.go({Gks, M::ProgramMain});
        QVERIFY(MnuLeftPanel->isVisible() && component<ImageControl>(w, "RightImage")->isVisible());
    }

    // ShowDataScreen: white → blue → red on dated screens; elsewhere nothing and no timer.
    void penCycleAndTimerRule() {
        ShownForm f;
        TFormZUV& w = f.form;
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        zuvtest::tick(w);
        QCOMPARE(w.State().PenColor, w.State().gdi_clWhite);
        QVERIFY(!Timer1->isActive());
        f.go({Gks, M::DatedSheet});
        QVERIFY(Timer1->isActive());
        const quint32 expected[] = {w.State().gdi_clBlue, w.State().gdi_clRed, w.State().gdi_clWhite, w.State().gdi_clBlue};
        for (quint32 colour : expected) {
            zuvtest::tick(w);
            QCOMPARE(w.State().PenColor, colour);
            QVERIFY(Timer1->isActive());
        }
        f.go({Gks, M::Chronology});
        QVERIFY(Timer1->isActive());  // leaving does not stop it; the next tick does
        zuvtest::tick(w);
        QVERIFY(!Timer1->isActive());
    }

    void sideSwitch() {
        ShownForm f;
        TFormZUV& w = f.form;
        Panel* KSAdvPanel = component<Panel>(w, "KSAdvPanel");
        f.go({Gks, M::MainPage});
        f.go({Gks, M::Chronology});  // a section screen hides the side
        QVERIFY(!component<Panel>(w, "MnuLeftPanel")->isVisible() && !component<ImageControl>(w, "RightImage")->isVisible());
        QCOMPARE(KSAdvPanel->geometry(), QRect(0, 0, 640, 465));
        f.go({Gks, M::ProgramMain});  // the grid shows it again
        QCOMPARE(KSAdvPanel->geometry(), QRect(193, 0, 417, 465));
    }

    // A message box carries the program's name and a Russian button; Qt's own standard
    // texts come in Russian once the translations are installed.
    void messageBoxInRussian() {
        QVERIFY(InstallRussianTranslations(*qApp));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QString title, button;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            button = box->buttons().value(0)->text();
            box->accept();
        });
        ShowMessage(QStringLiteral("Ресурс для даты 01.01.2100 не найден"));
        QCOMPARE(title, QStringLiteral("зувская календарная система"));
        QCOMPARE(button, QStringLiteral("ОК"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
