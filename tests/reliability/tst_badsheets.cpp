// Dated sheets that are truncated, corrupt, empty or of the wrong pixel size: each marker
// shows one message (or draws the sheet it got), never crashes, and leaves the blink off
// after a failure.
#include "ResourceStore.h"
#include "TestSupport.h"
#include "mainwindow/ZUVunit.h"

#include <QBuffer>
#include <QtTest>

using namespace zuv;
using zuvtest::component;
using zuvtest::menuItem;

class TestBadSheets : public QObject {
    Q_OBJECT
private slots:
    void damagedSheet_data() {
        QTest::addColumn<int>("ks");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("damage");
        const struct {
            int ks, mode;
            const char* sheet;
        } screens[] = {{1, 6, "GS2005"}, {2, 6, "VR2005"}, {2, 11, "VR502_DAY"}, {2, 12, "VRCALTABLE"}};
        for (const auto& s : screens)
            for (const char* damage : {"truncated", "corrupt", "empty", "missing", "wrong size"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(s.sheet), QLatin1String(damage))))
                    << s.ks << s.mode << QString::fromLatin1(s.sheet) << QString::fromLatin1(damage);
    }
    void damagedSheet() {
        QFETCH(int, ks);
        QFETCH(int, mode);
        QFETCH(QString, sheet);
        QFETCH(QString, damage);
        zuvtest::FixedToday today(QDate(2006, 6, 15));  // on GS2005, VR2005, VR502_DAY
        zuvtest::MessageRecorder recorder;
        ResourceStore store = ResourceStore::embedded();
        const ResourceBytes real = store.find(StoreKind::RawData, sheet);
        QByteArray bytes(real.data, int(real.size));
        bool drawable = false;
        if (damage == QLatin1String("truncated")) bytes = bytes.left(bytes.size() / 3);
        else if (damage == QLatin1String("corrupt"))
            for (int i = 40; i < bytes.size(); i += 5) bytes[i] = char(~bytes[i]);
        else if (damage == QLatin1String("empty")) bytes = QByteArray("");
        else if (damage == QLatin1String("wrong size")) {
            QImage small(300, 100, QImage::Format_RGB32);
            small.fill(Qt::gray);
            QBuffer out(&bytes);
            bytes.clear();
            out.open(QIODevice::WriteOnly);
            small.save(&out, "PNG");
            drawable = true;
        }
        if (damage == QLatin1String("missing")) store.remove(StoreKind::RawData, sheet);
        else store.put(StoreKind::RawData, sheet, bytes);

        TFormZUV w;
        QTimer* Timer1 = component<QTimer>(w, "Timer1");
        w.SetResourceStore(&store);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.ShowScreen({CalendarSystem(ks), ScreenMode::MainPage});
        recorder.messages.clear();
        w.ShowScreen({CalendarSystem(ks), ScreenMode(mode)});
        if (drawable) {
            QVERIFY(recorder.messages.isEmpty());
            QVERIFY(Timer1->isActive());
            for (int i = 0; i < 5; ++i) zuvtest::tick(w);
        } else {
            QCOMPARE(recorder.messages, QStringList{QStringLiteral("Ошибка при загрузке ресурса -1 ") + sheet.toLower()});
            QVERIFY(!Timer1->isActive());
        }
        QCOMPARE(ResourceStore::liveStreams(), 0);
    }
};

QTEST_MAIN(TestBadSheets)
#include "tst_badsheets.moc"
