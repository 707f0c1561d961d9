// At a device pixel ratio of 2 the pictures are rasters of device pixels (sharp), while the
// layout and the marks' geometry stay in the window's logical pixels.
#include "ResourceStore.h"
#include "TestSupport.h"
#include "core/MarkerGeometry.h"
#include "mainwindow/ZUVunit.h"

#include <QtTest>

using namespace zuv;
using namespace zuvtest;  // the screens' short names
using zuvtest::component;
using zuvtest::menuItem;

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void picturesAreDevicePixelsGeometryIsLogical() {
        zuvtest::FixedToday today(QDate(2006, 6, 15));
        zuvtest::MessageRecorder recorder;
        TFormZUV w;
        ScrollBox* StartPanel = component<ScrollBox>(w, "StartPanel");
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.devicePixelRatioF(), 2.0);
        QCOMPARE(w.size(), QSize(640, 465));
        QCOMPARE(component<Panel>(w, "KSAdvPanel")->geometry(), QRect(193, 0, 417, 465));
        QCOMPARE(StartPanel->geometry().size(), QSize(414, 417));
        const QImage icon = component<ImageControl>(w, "KSimg7")->Picture();
        QCOMPARE(icon.size(), component<ImageControl>(w, "KSimg7")->size() * 2);
        QCOMPARE(icon.devicePixelRatio(), 2.0);

        w.ShowScreen({CalendarSystem::Gregorian, ScreenMode::MainPage});
        w.ShowScreen({CalendarSystem::Gregorian, ScreenMode::DatedSheet});
        QVERIFY(component<QTimer>(w, "Timer1")->isActive());
        QCOMPARE(StartPanel->geometry(), QRect(1, 24, 637, 417));  // the side is hidden
        zuvtest::tick(w);  // blue
        const QImage picture = StartImage->Picture();
        QCOMPARE(picture.size(), StartImage->size() * 2);

        const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::RawData, QStringLiteral("gs2005"));
        QImage sheet;
        QVERIFY(sheet.loadFromData(reinterpret_cast<const uchar*>(bytes.data), int(bytes.size)));
        const SheetPlacement p = placeSheet(StartImage->width(), StartImage->height(), sheet.width(), sheet.height());
        const QRect mark = markRects(p, planPaintDateGKS(QDate(2006, 6, 15), QDate(2006, 6, 15))).front();
        // The outline's middle, in device pixels, carries the pen colour.
        QCOMPARE(picture.pixel(2 * mark.left(), 2 * (mark.top() + mark.height() / 2)), 0xFF0000FFu);
        QVERIFY(recorder.messages.isEmpty());
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
