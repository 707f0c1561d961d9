// The calendar systems table window through its real widgets: its state and components as
// created, its menus, the pages and what they draw, its loader, its commands, and that the
// main window never shows it.
#include "TestSupport.h"
#include "kstbl/KStbl.h"
#include "app/ProgramWindows.h"
#include "ResourceStore.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QScreen>
#include <QtTest>

using namespace zuv;
using zuvtest::component;
using zuvtest::components;
using zuvtest::menuItem;

namespace {

const QString kOverviewCaption = QStringLiteral("ПРОШЛОЕ НАСТОЯЩЕЕ БУДУЩЕЕ");
const QString kStandardCaption = QStringLiteral("СТАНДАРТ ПРЕДСТАВЛЕНИЯ ДАТ");
const QString kDatingCaption = QStringLiteral("ДАТИРОВКА КАЛЕНДАРНОЙ СИСТЕМЫ");

QByteArray solidPng(const QSize& size, const QColor& color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A store whose pages are single colours at their real sizes, so a drawn page can be
// measured: the overview table red, the dating sheet blue, the standard missing as built.
struct PageStore {
    ResourceStore store;
    PageStore() {
        store.put(StoreKind::RawData, QStringLiteral("MAINTABLE"), solidPng(QSize(967, 846), Qt::red));
        store.put(StoreKind::RawData, QStringLiteral("GS2001"), solidPng(QSize(2969, 1289), Qt::blue));
    }
};

// The smallest rectangle holding every pixel that is not white.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QStringList entriesOf(const QMenu* menu) {
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->objectName() + QLatin1Char('=') + action->text();
    return entries;
}

void run(TKStblForm& w, const QString& command) {
    if (command == QLatin1String("click")) QTest::mouseClick(component<ImageControl>(w, "StartImage"), Qt::LeftButton, {}, QPoint(10, 10));
    else w.findChild<QAction*>(command)->trigger();
}

bool anyMenuVisible(const TKStblForm& w) {
    for (const QMenu* menu : components<QMenu>(w, {"PopupMnuImage1", "PopupMnuImage2", "PopupMnuImage3", "PopupMnuImage4"}))
        if (menu->isVisible()) return true;
    return false;
}

}  // namespace

class TestKStbl : public QObject {
    Q_OBJECT
private slots:
    void createdHiddenWithItsDesign() {
        zuvtest::MessageRecorder recorder;
        TKStblForm w;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        AutoLabel* CurrentKSLabel = component<AutoLabel>(w, "CurrentKSLabel");
        AutoLabel* CurrentModeLabel = component<AutoLabel>(w, "CurrentModeLabel");
        ImageControl* MnuImage1 = component<ImageControl>(w, "MnuImage1");
        ImageControl* MnuImage2 = component<ImageControl>(w, "MnuImage2");
        ImageControl* MnuImage3 = component<ImageControl>(w, "MnuImage3");
        ImageControl* MnuImage4 = component<ImageControl>(w, "MnuImage4");
        QCOMPARE(KStblForm, &w);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.objectName(), QStringLiteral("KStblForm"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Зувская календарная система"));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.size(), QSize(605, 423));
        QCOMPARE(w.CurrentMode, KStblMode::Overview);
        QCOMPARE(w.WidthShape, 100);
        QCOMPARE(w.HeightShape, 50);
        QVERIFY(w.MainImg.isNull());
        QVERIFY(!StartImage->HasPicture());
        QCOMPARE(CurrentKSLabel->text(), QStringLiteral("КС"));
        QCOMPARE(CurrentModeLabel->text(), QStringLiteral("CurrentModeLabel"));
        for (const AutoLabel* label : {CurrentKSLabel, CurrentModeLabel}) {
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pointSizeF(), 15.75);  // 21 pixels at 96 dpi
        }

        // The layout pass has run on the created size.
        QCOMPARE(MnuImage1->geometry(), QRect(32, 7, 37, 37));
        QCOMPARE(MnuImage2->geometry(), QRect(537, 7, 37, 37));
        QCOMPARE(MnuImage3->geometry(), QRect(32, 380, 37, 37));
        QCOMPARE(MnuImage4->geometry(), QRect(537, 380, 37, 37));
        QCOMPARE(component<ScrollBox>(w, "StartPanel")->geometry(), QRect(1, 52, 603, 321));
        QCOMPARE(component<ShapeControl>(w, "TopShapeCenter")->geometry(), QRect(101, 1, 405, 50));
        QCOMPARE(component<ShapeControl>(w, "ButtomShapeCenter")->geometry(), QRect(101, 373, 405, 50));
        QCOMPARE(component<ShapeControl>(w, "TopShapeRight")->geometry(), QRect(505, 1, 100, 50));
        QCOMPARE(component<ShapeControl>(w, "ButtomShapeLeft")->geometry(), QRect(1, 373, 100, 50));
        // The page view lies inside the page area's 2-pixel frame.
        QCOMPARE(StartImage->size(), QSize(599, 317));
        QCOMPARE(CurrentKSLabel->x(), 302 - CurrentKSLabel->width() / 2);
        QCOMPARE(CurrentModeLabel->y(), 423 - 25 - CurrentModeLabel->height() / 2);

        // Four icons of their own, all different.
        QList<QImage> icons;
        for (const ImageControl* corner : {MnuImage1, MnuImage2, MnuImage3, MnuImage4}) {
            QVERIFY(corner->HasPicture());
            QVERIFY(!icons.contains(corner->Picture()));
            icons << corner->Picture();
        }
        QVERIFY(recorder.messages.isEmpty());
    }

