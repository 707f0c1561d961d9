// What each row of the screen table loads and in which order, read from the pictures the
// window asks the store for: every row's sheet and corner emblem, the titles' order, the
// dated rows' order of marking and corners; and the rules around the rows: the scroll
// position a screen keeps when shown again, a screen no row matches, closing the program.
#include "FrameTestSupport.h"


using namespace zuv;
using namespace zuvtest;

namespace {

// The pictures the window asks for while it shows a screen, in lower case.
struct RecordingStore {
    ResourceStore store = ResourceStore::embedded();
    QStringList asked;
    RecordingStore() {
        store.setStreamObserver([this](const QString& name) { asked << name.toLower(); });
    }
};

}  // namespace

class TestScreenRows : public QObject {
    Q_OBJECT
private slots:
    // The sheet and the corner emblem of every row (the dated rows' sheets are the markers').
    void sheetAndEmblemOfEveryRow_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("emblem");  // asked for once (the four corners copy it); the patent page
                                              // runs the control menu's row too, so twice there
        QTest::newRow("B grid") << Screen{NoSystem, M::ProgramMain} << "" << "ksimg0";
        QTest::newRow("C control") << Screen{NoSystem, M::Control} << "" << "ksimg0";
        QTest::newRow("D patent") << Screen{NoSystem, M::Control, PatentPage} << "patent" << "ksimg0";
        QTest::newRow("E zuv main") << Screen{Zuv, M::MainPage} << "mainzuv" << "ksimg1";
        QTest::newRow("F gks main") << Screen{Gks, M::MainPage} << "maingks" << "ksimg2";
        QTest::newRow("G vrks main") << Screen{Vrks, M::MainPage} << "mainvrks" << "ksimg3";
        QTest::newRow("H lilian") << Screen{Gks, M::JulianLilian} << "gks_spd_yuli" << "ksimg2";
        QTest::newRow("I gks standard") << Screen{Gks, M::GregorianStandard} << "gks_spd2" << "ksimg2";
        QTest::newRow("J gks chronology") << Screen{Gks, M::Chronology} << "grks_hks" << "ksimg2";
        QTest::newRow("K gks dating") << Screen{Gks, M::Dating} << "grks_dks" << "ksimg2";
        QTest::newRow("L gks dated") << Screen{Gks, M::DatedSheet} << "" << "ksimg2";
        QTest::newRow("M vrks annual") << Screen{Vrks, M::DateStandard} << "vrks_spd" << "ksimg3";
        QTest::newRow("N vrks yuga") << Screen{Vrks, M::YugaStandard} << "vrks_spd_yug" << "ksimg3";
        QTest::newRow("O vrks dating") << Screen{Vrks, M::Dating} << "vrks_dks" << "ksimg3";
        QTest::newRow("P astronomical") << Screen{Vrks, M::Astronomical} << "vrks_tfs_astro" << "ksimg3";
        QTest::newRow("Q paschal") << Screen{Vrks, M::Paschal} << "vrks_tfs_pas" << "ksimg3";
        QTest::newRow("R vrks year sheets") << Screen{Vrks, M::DatedSheet} << "" << "ksimg3";
        QTest::newRow("S calendar table") << Screen{Vrks, M::VrksCalendarTable} << "" << "ksimg3";
        QTest::newRow("T day table") << Screen{Vrks, M::VrksDayTable} << "" << "ksimg3";
        QTest::newRow("U vrks chronology") << Screen{Vrks, M::Chronology} << "vrks_hks" << "ksimg3";
        QTest::newRow("V zuv description") << Screen{Zuv, M::Description} << "anons_zuv" << "ksimg1";
        QTest::newRow("W gks description") << Screen{Gks, M::Description} << "anons_grks" << "ksimg2";
        QTest::newRow("X vrks description") << Screen{Vrks, M::Description} << "anons_vrks" << "ksimg3";
        QTest::newRow("Y interface") << Screen{NoSystem, M::Interface} << "anons_gop" << "ksimg0";
    }
    void sheetAndEmblemOfEveryRow() {
        QFETCH(Screen, screen);
        QFETCH(QString, sheet);
        QFETCH(QString, emblem);
        RecordingStore pictures;
        ShownForm f;
        f.form.SetResourceStore(&pictures.store);
        // From the grid along a user's road; only the last step's loads are recorded.
        if (screen.system != NoSystem && screen.mode != M::MainPage) f.apply({screen.system, M::MainPage});
        if (screen.page == PatentPage) f.apply({screen.system, M::Control});
        pictures.asked.clear();
        f.apply(screen);
        const QString asked = pictures.asked.join(QLatin1Char(' '));
        QVERIFY2(pictures.asked.count(emblem) == (screen.page == PatentPage ? 2 : 1), qPrintable(asked));
        if (!sheet.isEmpty()) QVERIFY2(pictures.asked.contains(sheet), qPrintable(asked));
        QVERIFY(f.recorder.messages.isEmpty());
    }

    // The main pages set the lower title first, every other row the upper one first; the
    // first new size each caption takes tells which text came first.
    void titleOrder_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QString>("first");
        QTest::newRow("E zuv main") << Screen{Zuv, M::MainPage} << "CurrentModeLabel";
        QTest::newRow("F gks main") << Screen{Gks, M::MainPage} << "CurrentModeLabel";
        QTest::newRow("G vrks main") << Screen{Vrks, M::MainPage} << "CurrentModeLabel";
        QTest::newRow("W gks description") << Screen{Gks, M::Description} << "CurrentKSLabel";
        QTest::newRow("Y interface") << Screen{NoSystem, M::Interface} << "CurrentKSLabel";
    }
    void titleOrder() {
        QFETCH(Screen, screen);
        QFETCH(QString, first);
        ShownForm f;
        QStringList resized;
        struct Watch : QObject {
            QStringList* resized;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Resize) *resized << o->objectName();
                return false;
            }
        } watch;
        watch.resized = &resized;
        for (const char* name : {"CurrentKSLabel", "CurrentModeLabel"}) component<AutoLabel>(f.form, name)->installEventFilter(&watch);
        f.apply(screen);
        QVERIFY(resized.size() >= 2);
        QCOMPARE(resized.first(), first);
    }

    // On the Gregorian sheets the corners wait for the marking, and a failed marking leaves
    // them empty; the VRKS dated rows load the corners first.
    void datedRowsOrder_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("asked");  // from the screen's first load on
        QTest::addColumn<bool>("cornersShown");
        QTest::newRow("L drew") << Screen{Gks, M::DatedSheet} << QDate(2006, 6, 15) << QStringList{"gs2005", "ksimg2"} << true;
        QTest::newRow("L failed") << Screen{Gks, M::DatedSheet} << QDate(2100, 1, 1) << QStringList{} << false;
        QTest::newRow("R drew") << Screen{Vrks, M::DatedSheet} << QDate(2006, 6, 15) << QStringList{"ksimg3", "vr2005"} << true;
        QTest::newRow("R failed") << Screen{Vrks, M::DatedSheet} << QDate(1900, 1, 1) << QStringList{"ksimg3"} << true;
        QTest::newRow("T drew") << Screen{Vrks, M::VrksDayTable} << QDate(2006, 6, 15) << QStringList{"ksimg3", "vr502_day"} << true;
    }
    void datedRowsOrder() {
        QFETCH(Screen, screen);
        QFETCH(QDate, today);
        QFETCH(QStringList, asked);
        QFETCH(bool, cornersShown);
        FixedToday fixed(today);
        RecordingStore pictures;
        MessageRecorder recorder;
        TFormZUV w;
        w.SetResourceStore(&pictures.store);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.ShowScreen({screen.system, M::MainPage});
        pictures.asked.clear();
        w.ShowScreen(screen);
        QCOMPARE(pictures.asked, asked);
        for (ImageControl* corner : components<ImageControl>(w, {"MnuImage1", "MnuImage2", "MnuImage3", "MnuImage4"}))
            QCOMPARE(corner->HasPicture(), cornersShown);
    }

    // Shown again, a screen keeps where the enlarged sheet was scrolled; a new screen starts
    // from the middle's left quarter.
    void scrollKeptOnTheSameScreen() {
        ShownForm f;
        ScrollBox* StartPanel = component<ScrollBox>(f.form, "StartPanel");
        f.reach({Gks, M::Chronology});
        menuItem(f.form, 33)->trigger();
        StartPanel->SetHorzPosition(17);
        f.apply(f.screen());
        QCOMPARE(StartPanel->HorzPosition(), 17);
        f.apply({Gks, M::Dating});
        const int range = StartPanel->HorzRange();
        QCOMPARE(StartPanel->HorzPosition(), range / 2 - range / 4);
    }

    // A system and screen no row names: the titles stay, the sheet is cleared, nothing is said.
    void unmatchedScreen() {
        ShownForm f;
        f.reach({Gks, M::Chronology});
        f.apply({Zuv, M::Dating});
        QCOMPARE(component<AutoLabel>(f.form, "CurrentKSLabel")->text(), QStringLiteral("ГРИГОРИАНСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА"));
        QCOMPARE(component<AutoLabel>(f.form, "CurrentModeLabel")->text(), QStringLiteral("ХРОНОЛОГИЯ   КАЛЕНДАРНОЙ   СИСТЕМЫ"));
        QVERIFY(!component<ImageControl>(f.form, "StartImage")->HasPicture());
        QVERIFY(f.recorder.messages.isEmpty());
    }

    // "закрыть программу" closes the window, and with it the program: closing it quits.
    void closeCommandEndsTheProgram() {
        ShownForm f;
        f.reach({Gks, M::DatedSheet});
        QVERIFY(component<QTimer>(f.form, "Timer1")->isActive());
        menuItem(f.form, 3)->trigger();
        QVERIFY(!f.form.isVisible());
        QVERIFY(f.form.testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(!component<QTimer>(f.form, "Timer1")->isActive());
        QVERIFY(f.form.State().VRKSData.isEmpty());  // the day table is let go on the way out
    }
};

QTEST_MAIN(TestScreenRows)
#include "tst_screenrows.moc"
