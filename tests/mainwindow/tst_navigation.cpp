// The commands over the whole screen graph: from a screen reached as a user reaches it, one
// command (a menu item, a grid icon or a menu label, through its real action or widget) gives
// the next screen, applied by SelectMode, or changes nothing at all.
#include "FrameTestSupport.h"

using namespace zuv;
using namespace zuvtest;  // the screens' short names
using zuvtest::component;
using zuvtest::menuItem;
using zuvtest::Screen;
using zuvtest::ShownForm;

namespace {

// Runs a command by its component's name: a menu item is triggered, a control is clicked.
void run(TFormZUV& w, const QString& command) {
    if (QAction* action = w.findChild<QAction*>(command)) {
        action->trigger();
        return;
    }
    QWidget* widget = w.findChild<QWidget*>(command);
    QVERIFY2(widget, qPrintable(command));
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, widget->height() / 2));
}

// Changes whenever SelectMode applies a screen: every screen redraws its corner pictures.
qint64 cornerPicture(const TFormZUV& w) { return component<ImageControl>(w, "MnuImage1")->Picture().cacheKey(); }

}  // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void commands_data() {
        QTest::addColumn<QList<Screen>>("road");
        QTest::addColumn<QString>("command");
        QTest::addColumn<Screen>("result");
        QTest::addColumn<bool>("applied");  // SelectMode ran (even for the same screen)

        const QList<Screen> grid{{NoSystem, M::ProgramMain}};
        const QList<Screen> interface{{NoSystem, M::ProgramMain}, {NoSystem, M::Interface}};
        const QList<Screen> control{{NoSystem, M::Control}};
        const QList<Screen> patent{{NoSystem, M::Control}, {NoSystem, M::Control, PatentPage}};
        const QList<Screen> gksMain{{Gks, M::MainPage}};
        const QList<Screen> vrksMain{{Vrks, M::MainPage}};
        const QList<Screen> zuvMain{{Zuv, M::MainPage}};
        const QList<Screen> gksChronology{{Gks, M::MainPage}, {Gks, M::Chronology}};
        const QList<Screen> gksDescription{{Gks, M::MainPage}, {Gks, M::Description}};
        const QList<Screen> vrksYearSheets{{Vrks, M::MainPage}, {Vrks, M::VrksDayTable}, {Vrks, M::VrksCalendarTable}, {Vrks, M::DatedSheet}};
        const QList<Screen> vrksDayTable{{Vrks, M::MainPage}, {Vrks, M::VrksDayTable}};
        const QList<Screen> gksGrid{{Gks, M::MainPage}, {Gks, M::Chronology}, {Gks, M::ProgramMain}};
        const QList<Screen> vrksInterface{{Vrks, M::MainPage}, {Vrks, M::ProgramMain}, {Vrks, M::Interface}};
        const QList<Screen> gksControl{{Gks, M::MainPage}, {Gks, M::Control}};
        const QList<Screen> gksPatent{{Gks, M::MainPage}, {Gks, M::Control}, {Gks, M::Control, PatentPage}};
        const QList<Screen> zuvDescription{{Zuv, M::MainPage}, {Zuv, M::Description}};

        auto row = [](const char* name, const QList<Screen>& road, const char* command, Screen result, bool applied) {
            QTest::newRow(name) << road << QString::fromLatin1(command) << result << applied;
        };
        // The grid: the three systems, the interface guide, the control section; the other
        // icons, items and labels do nothing.
        row("grid N4", grid, "N4", {Zuv, M::MainPage}, true);
        row("grid N5", grid, "N5", {Gks, M::MainPage}, true);
        row("grid N6", grid, "N6", {Vrks, M::MainPage}, true);
        row("grid KSimg1", grid, "KSimg1", {Zuv, M::MainPage}, true);
        row("grid KSimg2", grid, "KSimg2", {Gks, M::MainPage}, true);
        row("grid KSimg3", grid, "KSimg3", {Vrks, M::MainPage}, true);
        for (int n = 4; n <= 25; ++n)
            QTest::addRow("grid KSimg%d", n) << grid << QStringLiteral("KSimg%1").arg(n) << Screen{NoSystem, M::ProgramMain} << false;
        for (int n = 7; n <= 28; ++n)
            QTest::addRow("grid N%d", n) << grid << QStringLiteral("N%1").arg(n) << Screen{NoSystem, M::ProgramMain} << false;
        row("grid N32", grid, "N32", {NoSystem, M::Interface}, true);
        row("grid mnu1", grid, "mnu1", {NoSystem, M::ProgramMain}, true);
        row("grid mnu2", grid, "mnu2", {NoSystem, M::ProgramMain}, false);
        row("grid mnu3", grid, "mnu3", {NoSystem, M::ProgramMain}, false);
        row("grid Mnu4", grid, "Mnu4", {NoSystem, M::ProgramMain}, false);
        row("grid mnu5", grid, "mnu5", {NoSystem, M::ProgramMain}, false);
        row("grid mnu6", grid, "mnu6", {NoSystem, M::Control}, true);
        row("grid mnu7", grid, "mnu7", {NoSystem, M::ProgramMain}, false);
        row("grid MnuMainWnd (disabled)", grid, "MnuMainWnd", {NoSystem, M::ProgramMain}, false);
        row("grid MMLabelZUV", grid, "MMLabelZUV", {NoSystem, M::ProgramMain}, false);

        row("interface N32", interface, "N32", {NoSystem, M::Interface}, true);
        row("interface MnuMainWnd", interface, "MnuMainWnd", {NoSystem, M::ProgramMain}, true);
        row("interface mnu1", interface, "mnu1", {NoSystem, M::ProgramMain}, true);
        row("interface N6", interface, "N6", {Vrks, M::MainPage}, true);

        row("control patent", control, "LabelControlPatent", {NoSystem, M::Control, PatentPage}, true);
        row("control licence label", control, "LabelControlLic", {NoSystem, M::Control}, false);
        row("control plagiarism label", control, "LabelControlPlagiat", {NoSystem, M::Control}, false);
        row("control mnu6", control, "mnu6", {NoSystem, M::Control}, true);
        row("control N4", control, "N4", {Zuv, M::MainPage}, true);
        row("control MnuMainWnd", control, "MnuMainWnd", {NoSystem, M::ProgramMain}, true);

        // The patent page keeps PatentMode until mnu6 resets it.
        row("patent mnu6", patent, "mnu6", {NoSystem, M::Control}, true);
        row("patent N5", patent, "N5", {Gks, M::MainPage, PatentPage}, true);
        row("patent N6", patent, "N6", {Vrks, M::MainPage, PatentPage}, true);
        row("patent mnu1", patent, "mnu1", {NoSystem, M::ProgramMain, PatentPage}, true);
        row("patent MnuMainWnd", patent, "MnuMainWnd", {NoSystem, M::ProgramMain, PatentPage}, true);

        row("gks main N42", gksMain, "N42", {Gks, M::DatedSheet}, true);
        row("gks main mnu_grks_spd", gksMain, "mnu_grks_spd", {Gks, M::GregorianStandard}, true);
        row("gks main N30", gksMain, "N30", {Gks, M::Dating}, true);
        row("gks main N31", gksMain, "N31", {Gks, M::Chronology}, true);
        row("gks main N29", gksMain, "N29", {Gks, M::JulianLilian}, true);
        row("gks main N32", gksMain, "N32", {Gks, M::Description}, true);
        row("gks main MnuMainWnd", gksMain, "MnuMainWnd", {Gks, M::ProgramMain}, true);
        row("gks main mnu1", gksMain, "mnu1", {Gks, M::ProgramMain}, true);
        row("gks main mnu6", gksMain, "mnu6", {Gks, M::Control}, true);
        row("gks main mnu3", gksMain, "mnu3", {Gks, M::MainPage}, false);
        row("gks main N4", gksMain, "N4", {Zuv, M::MainPage}, true);
        row("gks main N6", gksMain, "N6", {Vrks, M::MainPage}, true);
        row("gks main N5 again", gksMain, "N5", {Gks, M::MainPage}, true);

        row("vrks main N42", vrksMain, "N42", {Vrks, M::VrksDayTable}, true);
        row("vrks main N40", vrksMain, "N40", {Vrks, M::DateStandard}, true);
        row("vrks main N41", vrksMain, "N41", {Vrks, M::YugaStandard}, true);
        row("vrks main N30", vrksMain, "N30", {Vrks, M::Dating}, true);
        row("vrks main N31", vrksMain, "N31", {Vrks, M::Chronology}, true);
        row("vrks main N38", vrksMain, "N38", {Vrks, M::Astronomical}, true);
        row("vrks main N39", vrksMain, "N39", {Vrks, M::Paschal}, true);
        row("vrks main N32", vrksMain, "N32", {Vrks, M::Description}, true);

        // N42 leaves a ZUV screen as it is (its menu does not open there) but applies it again.
        row("zuv main N42", zuvMain, "N42", {Zuv, M::MainPage}, true);
        row("zuv main N32", zuvMain, "N32", {Zuv, M::Description}, true);
        row("zuv main N5", zuvMain, "N5", {Gks, M::MainPage}, true);
        row("zuv description N32", zuvDescription, "N32", {Zuv, M::Description}, true);

        row("gks chronology N32", gksChronology, "N32", {Gks, M::Description}, true);
        row("gks chronology N42", gksChronology, "N42", {Gks, M::DatedSheet}, true);
        row("gks chronology N29", gksChronology, "N29", {Gks, M::JulianLilian}, true);
        row("gks chronology N5", gksChronology, "N5", {Gks, M::MainPage}, true);
        row("gks chronology MnuMainWnd", gksChronology, "MnuMainWnd", {Gks, M::ProgramMain}, true);
        row("gks description N32", gksDescription, "N32", {Gks, M::Description}, true);
        row("gks description mnu1", gksDescription, "mnu1", {Gks, M::ProgramMain}, true);

        row("vrks year sheets N42", vrksYearSheets, "N42", {Vrks, M::VrksDayTable}, true);
        row("vrks year sheets N32", vrksYearSheets, "N32", {Vrks, M::Description}, true);
        row("vrks year sheets N40", vrksYearSheets, "N40", {Vrks, M::DateStandard}, true);
        row("vrks day table N31", vrksDayTable, "N31", {Vrks, M::Chronology}, true);
        row("vrks day table N42", vrksDayTable, "N42", {Vrks, M::VrksDayTable}, true);

        // The grid with a system chosen: N32 still means the interface guide.
        row("gks grid N32", gksGrid, "N32", {Gks, M::Interface}, true);
        row("gks grid KSimg2", gksGrid, "KSimg2", {Gks, M::MainPage}, true);
        row("gks grid KSimg9", gksGrid, "KSimg9", {Gks, M::ProgramMain}, false);
        row("vrks interface N32", vrksInterface, "N32", {Vrks, M::Interface}, true);
        row("gks control mnu1", gksControl, "mnu1", {Gks, M::ProgramMain}, true);
        row("gks control patent", gksControl, "LabelControlPatent", {Gks, M::Control, PatentPage}, true);
        row("gks patent mnu6", gksPatent, "mnu6", {Gks, M::Control}, true);
    }
    void commands() {
        QFETCH(QList<Screen>, road);
        QFETCH(QString, command);
        QFETCH(Screen, result);
        QFETCH(bool, applied);
        ShownForm f;
        TFormZUV& w = f.form;
        for (const Screen& s : road) f.apply(s);
        QCOMPARE(f.screen(), road.last());
        const qint64 before = cornerPicture(w);
        run(w, command);
        QVERIFY2(f.screen() == result, qPrintable(QStringLiteral("got %1").arg(zuvtest::describe(f.screen()))));
        QCOMPARE(w.State().BakCurKS, result.system);
        QCOMPARE(w.State().BakMode, result.mode);
        QCOMPARE(cornerPicture(w) != before, applied);
        QVERIFY(f.openMenus().isEmpty());
        QVERIFY2(f.recorder.messages.isEmpty(), qPrintable(f.recorder.messages.join(QLatin1Char('|'))));
    }

    // The section menu's entries by themselves: only "главная" and "контроль" lead anywhere,
    // and never to another system.
    void sectionEntries_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<Screen>("result");
        QTest::addColumn<bool>("applied");
        for (const char* entry : {"mnu2", "mnu3", "Mnu4", "mnu5", "mnu7"})
            QTest::newRow(entry) << entry << Screen{Vrks, M::Astronomical, PatentPage} << false;
        QTest::newRow("mnu1") << "mnu1" << Screen{Vrks, M::ProgramMain, PatentPage} << true;
        QTest::newRow("mnu6") << "mnu6" << Screen{Vrks, M::Control} << true;
    }
    void sectionEntries() {
        QFETCH(QString, entry);
        QFETCH(Screen, result);
        QFETCH(bool, applied);
        ShownForm f;
        TFormZUV& w = f.form;
        f.apply({Vrks, M::MainPage});
        f.apply({Vrks, M::Astronomical, PatentPage});  // the page left over from a visit to the patent
        const qint64 before = cornerPicture(w);
        run(w, entry);
        QVERIFY2(f.screen() == result, qPrintable(zuvtest::describe(f.screen())));
        QCOMPARE(cornerPicture(w) != before, applied);
    }

    // Returning to the grid keeps the system; choosing it again from the grid is a new pair
    // and so starts from a clean view (the open picker is hidden).
    void backToTheGridAndTheSameSystem() {
        ShownForm f;
        TFormZUV& w = f.form;
        QAction* MnuMainWnd = component<QAction>(w, "MnuMainWnd");
        MonthCalendar* MCal = component<MonthCalendar>(w, "MCal");
        f.apply({Gks, M::MainPage});
        MnuMainWnd->trigger();
        QCOMPARE(f.screen(), (Screen{Gks, M::ProgramMain}));
        QVERIFY(!MnuMainWnd->isEnabled());
        MCal->show();
        QTest::mouseClick(component<ImageControl>(w, "KSimg2"), Qt::LeftButton);
        QCOMPARE(f.screen(), (Screen{Gks, M::MainPage}));
        QVERIFY(MnuMainWnd->isEnabled());
        QVERIFY(!MCal->isVisible());
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