    void everyComponentIsNamed_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"TopShapeLeft", "TopShapeCenter", "TopShapeRight", "ButtomShapeLeft", "ButtomShapeCenter",
                                 "ButtomShapeRight", "CurrentKSLabel", "CurrentModeLabel", "MnuImage1", "MnuImage2",
                                 "MnuImage3", "MnuImage4", "StartPanel", "StartImage", "PopupMnuImage1", "PopupMnuImage2",
                                 "PopupMnuImage3", "PopupMnuImage4"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyComponentIsNamed() {
        QFETCH(QString, name);
        TKStblForm w;
        QVERIFY(w.findChild<QObject*>(name) != nullptr);
    }

    // The bands at the bottom, the captions on them, the corner pictures and the page area on top.
    void stacking() {
        TKStblForm w;
        QStringList order;
        for (const QObject* child : w.children())
            if (child->isWidgetType() && !qobject_cast<const QMenu*>(child)) order << child->objectName();
        const QStringList expected = {"TopShapeLeft", "TopShapeCenter", "TopShapeRight", "ButtomShapeLeft",
                                      "ButtomShapeCenter", "ButtomShapeRight", "CurrentKSLabel", "CurrentModeLabel",
                                      "MnuImage1", "MnuImage2", "MnuImage3", "MnuImage4", "StartPanel"};
        QCOMPARE(order, expected);
    }

