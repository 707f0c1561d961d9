// The built-in catalogue as the store holds it, the fit arithmetic of the loaders, and what a
// missing or damaged picture does to a view.
#include "Catalogue.h"
#include "ResourceStore.h"
#include "TestSupport.h"
#include "core/PictureFit.h"
#include "mainwindow/ZUVunit.h"

#include <QtEndian>
#include <QtTest>

using namespace zuv;
using namespace zuvtest;  // the screens' short names
using zuvtest::component;
using zuvtest::components;
using zuvtest::menuItem;

namespace {

bool allWhite(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (line[x] != 0xFFFFFFFFu) return false;
    }
    return true;
}

}  // namespace

class TestLoaders : public QObject {
    Q_OBJECT
private slots:
    // Every catalogued name, through the store, with its kind, pixel size and PNG colour type.
    void catalogueIsWhole() {
        const ResourceStore& store = ResourceStore::embedded();
        int raw = 0, bitmaps = 0;
        for (const CatalogueEntry& entry : resourceCatalogue()) {
            const bool isRaw = isRawData(entry.kind);
            const ResourceBytes bytes = store.find(isRaw ? StoreKind::RawData : StoreKind::Bitmap, entry.name.toLower());
            QVERIFY2(bytes.found && bytes.size > 0, qPrintable(entry.name));
            QVERIFY2(!store.find(isRaw ? StoreKind::Bitmap : StoreKind::RawData, entry.name).found, qPrintable(entry.name));
            const QByteArray head(bytes.data, int(std::min<qint64>(bytes.size, 64)));
            if (entry.kind == ResourceKind::PngRgb || entry.kind == ResourceKind::PngRgba) {
                ++raw;
                QVERIFY2(head.startsWith("\x89PNG\r\n\x1a\n"), qPrintable(entry.name));
                const int width = int(qFromBigEndian<quint32>(head.constData() + 16));
                const int height = int(qFromBigEndian<quint32>(head.constData() + 20));
                const int bitDepth = uchar(head.at(24));
                const int colourType = uchar(head.at(25));
                QCOMPARE(QSize(width, height), QSize(entry.width, entry.height));
                QCOMPARE(bitDepth, 8);
                QCOMPARE(colourType, entry.kind == ResourceKind::PngRgb ? 2 : 6);
            } else if (entry.kind == ResourceKind::Text) {
                ++raw;
                QCOMPARE(bytes.size, qint64(1'867'694));
            } else {
                ++bitmaps;
                QVERIFY2(head.startsWith("BM"), qPrintable(entry.name));
                const int width = int(qFromLittleEndian<qint32>(head.constData() + 18));
                const int height = std::abs(int(qFromLittleEndian<qint32>(head.constData() + 22)));
                const int bits = qFromLittleEndian<quint16>(head.constData() + 28);
                QCOMPARE(QSize(width, height), QSize(entry.width, entry.height));
                QCOMPARE(bits, entry.kind == ResourceKind::Bitmap24 ? 24 : 8);
            }
        }
        QCOMPARE(store.count(StoreKind::RawData), raw);
        QCOMPARE(store.count(StoreKind::Bitmap), bitmaps);
        // 18 screen pages, GRKS_SPD, VRCALTABLE, KSIMG0, RIGHTIMG, MAINTABLE, DVRKS, the sheets, the icons
        QCOMPARE(raw, 18 + 1 + 1 + 3 + 1 + 13 + 33 + 32 + 25);
        for (const char* missing : kMissingResourceNames) {
            QVERIFY(!store.find(StoreKind::RawData, QLatin1String(missing)).found);
            QVERIFY(!store.find(StoreKind::Bitmap, QLatin1String(missing)).found);
        }
        // GS2017 alone is one pixel narrower.
        QCOMPARE(findCatalogueEntry(QStringLiteral("GS2017"))->width, 2968);
    }

    // A picture that is missing, empty, truncated, corrupt or not a PNG: one message, a white
    // view, and no stream left behind.
    void damagedPicturesLeaveAWhiteView_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // null: removed from the store
        const ResourceBytes real = ResourceStore::embedded().find(StoreKind::RawData, QStringLiteral("MAINGKS"));
        const QByteArray png(real.data, int(real.size));
        QTest::newRow("missing") << "MainGKS" << QByteArray();
        QTest::newRow("empty") << "MainGKS" << QByteArray("");
        QTest::newRow("truncated") << "MainGKS" << png.left(100);
        QByteArray corrupt = png;
        for (int i = 60; i < corrupt.size(); i += 7) corrupt[i] = char(corrupt[i] ^ 0x5A);
        QTest::newRow("corrupt") << "MainGKS" << corrupt;
        QTest::newRow("not a picture") << "MainGKS" << QByteArray("this is text, not a PNG");
    }
    void damagedPicturesLeaveAWhiteView() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        zuvtest::MessageRecorder recorder;
        ResourceStore store = ResourceStore::embedded();
        if (bytes.isNull()) store.remove(StoreKind::RawData, name);
        else store.put(StoreKind::RawData, name, bytes);
        TFormZUV w;
        ImageControl* StartImage = component<ImageControl>(w, "StartImage");
        w.SetResourceStore(&store);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        recorder.messages.clear();
        const int streams = ResourceStore::liveStreams();
        w.ShowScreen({Gks, M::MainPage});  // its sheet is the damaged MainGKS
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("Ошибка при загрузке ресурса -1 ") + name});
        QVERIFY(StartImage->HasPicture());
        QCOMPARE(StartImage->Picture().size(), StartImage->size());
        QVERIFY(allWhite(StartImage->Picture()));
        QCOMPARE(ResourceStore::liveStreams(), streams);
    }

    // The grid: 25 icons drawn with a 5-pixel white margin, the lines above them.
    void gridScreenShowsItsIcons() {
        TFormZUV w;
        ImageControl* LeftImage = component<ImageControl>(w, "LeftImage");
        ImageControl* RightImage = component<ImageControl>(w, "RightImage");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int n = 1; n <= 25; ++n) {
            const ImageControl* icon = component<ImageControl>(w, QStringLiteral("KSimg%1").arg(n));
            const QImage picture = icon->Picture();
            QCOMPARE(picture.size(), icon->size());
            QCOMPARE(picture.pixel(2, 2), 0xFFFFFFFFu);  // the margin stays white
        }
        const ImageControl* KSimg1 = component<ImageControl>(w, "KSimg1");
        QCOMPARE(KSimg1->width(), KSimg1->height());
        QCOMPARE(component<ShapeControl>(w, "ShapeUp")->geometry(), QRect(KSimg1->x(), KSimg1->y(), 5 * KSimg1->width(), 1));
        QCOMPARE(component<ShapeControl>(w, "KSLine1")->y(), component<ImageControl>(w, "KSimg6")->y() - 1);
        QCOMPARE(component<ShapeControl>(w, "KSLine5")->x(), component<ImageControl>(w, "KSimg2")->x());
        QVERIFY(LeftImage->HasPicture());
        QCOMPARE(LeftImage->Picture().size(), QSize(298, 490));
        QCOMPARE(RightImage->Picture().size(), RightImage->size());
        for (ImageControl* corner : components<ImageControl>(w, {"MnuImage1", "MnuImage2", "MnuImage3", "MnuImage4"}))
            QCOMPARE(corner->Picture().size(), corner->size());
    }
};

QTEST_MAIN(TestLoaders)
#include "tst_loaders.moc"
