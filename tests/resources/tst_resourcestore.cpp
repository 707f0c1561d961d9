// The resource store and the one way to read a resource as a stream.
#include "ResourceStore.h"
#include "TestSupport.h"
#include "mainwindow/Loaders.h"

#include <QtTest>

using namespace zuv;

class TestResourceStore : public QObject {
    Q_OBJECT
private slots:
    void lookupIgnoresCase_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("mixed") << "KSImg7";
        QTest::newRow("upper") << "KSIMG7";
        QTest::newRow("lower") << "ksimg7";
    }
    void lookupIgnoresCase() {
        QFETCH(QString, name);
        const ResourceBytes reference = ResourceStore::embedded().find(StoreKind::RawData, QStringLiteral("KSIMG7"));
        const ResourceBytes found = ResourceStore::embedded().find(StoreKind::RawData, name);
        QVERIFY(found.found);
        QVERIFY(found.size > 0);
        QCOMPARE(found.data, reference.data);  // one entry, not a copy
    }

    void kindsAreKeptApart() {
        ResourceStore& store = ResourceStore::embedded();
        QVERIFY(store.find(StoreKind::Bitmap, QStringLiteral("LeftImg")).found);
        QVERIFY(!store.find(StoreKind::RawData, QStringLiteral("LeftImg")).found);
        QVERIFY(store.find(StoreKind::RawData, QStringLiteral("dvrks")).found);
        QVERIFY(!store.find(StoreKind::Bitmap, QStringLiteral("DVRKS")).found);
        QVERIFY(!store.find(StoreKind::RawData, QStringLiteral("vr513_day")).found);
        QVERIFY(!store.find(StoreKind::RawData, QStringLiteral("GRKSPRDAT")).found);
    }

    // The stream is a private copy that outlives the caller's interest in the store entry,
    // and a failed load says so exactly once with the name as the caller spelled it.
    void streamsAndTheirFailures() {
        zuvtest::MessageRecorder recorder;
        ResourceStore store = ResourceStore::embedded();
        store.put(StoreKind::RawData, QStringLiteral("EMPTYONE"), QByteArray());
        store.put(StoreKind::RawData, QStringLiteral("SMALL"), QByteArray("abc"));

        const int liveBefore = ResourceStore::liveStreams();
        {
            std::unique_ptr<QBuffer> stream = OpenResource(store, QStringLiteral("small"));
            QVERIFY(stream);
            QCOMPARE(ResourceStore::liveStreams(), liveBefore + 1);
            store.put(StoreKind::RawData, QStringLiteral("SMALL"), QByteArray("xyz"));  // the copy is the stream's own
            QCOMPARE(stream->readAll(), QByteArray("abc"));
            QVERIFY(stream->isReadable());
        }
        QCOMPARE(ResourceStore::liveStreams(), liveBefore);
        QVERIFY(recorder.messages.isEmpty());

        QVERIFY(!OpenResource(store, QStringLiteral("vr513_day")));
        QVERIFY(!OpenResource(store, QStringLiteral("EmptyOne")));
        QVERIFY(!OpenResource(store, QStringLiteral("LeftImg")));  // a bitmap is no raw data
        QCOMPARE(recorder.messages,
                 QStringList({QStringLiteral("Ошибка при загрузке ресурса -1 vr513_day"),
                              QStringLiteral("Ошибка при загрузке ресурса -1 EmptyOne"),
                              QStringLiteral("Ошибка при загрузке ресурса -1 LeftImg")}));
        QCOMPARE(ResourceStore::liveStreams(), liveBefore);
    }
};

QTEST_MAIN(TestResourceStore)
#include "tst_resourcestore.moc"
