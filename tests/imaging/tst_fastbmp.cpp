// The bitmap decoder against Qt's reader: the built-in background, the same pixels stored
// top-down, an odd width whose rows carry padding, and damaged or other bitmaps, which must
// come out as Qt's reader gives them (null where it reads nothing; where it reads part of a
// truncated file, the rest of its picture is left undefined, so only its size is compared).
#include "ResourceStore.h"
#include "imaging/FastBmp.h"

#include <QtEndian>
#include <QtTest>

using namespace zuv;

namespace {

QByteArray builtInBackground() {
    const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::Bitmap, QStringLiteral("LEFTIMG"));
    return QByteArray(bytes.data, int(bytes.size));
}

// A 24-bit bitmap of `width` × `height` with distinct pixels, written by hand.
QByteArray handMade(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    QByteArray bytes(54 + stride * height, '\0');
    auto* d = reinterpret_cast<uchar*>(bytes.data());
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), d + 2);
    qToLittleEndian<quint32>(54, d + 10);
    qToLittleEndian<quint32>(40, d + 14);
    qToLittleEndian<qint32>(width, d + 18);
    qToLittleEndian<qint32>(height, d + 22);
    qToLittleEndian<quint16>(1, d + 26);
    qToLittleEndian<quint16>(24, d + 28);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) d[54 + y * stride + x * 3 + c] = uchar(17 * x + 41 * y + 89 * c);
    return bytes;
}

// The same bitmap with its rows stored top-down (a negative height).
QByteArray topDown(const QByteArray& bottomUp) {
    QByteArray bytes = bottomUp;
    auto* d = reinterpret_cast<uchar*>(bytes.data());
    const int width = qFromLittleEndian<qint32>(d + 18), height = qFromLittleEndian<qint32>(d + 22);
    const int at = qFromLittleEndian<quint32>(d + 10), stride = (width * 3 + 3) / 4 * 4;
    qToLittleEndian<qint32>(-height, d + 22);
    for (int y = 0; y < height; ++y) memcpy(d + at + y * stride, bottomUp.constData() + at + (height - 1 - y) * stride, stride);
    return bytes;
}

QByteArray withField(QByteArray bytes, int at, quint16 value) {
    qToLittleEndian<quint16>(value, bytes.data() + at);
    return bytes;
}

}  // namespace

class TestFastBmp : public QObject {
    Q_OBJECT
private slots:
    void sameAsQtsReader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("whole");
        const QByteArray background = builtInBackground();
        QTest::newRow("built-in background") << background << true;
        QTest::newRow("stored top-down") << topDown(background) << true;
        QTest::newRow("odd width, padded rows") << handMade(5, 3) << true;
        QTest::newRow("one pixel") << handMade(1, 1) << true;
        QTest::newRow("truncated") << background.left(background.size() / 2) << false;
        QTest::newRow("header only") << background.left(54) << false;
        QTest::newRow("8 bits, no palette") << withField(handMade(4, 4), 28, 8) << true;
        QTest::newRow("compressed") << withField(handMade(4, 4), 30, 1) << true;
        QTest::newRow("zero width") << withField(handMade(4, 4), 18, 0) << true;
        QTest::newRow("not a bitmap") << QByteArray("PK\3\4 not a bitmap at all, though as long as a header") << true;
        QTest::newRow("empty") << QByteArray() << true;
    }
    void sameAsQtsReader() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, whole);
        const QImage qt = QImage::fromData(bytes, "BMP");
        const QImage ours = DecodeBitmap(bytes);
        QCOMPARE(ours.isNull(), qt.isNull());
        if (qt.isNull()) return;
        QCOMPARE(ours.format(), qt.format());
        QCOMPARE(ours.size(), qt.size());
        if (whole) QVERIFY(ours == qt);
    }
};

QTEST_MAIN(TestFastBmp)
#include "tst_fastbmp.moc"
