// The section menu and the control menu under the pointer: the entry the pointer moves over is
// enlarged (and the section menu placed again), the background resets them, and nothing else
// changes them.
#include "FrameTestSupport.h"
#include "core/FrameLayout.h"

using namespace zuv;
using namespace zuvtest;  // the screens' short names
using zuvtest::component;
using zuvtest::components;
using zuvtest::menuItem;
using zuvtest::pointerTo;
using zuvtest::ShownForm;

namespace {

QList<AutoLabel*> entries(const TFormZUV& w) { return components<AutoLabel>(w, {"mnu1", "mnu2", "mnu3", "Mnu4", "mnu5", "mnu6", "mnu7"}); }
QList<AutoLabel*> sectionLabels(const TFormZUV& w) {
    return components<AutoLabel>(w, {"MMLabelZUV", "MMLabel1"}) + entries(w);
}
QList<AutoLabel*> controlLabels(const TFormZUV& w) {
    return components<AutoLabel>(w, {"LabelControlPatent", "LabelControlLic", "LabelControlDostup", "LabelControlDopusk", "LabelControlPlagiat"});
}

// Entry `enlarged` (1 … 7, or none) at 16 points, the others at 12.
void verifyEntrySizes(const TFormZUV& w, int enlarged) {
    const QList<AutoLabel*> list = entries(w);
    for (int i = 0; i < list.size(); ++i)
        QCOMPARE(list.at(i)->font().pointSize(), i + 1 == enlarged ? 16 : 12);
}

// Every label centred across the panel at its fraction of the panel's height.
void verifyPlaced(const TFormZUV& w) {
    const QList<AutoLabel*> labels = sectionLabels(w);
    const int h = component<Panel>(w, "MnuLeftPanel")->height();
    for (int i = 0; i < labels.size(); ++i) {
        QCOMPARE(labels.at(i)->x(), component<Panel>(w, "MnuLeftPanel")->width() / 2 - labels.at(i)->width() / 2);
        QCOMPARE(labels.at(i)->y(), sectionLabelTop(h, i));
    }
}

// A point of the panel's background that no label covers (nor mnu1 moved to the corner).
QPoint backgroundPoint() { return QPoint(180, 20); }

}  // namespace

class TestSectionMenu : public QObject {
    Q_OBJECT
private slots:
    void startUp() {
        ShownForm f;
        QCOMPARE(SelectMnuIndex, 10);
        QCOMPARE(SelectControlMnuIndex, 0);
        verifyEntrySizes(f.form, 0);
        verifyPlaced(f.form);
        QCOMPARE(component<AutoLabel>(f.form, "mnu1")->y(), 195);
        QCOMPARE(component<AutoLabel>(f.form, "mnu7")->y(), 437);
    }

    // Moving onto an entry enlarges it alone and places the labels again.
    void enterEntry_data() {
        QTest::addColumn<int>("index");
        for (int i = 1; i <= 7; ++i) QTest::addRow("entry %d", i) << i;
    }
    void enterEntry() {
        QFETCH(int, index);
        ShownForm f;
        TFormZUV& w = f.form;
        AutoLabel* entry = entries(w).at(index - 1);
        const int normalWidth = entry->width();
        pointerTo(entry);
        QCOMPARE(SelectMnuIndex, index);
        verifyEntrySizes(w, index);
        QVERIFY(entry->width() > normalWidth);
        verifyPlaced(w);
        // The next entry takes over; the previous one shrinks back.
        AutoLabel* next = entries(w).at(index % 7);
        pointerTo(next);
        QCOMPARE(SelectMnuIndex, index % 7 + 1);
        verifyEntrySizes(w, index % 7 + 1);
        QCOMPARE(entry->width(), normalWidth);
        verifyPlaced(w);
    }

    // Further movement within the entry changes nothing and places nothing again.
    void moveWithinEntry() {
        ShownForm f;
        TFormZUV& w = f.form;
        AutoLabel* mnu3 = component<AutoLabel>(w, "mnu3");
        AutoLabel* mnu1 = component<AutoLabel>(w, "mnu1");
        pointerTo(mnu3);
        mnu1->move(0, 0);  // a label out of place shows whether placing ran again
        pointerTo(mnu3, QPoint(2, 2));
        pointerTo(mnu3, QPoint(mnu3->width() - 3, mnu3->height() - 3));
        QCOMPARE(SelectMnuIndex, 3);
        verifyEntrySizes(w, 3);
        QCOMPARE(mnu1->pos(), QPoint(0, 0));
    }