    void menus_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries");
        const QStringList systems = {"кс зувская", "кс григорианская", "кс варийская", "кс юлианская", "кс дендерская",
                                     "кс бахайская", "кс арабская", "кс каргопольская", "кс фестская", "кс тэнгрианская",
                                     "кс миттельбергская", "кс сторожевская", "кс ориньякская", "кс радимичская",
                                     "кс ачинская", "кс инглингская", "кс никопольская", "кс африканская",
                                     "кс сутатусская", "кс друидская", "кс серпоновская", "кс мерлинская",
                                     "кс маскальская", "кс шумерская", "кс болгарская"};
        QStringList first;
        for (int i = 0; i < systems.size(); ++i) first << QStringLiteral("N%1=").arg(i + 4) + systems[i];
        QTest::newRow("systems") << "PopupMnuImage1" << first;
        QTest::newRow("window") << "PopupMnuImage2" << QStringList{"N1=Развернуть", "N2=Свернуть", "N3=Закрыть"};
        QTest::newRow("pages") << "PopupMnuImage3" << QStringList{"N29=СПД", "N30=ДКС", "N31=ХКС"};
        QTest::newRow("announcement") << "PopupMnuImage4" << QStringList{"N32=анонс"};
    }
    void menus() {
        QFETCH(QString, menu);
        TKStblForm w;
        const QMenu* m = w.findChild<QMenu*>(menu);
        QVERIFY(m);
        QTEST(entriesOf(m), "entries");
    }

    // Entries without a command change nothing.
    void entriesWithoutCommand() {
        PageStore pages;
        zuvtest::MessageRecorder recorder;
        TKStblForm w;
        w.SetResourceStore(&pages.store);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int n : {4, 5, 6, 16, 28, 32}) menuItem(w, n)->trigger();
        QCOMPARE(w.CurrentMode, KStblMode::Overview);
        QVERIFY(!component<ImageControl>(w, "StartImage")->HasPicture());
        QCOMPARE(component<AutoLabel>(w, "CurrentModeLabel")->text(), QStringLiteral("CurrentModeLabel"));
        QVERIFY(w.isVisible());
        QVERIFY(!(w.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)));
        QVERIFY(recorder.messages.isEmpty());
    }

    void pages_data() {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("ink");      // where the page was drawn; empty: a blank view
        QTest::addColumn<QRgb>("colour");    // the page's colour at the centre of `ink`
        QTest::addColumn<QSize>("mainImg");  // size of the decoded page; empty: none

        const QRect overview(118, 0, 362, 317);  // proportional in 599 × 317
        const QRect dating(1, 1, 598, 316);      // stretched from (1, 1), cut by the view
        const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
        QTest::newRow("click on the view: overview") << QStringList{"click"} << 0 << kOverviewCaption << overview << red
                                                     << QSize(967, 846);
        QTest::newRow("СПД: missing page") << QStringList{"N29"} << 1 << kStandardCaption << QRect() << QRgb(0) << QSize();
        QTest::newRow("ДКС: dating sheet") << QStringList{"N30"} << 3 << kDatingCaption << dating << blue << QSize(2969, 1289);
        QTest::newRow("ХКС after ДКС keeps the sheet")
            << QStringList{"N30", "N31"} << 2 << kDatingCaption << dating << blue << QSize(2969, 1289);
        QTest::newRow("ХКС after the overview keeps it")
            << QStringList{"click", "N31"} << 2 << kOverviewCaption << overview << red << QSize(967, 846);
        QTest::newRow("СПД after the overview blanks the view")
            << QStringList{"click", "N29"} << 1 << kStandardCaption << QRect() << QRgb(0) << QSize();
        QTest::newRow("click after ДКС draws the sheet again")
            << QStringList{"N30", "click"} << 3 << kDatingCaption << dating << blue << QSize(2969, 1289);
        QTest::newRow("ДКС after СПД") << QStringList{"N29", "N30"} << 3 << kDatingCaption << dating << blue
                                      << QSize(2969, 1289);
    }
    void pages() {
        QFETCH(QStringList, commands);
        QFETCH(QRect, ink);
        QFETCH(QRgb, colour);
        QFETCH(QSize, mainImg);
        PageStore pages;
        zuvtest::MessageRecorder recorder;
        TKStblForm w;
        AutoLabel* CurrentModeLabel = component<AutoLabel>(w, "CurrentModeLabel");
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        w.SetResourceStore(&pages.store);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const QString& command : commands) run(w, command);

        QTEST(int(w.CurrentMode), "mode");
        QTEST(CurrentModeLabel->text(), "caption");
        if (mainImg.isEmpty()) QVERIFY(w.MainImg.isNull());
        else QCOMPARE(w.MainImg.size(), mainImg);
        QVERIFY(StartImage->HasPicture());
        const QImage& picture = StartImage->Picture();
        QCOMPARE(picture.size(), QSize(599, 317));
        QCOMPARE(inkBounds(picture), ink);
        if (!ink.isEmpty()) QCOMPARE(picture.pixel(ink.center()) & 0xFFFFFF, colour & 0xFFFFFF);
        // The new caption is centred in the bottom band.
        QCOMPARE(CurrentModeLabel->x(), 605 / 2 - CurrentModeLabel->width() / 2);
        QCOMPARE(CurrentModeLabel->y(), 423 - 25 - CurrentModeLabel->height() / 2);
        QVERIFY(recorder.messages.isEmpty());
    }

    // With the built-in pictures: the standard page is missing and says nothing about it.
    void missingPageWithBuiltInPictures() {
        zuvtest::MessageRecorder recorder;
        TKStblForm w;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The built-in overview table and dating sheet load at their catalogued sizes.
        QTest::mouseClick(StartImage, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.MainImg.size(), QSize(967, 846));
        menuItem(w, 30)->trigger();
        QCOMPARE(w.MainImg.size(), QSize(2969, 1289));
        QVERIFY(w.LastFailedResource().isEmpty());

        menuItem(w, 29)->trigger();
        QCOMPARE(w.CurrentMode, KStblMode::DateStandard);
        QCOMPARE(component<AutoLabel>(w, "CurrentModeLabel")->text(), kStandardCaption);
        QVERIFY(w.MainImg.isNull());
        QCOMPARE(w.LastFailedResource(), QStringLiteral("GRKSPRDAT"));
        QVERIFY(inkBounds(StartImage->Picture()).isEmpty());
        // A click on the view shows the same missing page again, still without a word.
        QTest::mouseClick(StartImage, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.CurrentMode, KStblMode::DateStandard);
        QVERIFY(inkBounds(StartImage->Picture()).isEmpty());
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.join(QLatin1Char('|'))));
    }

    // A damaged or empty page resource draws nothing and shows no message either.
    void unreadablePage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("\x89PNG\r\n\x1a\n but nothing after", 27);
    }
    void unreadablePage() {
        QFETCH(QByteArray, bytes);
        PageStore pages;
        pages.store.put(StoreKind::RawData, QStringLiteral("MAINTABLE"), bytes);
        zuvtest::MessageRecorder recorder;
        TKStblForm w;
        w.SetResourceStore(&pages.store);
        menuItem(w, 30)->trigger();  // a page that loads, to be replaced
        w.CurrentMode = KStblMode::Overview;
        w.SelectMode();
        QVERIFY(w.MainImg.isNull());
        QCOMPARE(w.LastFailedResource(), QStringLiteral("MAINTABLE"));
        QCOMPARE(component<AutoLabel>(w, "CurrentModeLabel")->text(), kOverviewCaption);
        QVERIFY(inkBounds(component<ImageControl>(w, "StartImage")->Picture()).isEmpty());
        QVERIFY(recorder.messages.isEmpty());
    }

    void loadResToStream_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("stored name") << "MAINTABLE" << true;
        QTest::newRow("other letter case") << "gs2001" << true;
        QTest::newRow("missing") << "GRKSPRDAT" << false;
        QTest::newRow("empty entry") << "EMPTYPAGE" << false;
        QTest::newRow("bitmap, not raw data") << "LEFTIMG" << false;
    }
    void loadResToStream() {
        QFETCH(QString, name);
        QFETCH(bool, found);
        PageStore pages;
        pages.store.put(StoreKind::RawData, QStringLiteral("EMPTYPAGE"), QByteArray());
        pages.store.put(StoreKind::Bitmap, QStringLiteral("LEFTIMG"), QByteArray("BM", 2));
        zuvtest::MessageRecorder recorder;
        TKStblForm w;
        w.SetResourceStore(&pages.store);
        std::unique_ptr<QBuffer> stream = w.LoadResToStream(name);
        QCOMPARE(bool(stream), found);
        QVERIFY(recorder.messages.isEmpty());
        if (!found) return;
        const ResourceBytes stored = pages.store.find(StoreKind::RawData, name);
        QVERIFY(stream->isOpen() && stream->isReadable());
        QCOMPARE(stream->pos(), 0);
        QCOMPARE(stream->data(), QByteArray(stored.data, int(stored.size)));
        QVERIFY(stream->data().constData() != stored.data);  // a copy of its own
    }

    void cornerLeftClickOpensItsMenu_data() {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("menu");
        for (int n = 1; n <= 4; ++n)
            QTest::newRow(qPrintable(QStringLiteral("MnuImage%1").arg(n)))
                << QStringLiteral("MnuImage%1").arg(n) << QStringLiteral("PopupMnuImage%1").arg(n);
    }
    void cornerLeftClickOpensItsMenu() {
        QFETCH(QString, image);
        QFETCH(QString, menu);
        TKStblForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* corner = w.findChild<ImageControl*>(image);
        auto* popup = w.findChild<QMenu*>(menu);

        // The right button opens nothing, neither as a press nor as a context request.
        QTest::mouseClick(corner, Qt::RightButton, {}, QPoint(5, 5));
        QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(5, 5), corner->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(corner, &context);
        QVERIFY(!anyMenuVisible(w));

        const QPoint pointer(20, 15);
        QCursor::setPos(pointer);
        QTest::mouseClick(corner, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->pos(), pointer);
        popup->hide();
        QVERIFY(!anyMenuVisible(w));
    }

    void resizeLaysOut() {
        TKStblForm w;
        AutoLabel* CurrentModeLabel = component<AutoLabel>(w, "CurrentModeLabel");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(801, 601);
        QCOMPARE(component<ImageControl>(w, "MnuImage2")->geometry(), QRect(733, 7, 37, 37));
        QCOMPARE(component<ImageControl>(w, "MnuImage4")->geometry(), QRect(733, 558, 37, 37));
        QCOMPARE(component<ScrollBox>(w, "StartPanel")->geometry(), QRect(1, 52, 799, 499));
        QCOMPARE(component<ShapeControl>(w, "ButtomShapeCenter")->geometry(), QRect(101, 551, 601, 50));
        QCOMPARE(component<ShapeControl>(w, "ButtomShapeRight")->geometry(), QRect(701, 551, 100, 50));
        QCOMPARE(CurrentModeLabel->y(), 601 - 25 - CurrentModeLabel->height() / 2);
        QTRY_COMPARE(component<ImageControl>(w, "StartImage")->size(), QSize(795, 495));
    }

    void firstShowCentresOnTheDesktop() {
        TKStblForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        QCOMPARE(w.pos(), QPoint(desktop.x() + (desktop.width() - 605) / 2, desktop.y() + (desktop.height() - 423) / 2));
        // Later shows keep where the window was.
        w.move(10, 20);
        w.hide();
        w.show();
        QCOMPARE(w.pos(), QPoint(10, 20));
    }

    void maximiseCommand() {
        TKStblForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        menuItem(w, 1)->trigger();
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        QTRY_VERIFY(w.width() > 605);
        QCOMPARE(component<ImageControl>(w, "MnuImage2")->x(), w.width() - 68);
        QCOMPARE(component<ScrollBox>(w, "StartPanel")->geometry(), QRect(1, 52, w.width() - 2, w.height() - 102));
    }

    void closeCommandHides() {
        TKStblForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        menuItem(w, 3)->trigger();
        QVERIFY(!w.isVisible());
        QCOMPARE(KStblForm, &w);  // hidden, not destroyed
    }

    void minimiseWithoutMainWindow() {
        QVERIFY(FormZUV == nullptr);
        TKStblForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        menuItem(w, 2)->trigger();
        QVERIFY(w.windowState() & Qt::WindowMinimized);
    }

    void minimiseShowsMainWindowThenMinimisesBoth() {
        zuvtest::MessageRecorder recorder;
        TFormZUV main;
        TKStblForm w;
        ConnectProgramWindows(main, w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!main.isVisible());
        menuItem(w, 2)->trigger();
        QVERIFY(main.isVisible());
        QVERIFY(main.windowState() & Qt::WindowMinimized);
        QVERIFY(w.windowState() & Qt::WindowMinimized);
        QVERIFY(recorder.messages.isEmpty());
    }

    // Built as the program does it; nothing the main window does shows the table window.
    void mainWindowNeverShowsIt() {
        zuvtest::FixedToday today(QDate(2006, 6, 15));
        zuvtest::MessageRecorder recorder;
        ProgramWindows windows(*qApp);
        TFormZUV& main = windows.main;
        QVERIFY(!windows.table);  // made after the main window's first paint
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTRY_VERIFY(windows.table);
        TKStblForm& table = *windows.table;
        QCOMPARE(KStblForm, &table);
        QVERIFY(!table.isVisible());
        menuItem(main, 5)->trigger();
        QVERIFY(!table.isVisible());
        menuItem(main, 42)->trigger();
        QVERIFY(!table.isVisible());
        component<QAction>(main, "MnuMainWnd")->trigger();
        QVERIFY(!table.isVisible());
        zuvtest::click(component<ImageControl>(main, "KSimg3"));
        menuItem(main, 30)->trigger();
        QVERIFY(!table.isVisible());
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window->windowTitle() == QStringLiteral("Зувская календарная система")) QVERIFY(!window->isVisible());
        // Its "Свернуть" shows the main window: the two are connected as they are made.
        main.hide();
        menuItem(table, 2)->trigger();
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(TestKStbl)
#include "tst_kstbl.moc"
