// The commands over the whole screen graph: from a screen reached as a user reaches it, one
// command (a menu item, a grid icon or a menu label, through its real action or widget) gives
// the next screen, applied by SelectMode, or changes nothing at all.
#include "FrameTestSupport.h"

using namespace zuv;
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

        const QList<Screen> grid{{0, 7, 0}};
        const QList<Screen> interface{{0, 7, 0}, {0, 8, 0}};
        const QList<Screen> control{{0, 17, 0}};
        const QList<Screen> patent{{0, 17, 0}, {0, 17, 18}};
        const QList<Screen> gksMain{{1, 100, 0}};
        const QList<Screen> vrksMain{{2, 100, 0}};
        const QList<Screen> zuvMain{{4, 100, 0}};
        const QList<Screen> gksChronology{{1, 100, 0}, {1, 2, 0}};
        const QList<Screen> gksDescription{{1, 100, 0}, {1, 5, 0}};
        const QList<Screen> vrksYearSheets{{2, 100, 0}, {2, 11, 0}, {2, 12, 0}, {2, 6, 0}};
        const QList<Screen> vrksDayTable{{2, 100, 0}, {2, 11, 0}};
        const QList<Screen> gksGrid{{1, 100, 0}, {1, 2, 0}, {1, 7, 0}};
        const QList<Screen> vrksInterface{{2, 100, 0}, {2, 7, 0}, {2, 8, 0}};
        const QList<Screen> gksControl{{1, 100, 0}, {1, 17, 0}};
        const QList<Screen> gksPatent{{1, 100, 0}, {1, 17, 0}, {1, 17, 18}};
        const QList<Screen> zuvDescription{{4, 100, 0}, {4, 5, 0}};

        auto row = [](const char* name, const QList<Screen>& road, const char* command, Screen result, bool applied) {
            QTest::newRow(name) << road << QString::fromLatin1(command) << result << applied;
        };
        // The grid: the three systems, the interface guide, the control section; the other
        // icons, items and labels do nothing.
        row("grid N4", grid, "N4", {4, 100, 0}, true);
        row("grid N5", grid, "N5", {1, 100, 0}, true);
        row("grid N6", grid, "N6", {2, 100, 0}, true);
        row("grid KSimg1", grid, "KSimg1", {4, 100, 0}, true);
        row("grid KSimg2", grid, "KSimg2", {1, 100, 0}, true);
        row("grid KSimg3", grid, "KSimg3", {2, 100, 0}, true);
        for (int n = 4; n <= 25; ++n)
            QTest::addRow("grid KSimg%d", n) << grid << QStringLiteral("KSimg%1").arg(n) << Screen{0, 7, 0} << false;
        for (int n = 7; n <= 28; ++n)
            QTest::addRow("grid N%d", n) << grid << QStringLiteral("N%1").arg(n) << Screen{0, 7, 0} << false;
        row("grid N32", grid, "N32", {0, 8, 0}, true);
        row("grid mnu1", grid, "mnu1", {0, 7, 0}, true);
        row("grid mnu2", grid, "mnu2", {0, 7, 0}, false);
        row("grid mnu3", grid, "mnu3", {0, 7, 0}, false);
        row("grid Mnu4", grid, "Mnu4", {0, 7, 0}, false);
        row("grid mnu5", grid, "mnu5", {0, 7, 0}, false);
        row("grid mnu6", grid, "mnu6", {0, 17, 0}, true);
        row("grid mnu7", grid, "mnu7", {0, 7, 0}, false);
        row("grid MnuMainWnd (disabled)", grid, "MnuMainWnd", {0, 7, 0}, false);
        row("grid MMLabelZUV", grid, "MMLabelZUV", {0, 7, 0}, false);

        row("interface N32", interface, "N32", {0, 8, 0}, true);
        row("interface MnuMainWnd", interface, "MnuMainWnd", {0, 7, 0}, true);
        row("interface mnu1", interface, "mnu1", {0, 7, 0}, true);
        row("interface N6", interface, "N6", {2, 100, 0}, true);

        row("control patent", control, "LabelControlPatent", {0, 17, 18}, true);
        row("control licence label", control, "LabelControlLic", {0, 17, 0}, false);
        row("control plagiarism label", control, "LabelControlPlagiat", {0, 17, 0}, false);
        row("control mnu6", control, "mnu6", {0, 17, 0}, true);
        row("control N4", control, "N4", {4, 100, 0}, true);
        row("control MnuMainWnd", control, "MnuMainWnd", {0, 7, 0}, true);

        // The patent page keeps PatentMode until mnu6 resets it.
        row("patent mnu6", patent, "mnu6", {0, 17, 0}, true);
        row("patent N5", patent, "N5", {1, 100, 18}, true);
        row("patent N6", patent, "N6", {2, 100, 18}, true);
        row("patent mnu1", patent, "mnu1", {0, 7, 18}, true);
        row("patent MnuMainWnd", patent, "MnuMainWnd", {0, 7, 18}, true);

        row("gks main N42", gksMain, "N42", {1, 6, 0}, true);
        row("gks main mnu_grks_spd", gksMain, "mnu_grks_spd", {1, 15, 0}, true);
        row("gks main N30", gksMain, "N30", {1, 3, 0}, true);
        row("gks main N31", gksMain, "N31", {1, 2, 0}, true);
        row("gks main N29", gksMain, "N29", {1, 16, 0}, true);
        row("gks main N32", gksMain, "N32", {1, 5, 0}, true);
        row("gks main MnuMainWnd", gksMain, "MnuMainWnd", {1, 7, 0}, true);
        row("gks main mnu1", gksMain, "mnu1", {1, 7, 0}, true);
        row("gks main mnu6", gksMain, "mnu6", {1, 17, 0}, true);
        row("gks main mnu3", gksMain, "mnu3", {1, 100, 0}, false);
        row("gks main N4", gksMain, "N4", {4, 100, 0}, true);
        row("gks main N6", gksMain, "N6", {2, 100, 0}, true);
        row("gks main N5 again", gksMain, "N5", {1, 100, 0}, true);

        row("vrks main N42", vrksMain, "N42", {2, 11, 0}, true);
        row("vrks main N40", vrksMain, "N40", {2, 1, 0}, true);
        row("vrks main N41", vrksMain, "N41", {2, 14, 0}, true);
        row("vrks main N30", vrksMain, "N30", {2, 3, 0}, true);
        row("vrks main N31", vrksMain, "N31", {2, 2, 0}, true);
        row("vrks main N38", vrksMain, "N38", {2, 9, 0}, true);
        row("vrks main N39", vrksMain, "N39", {2, 10, 0}, true);
        row("vrks main N32", vrksMain, "N32", {2, 5, 0}, true);

        // N42 leaves a ZUV screen as it is (its menu does not open there) but applies it again.
        row("zuv main N42", zuvMain, "N42", {4, 100, 0}, true);
        row("zuv main N32", zuvMain, "N32", {4, 5, 0}, true);
        row("zuv main N5", zuvMain, "N5", {1, 100, 0}, true);
        row("zuv description N32", zuvDescription, "N32", {4, 5, 0}, true);

        row("gks chronology N32", gksChronology, "N32", {1, 5, 0}, true);
        row("gks chronology N42", gksChronology, "N42", {1, 6, 0}, true);
        row("gks chronology N29", gksChronology, "N29", {1, 16, 0}, true);
        row("gks chronology N5", gksChronology, "N5", {1, 100, 0}, true);
        row("gks chronology MnuMainWnd", gksChronology, "MnuMainWnd", {1, 7, 0}, true);
        row("gks description N32", gksDescription, "N32", {1, 5, 0}, true);
        row("gks description mnu1", gksDescription, "mnu1", {1, 7, 0}, true);

        row("vrks year sheets N42", vrksYearSheets, "N42", {2, 11, 0}, true);
        row("vrks year sheets N32", vrksYearSheets, "N32", {2, 5, 0}, true);
        row("vrks year sheets N40", vrksYearSheets, "N40", {2, 1, 0}, true);
        row("vrks day table N31", vrksDayTable, "N31", {2, 2, 0}, true);
        row("vrks day table N42", vrksDayTable, "N42", {2, 11, 0}, true);

        // The grid with a system chosen: N32 still means the interface guide.
        row("gks grid N32", gksGrid, "N32", {1, 8, 0}, true);
        row("gks grid KSimg2", gksGrid, "KSimg2", {1, 100, 0}, true);
        row("gks grid KSimg9", gksGrid, "KSimg9", {1, 7, 0}, false);
        row("vrks interface N32", vrksInterface, "N32", {2, 8, 0}, true);
        row("gks control mnu1", gksControl, "mnu1", {1, 7, 0}, true);
        row("gks control patent", gksControl, "LabelControlPatent", {1, 17, 18}, true);
        row("gks patent mnu6", gksPatent, "mnu6", {1, 17, 0}, true);
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
        QCOMPARE(w.BakCurKS, result.ks);
        QCOMPARE(w.BakMode, result.mode);
        QCOMPARE(cornerPicture(w) != before, applied);
        QVERIFY(f.openMenus().isEmpty());
        QVERIFY2(f.recorder.messages.isEmpty(), qPrintable(f.recorder.messages.join(QLatin1Char('|'))));
    }

    // The section menu's index rule by itself: only 1 and 6 lead anywhere, and never to
    // another system.
    void selectMnuPos_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<Screen>("result");
        QTest::addColumn<bool>("applied");
        for (int index : {0, 2, 3, 4, 5, 7, 10}) QTest::addRow("index %d", index) << index << Screen{2, 9, 18} << false;
        QTest::newRow("index 1") << 1 << Screen{2, 7, 18} << true;
        QTest::newRow("index 6") << 6 << Screen{2, 17, 0} << true;
    }
    void selectMnuPos() {
        QFETCH(int, index);
        QFETCH(Screen, result);
        QFETCH(bool, applied);
        ShownForm f;
        TFormZUV& w = f.form;
        f.apply({2, 100, 0});
        f.apply({2, 9, 0});
        w.PatentMode = 18;  // left over from a visit to the patent page
        const qint64 before = cornerPicture(w);
        w.SelectMnuPos(index);
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
        f.apply({1, 100, 0});
        MnuMainWnd->trigger();
        QCOMPARE(f.screen(), (Screen{1, 7, 0}));
        QVERIFY(!MnuMainWnd->isEnabled());
        MCal->show();
        QTest::mouseClick(component<ImageControl>(w, "KSimg2"), Qt::LeftButton);
        QCOMPARE(f.screen(), (Screen{1, 100, 0}));
        QVERIFY(MnuMainWnd->isEnabled());
        QVERIFY(!MCal->isVisible());
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
