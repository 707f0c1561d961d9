// The two forms of the picture path's per-pixel steps, x86-64's vector forms and the portable
// C++ ones, draw the same pixels, bit for bit: built-in pictures of both kinds shrunk and
// enlarged, and pictures of every level at every alpha fitted with every tap count, each over
// a see-through pattern and partly outside the surface. Where no vector forms are built there
// is nothing to compare.
#include "ResourceStore.h"
#include "imaging/FastPng.h"
#include "imaging/VectorPath.h"

#include <QBuffer>
#include <QtTest>

using namespace zuv;

namespace {

QByteArray resource(const char* name) {
    const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::RawData, QLatin1String(name));
    return QByteArray(bytes.data, int(bytes.size));
}

// 256 × 256 pixels: every level in each channel, every alpha down the picture (RGBA), written
// by Qt's PNG writer (row filters of every kind, the image data in many chunks).
QByteArray everyLevel(bool alpha) {
    QImage image(256, 256, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) image.setPixel(x, y, qRgba(x, (x * 7 + y * 3) & 255, 255 - x, alpha ? y : 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// Premultiplied colours of every alpha, so that compositing takes every branch.
QImage pattern(const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int a = (x * 5 + y * 3) & 255;
            image.setPixel(x, y, qRgba(x % (a + 1), y % (a + 1), (x + y) % (a + 1), a));
        }
    return image;
}

}  // namespace

class TestPixelForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        setVectorPath(true);
        if (!vectorPath()) QSKIP("no vector forms are built for this processor");
    }

    void drawTheSamePixels_data() {
        QTest::addColumn<QByteArray>("png");
        QTest::addColumn<QSize>("target");
        const auto row = [](const char* name, const QByteArray& png, const QSize& target) {
            QTest::newRow(qPrintable(QStringLiteral("%1 into %2x%3").arg(QLatin1String(name)).arg(target.width()).arg(target.height())))
                << png << target;
        };
        for (const bool alpha : {false, true}) {
            const QByteArray png = everyLevel(alpha);
            const char* name = alpha ? "every level, RGBA" : "every level, RGB";
            // Two to five taps a pixel (one to three pairs), then the general count; enlarged.
            for (const QSize target : {QSize(256, 256), QSize(200, 150), QSize(100, 90), QSize(70, 70), QSize(30, 25),
                                       QSize(300, 257), QSize(611, 700)})
                row(name, png, target);
        }
        row("GS2025, banded RGBA sheet", resource("GS2025"), {1917, 832});
        row("VR2025, banded RGB sheet", resource("VR2025"), {637, 417});
        row("MAINVRKS, RGBA enlarged", resource("MAINVRKS"), {1274, 970});
        row("KSIMG7, RGBA icon", resource("KSIMG7"), {69, 69});
        row("PATENT, RGB enlarged", resource("PATENT"), {611, 900});
    }
    void drawTheSamePixels() {
        QFETCH(QByteArray, png);
        QFETCH(QSize, target);
        const QRect at(QPoint(-7, -3), target);  // cut at all four sides by the surface below
        QImage drawn[2];
        for (const bool vector : {false, true}) {
            setVectorPath(vector);
            drawn[vector] = pattern(target * 3 / 4);
            QCOMPARE(drawFastPng(reinterpret_cast<const uchar*>(png.constData()), png.size(), drawn[vector], at), FastPngDrawn::Yes);
        }
        QVERIFY(drawn[true] != pattern(target * 3 / 4));
        QCOMPARE(drawn[false], drawn[true]);
    }
};

QTEST_GUILESS_MAIN(TestPixelForms)
#include "tst_pixelforms.moc"