    // Leaving an entry straight into the content frame keeps it enlarged; the titles of the
    // panel cover its background and change nothing either.
    void leavingKeepsTheEntry_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("content frame") << "KSPanel";
        QTest::newRow("top band") << "TopShapeCenter";
        QTest::newRow("right strip") << "RightImage";
        QTest::newRow("title ЗУВ") << "MMLabelZUV";
        QTest::newRow("title of the system") << "MMLabel1";
    }
    void leavingKeepsTheEntry() {
        QFETCH(QString, target);
        ShownForm f;
        TFormZUV& w = f.form;
        AutoLabel* mnu1 = component<AutoLabel>(w, "mnu1");
        pointerTo(component<AutoLabel>(w, "mnu5"));
        mnu1->move(0, 0);
        pointerTo(w.findChild<QWidget*>(target));
        QCOMPARE(SelectMnuIndex, 5);
        verifyEntrySizes(w, 5);
        QCOMPARE(mnu1->pos(), QPoint(0, 0));
    }

    // The background returns every entry to 12 points, once.
    void backgroundResets() {
        ShownForm f;
        TFormZUV& w = f.form;
        ImageControl* LeftImage = component<ImageControl>(w, "LeftImage");
        AutoLabel* mnu1 = component<AutoLabel>(w, "mnu1");
        pointerTo(component<AutoLabel>(w, "mnu6"));
        pointerTo(LeftImage, backgroundPoint());
        QCOMPARE(SelectMnuIndex, 0);
        verifyEntrySizes(w, 0);
        verifyPlaced(w);
        mnu1->move(0, 0);
        pointerTo(LeftImage, backgroundPoint() + QPoint(5, 3));
        QCOMPARE(mnu1->pos(), QPoint(0, 0));
    }

    // After start-up (index 10) the first background movement runs in full: the labels are
    // placed again although nothing looks different; the second does nothing.
    void firstBackgroundMoveAfterStartUp() {
        ShownForm f;
        TFormZUV& w = f.form;
        AutoLabel* mnu1 = component<AutoLabel>(w, "mnu1");
        ImageControl* LeftImage = component<ImageControl>(w, "LeftImage");
        QCOMPARE(SelectMnuIndex, 10);
        const QPoint placed = mnu1->pos();
        mnu1->move(0, 0);
        pointerTo(LeftImage, backgroundPoint());
        QCOMPARE(SelectMnuIndex, 0);
        QCOMPARE(mnu1->pos(), placed);
        verifyEntrySizes(w, 0);
        mnu1->move(0, 0);
        pointerTo(LeftImage, backgroundPoint() + QPoint(3, 3));
        QCOMPARE(mnu1->pos(), QPoint(0, 0));
    }

    // A click on "контакт" asks for its own highlight, which the pointer has already given it.
    void contactClickChangesNothing() {
        ShownForm f;
        TFormZUV& w = f.form;
        AutoLabel* mnu5 = component<AutoLabel>(w, "mnu5");
        AutoLabel* mnu1 = component<AutoLabel>(w, "mnu1");
        pointerTo(mnu5);
        mnu1->move(0, 0);
        QTest::mouseClick(mnu5, Qt::LeftButton);
        QCOMPARE(SelectMnuIndex, 5);
        verifyEntrySizes(w, 5);
        QCOMPARE(mnu1->pos(), QPoint(0, 0));
        QCOMPARE(f.screen(), (zuvtest::Screen{NoSystem, M::ProgramMain}));
    }

    // A new panel height places the labels again; the enlarged entry stays enlarged.
    void resizedPanel() {
        ShownForm f;
        TFormZUV& w = f.form;
        Panel* MnuLeftPanel = component<Panel>(w, "MnuLeftPanel");
        pointerTo(component<AutoLabel>(w, "mnu6"));
        menuItem(w, 1)->trigger();
        QVERIFY(MnuLeftPanel->height() > 465);
        QCOMPARE(SelectMnuIndex, 6);
        verifyEntrySizes(w, 6);
        verifyPlaced(w);
        menuItem(w, 2)->trigger();
        QCOMPARE(MnuLeftPanel->height(), 465);
        verifyEntrySizes(w, 6);
        verifyPlaced(w);
    }

    // The control menu: 12 points for the label under the pointer, 10 for the rest; nothing
    // moves. Before the pointer first comes, the labels keep their design font and are as wide
    // as their text in it.
    void controlMenu_data() {
        QTest::addColumn<int>("index");
        for (int i = 1; i <= 5; ++i) QTest::addRow("label %d", i) << i;
    }
    void controlMenu() {
        QFETCH(int, index);
        ShownForm f;
        TFormZUV& w = f.form;
        f.apply({NoSystem, M::Control});
        const QList<AutoLabel*> labels = controlLabels(w);
        const int tops[] = {3, 19, 36, 53, 69};
        for (AutoLabel* label : labels) {
            QCOMPARE(label->font().pointSizeF(), 13 * 72.0 / 96.0);
            QCOMPARE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
        }
        AutoLabel* label = labels.at(index - 1);
        const int designWidth = label->width();
        pointerTo(label, QPoint(2, 2));
        QCOMPARE(SelectControlMnuIndex, index);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(labels.at(i)->font().pointSize(), i + 1 == index ? 12 : 10);
            QCOMPARE(labels.at(i)->pos(), QPoint(3, tops[i]));
        }
        QVERIFY(label->width() > designWidth);  // it grows to the right
        // Within the label, and out of the menu sideways: it stays enlarged. (Its lower rows
        // now lie under the next label, which is above it.)
        pointerTo(label, QPoint(label->width() - 2, 4));
        pointerTo(component<ScrollBox>(w, "StartPanel"), QPoint(300, 100));
        QCOMPARE(SelectControlMnuIndex, index);
        QCOMPARE(label->font().pointSize(), 12);
        // The menu's background resets all five.
        pointerTo(component<Panel>(w, "ControlMenuPanel"), QPoint(60, 150));
        QCOMPARE(SelectControlMnuIndex, 0);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(labels.at(i)->font().pointSize(), 10);
            QCOMPARE(labels.at(i)->pos(), QPoint(3, tops[i]));
        }
        // The section menu is not touched by the control menu.
        QCOMPARE(SelectMnuIndex, 10);
    }
};

QTEST_MAIN(TestSectionMenu)
#include "tst_sectionmenu.moc"
