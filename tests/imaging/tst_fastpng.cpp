// The fast picture path against a plain reference: for every family of built-in pictures and
// three view sizes, the fitted picture it draws equals a box filter over Qt's own decode of
// the same file, within one level per channel (an enlargement: Qt's smooth scaling of that
// decode, premultiplied, within two where it has alpha); damaged files are refused, so Qt's
// decoder (and its one message) decides as before. It runs on the vector forms and again on
// the portable ones.
#include "ResourceStore.h"
#include "core/PictureFit.h"
#include "imaging/FastPng.h"
#include "imaging/PicturePath.h"
#include "imaging/VectorPath.h"

#include <QPainter>
#include <QtTest>
#include <cmath>

using namespace zuv;

namespace {

QByteArray resource(const char* name) {
    const ResourceBytes bytes = ResourceStore::embedded().find(StoreKind::RawData, QLatin1String(name));
    return QByteArray(bytes.data, int(bytes.size));
}

// Area average of `picture` (premultiplied) into `size`, composited over white: each target
// pixel is the covered source pixels weighted by the area they cover.
QImage referenceBox(const QImage& decoded, const QSize& size) {
    const QImage picture = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const double kx = double(picture.width()) / size.width(), ky = double(picture.height()) / size.height();
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    for (int ty = 0; ty < size.height(); ++ty) {
        const double y0 = ty * ky, y1 = (ty + 1) * ky;
        for (int tx = 0; tx < size.width(); ++tx) {
            const double x0 = tx * kx, x1 = (tx + 1) * kx;
            double sum[4] = {0, 0, 0, 0};
            for (int y = int(y0); y < std::min(picture.height(), int(std::ceil(y1))); ++y) {
                const double wy = std::min(y1, y + 1.0) - std::max(y0, double(y));
                const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
                for (int x = int(x0); x < std::min(picture.width(), int(std::ceil(x1))); ++x) {
                    const double w = wy * (std::min(x1, x + 1.0) - std::max(x0, double(x)));
                    sum[0] += w * qRed(line[x]);
                    sum[1] += w * qGreen(line[x]);
                    sum[2] += w * qBlue(line[x]);
                    sum[3] += w * qAlpha(line[x]);
                }
            }
            const double area = kx * ky, a = sum[3] / area, keep = 255.0 - a;
            auto level = [&](double v) { return int(std::lround(v / area + keep)); };  // over white
            out.setPixel(tx, ty, qRgba(level(sum[0]), level(sum[1]), level(sum[2]), 255));
        }
    }
    return out;
}

// A PNG of our own making from raw rows (filter byte first), 8 bits a sample, RGB or RGBA.
QByteArray ownPng(int width, int height, int channels, const QByteArray& raw) {
    const auto chunk = [](const char* type, const QByteArray& body) {
        QByteArray c(4, 0);
        qToBigEndian<quint32>(quint32(body.size()), c.data());
        return c + QByteArray(type, 4) + body + QByteArray(4, 0);  // the decoder does not check the CRC
    };
    QByteArray ihdr(13, 0);
    qToBigEndian<quint32>(quint32(width), ihdr.data());
    qToBigEndian<quint32>(quint32(height), ihdr.data() + 4);
    ihdr[8] = 8;
    ihdr[9] = char(channels == 4 ? 6 : 2);
    const QByteArray zlib = qCompress(raw).mid(4);  // qCompress puts the size before the zlib stream
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", zlib) + chunk("IEND", {});
}

int largestDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

// The chunk of `type` in a PNG: the offset of its length field, or -1.
int chunkAt(const QByteArray& png, const char* type) {
    for (int pos = 8; pos + 12 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + pos);
        if (png.mid(pos + 4, 4) == type) return pos;
        pos += 12 + int(length);
    }
    return -1;
}

}  // namespace

class TestFastPng : public QObject {
    Q_OBJECT
private slots:
    // The suite runs twice, the second time on the portable forms (ctest's "_portable" entry).
    void initTestCase() {
        if (qEnvironmentVariableIntValue("ZUV_PORTABLE_PICTURES") == 1) QVERIFY(!vectorPath());
        qInfo("picture path: the %s forms", vectorPath() ? "vector" : "portable");
    }

    void matchesTheReferenceBoxFilter_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("view");
        const char* families[] = {"GS2025", "VR1953", "VR490_DAY", "VRCALTABLE", "ANONS_ZUV", "ANONS_GOP", "MAINVRKS",
                                  "GKS_SPD2", "KSIMG7", "PATENT"};
        const QSize views[] = {{637, 417}, {1917, 970}, {160, 120}};
        const auto row = [](const char* name, const QSize& view) {
            QTest::newRow(qPrintable(QStringLiteral("%1 in %2x%3").arg(QLatin1String(name)).arg(view.width()).arg(view.height())))
                << QString::fromLatin1(name) << view;
        };
        for (const char* name : families)
            for (const QSize& view : views) row(name, view);
        // Enlargements of both kinds of picture: with alpha over white, without, and by a
        // whole factor and a hair.
        row("KSIMG7", {403, 398});
        row("KSIMG0", {351, 357});
        row("MAINZUV", {1274, 873});
        row("MAINZUV", {1917, 970});
    }
    void matchesTheReferenceBoxFilter() {
        QFETCH(QString, name);
        QFETCH(QSize, view);
        const QByteArray png = resource(qPrintable(name));
        const QImage qt = QImage::fromData(png);
        QVERIFY(!qt.isNull());
        QVERIFY(fastPngInfo(reinterpret_cast<const uchar*>(png.constData()), png.size()));
        QImage surface(view, QImage::Format_ARGB32_Premultiplied);
        surface.fill(Qt::white);
        QRect drawnAt;
        const QSize size = DrawPicture(
            surface, png, [&](const QSize& picture) { return drawnAt = fitPictureRect(0, 0, view.width(), view.height(), picture.width(), picture.height(), Fit::KeepProportions); },
            Scaling::AreaAveraged);
        QCOMPARE(size, qt.size());
        QImage reference;
        if (drawnAt.width() > qt.width()) {
            // An enlargement: Qt's smooth scaling of the premultiplied decode (colours weighed
            // by their coverage, as in the area average), over white.
            reference = QImage(drawnAt.size(), QImage::Format_ARGB32_Premultiplied);
            reference.fill(Qt::white);
            const QImage premultiplied = qt.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QPainter(&reference).drawImage(0, 0, premultiplied.scaled(drawnAt.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        } else {
            reference = referenceBox(qt, drawnAt.size());
        }
        const QImage drawn = surface.copy(drawnAt);
        // One level per channel; an enlargement with alpha is one level off in colour and in
        // alpha at worst, which over white can add up to two.
        const int tolerance = drawnAt.width() > qt.width() && qt.hasAlphaChannel() ? 2 : 1;
        const int worst = largestDifference(drawn, reference);
        QVERIFY2(worst <= tolerance, qPrintable(QStringLiteral("largest difference %1 levels").arg(worst)));
        // The white around the picture is untouched.
        if (drawnAt.left() > 0) QCOMPARE(surface.pixel(0, view.height() / 2), 0xFFFFFFFFu);
    }

    // What the decoder refuses: every damage leaves the surface as it was.
    void refusesDamagedFiles_data() {
        QTest::addColumn<QByteArray>("png");
        const QByteArray good = resource("KSIMG7");
        const int header = chunkAt(good, "IHDR");
        const int data = chunkAt(good, "IDAT");
        const int end = chunkAt(good, "IEND");
        QVERIFY(header == 8 && data > 0 && end > data);
        QTest::newRow("truncated in the image data") << good.left(data + 40);
        QTest::newRow("no end chunk") << good.left(end);
        QByteArray lying = good;
        qToBigEndian<quint32>(quint32(good.size()), lying.data() + data);  // runs past the buffer
        QTest::newRow("chunk length past the buffer") << lying;
        QByteArray taller = good;
        qToBigEndian<quint32>(qFromBigEndian<quint32>(good.constData() + 20) + 1, taller.data() + 20);
        QTest::newRow("header one row taller than the data") << taller;
        QByteArray shorter = good;
        qToBigEndian<quint32>(qFromBigEndian<quint32>(good.constData() + 20) - 1, shorter.data() + 20);
        QTest::newRow("header one row shorter than the data") << shorter;
        QByteArray interlaced = good;
        interlaced[8 + 8 + 12] = 1;
        QTest::newRow("interlaced") << interlaced;
        QByteArray palette = good;
        palette[8 + 8 + 9] = 3;
        QTest::newRow("palette colours") << palette;
        QByteArray sixteen = good;
        sixteen[8 + 8 + 8] = 16;
        QTest::newRow("16 bits a sample") << sixteen;
        QTest::newRow("not a png") << QByteArray("GIF89a and more bytes than a header needs to have here");
        QByteArray corrupt = good;
        for (int i = data + 20; i < data + 60; ++i) corrupt[i] = char(corrupt[i] ^ 0x5A);
        QTest::newRow("corrupt deflate stream") << corrupt;
        // A picture inflated band by band is held to the stream's checksum as one stream is.
        QByteArray banded = resource("GS2025");
        QVERIFY(chunkAt(banded, "baND") > 0);
        int lastData = -1;
        for (int pos = 8; pos + 12 <= banded.size(); pos += 12 + int(qFromBigEndian<quint32>(banded.constData() + pos)))
            if (banded.mid(pos + 4, 4) == "IDAT") lastData = pos;
        const int checksum = lastData + 8 + int(qFromBigEndian<quint32>(banded.constData() + lastData)) - 4;
        banded[checksum + 3] = char(banded[checksum + 3] ^ 0x01);
        QTest::newRow("banded, checksum of the image data wrong") << banded;
    }
    void refusesDamagedFiles() {
        QFETCH(QByteArray, png);
        const auto* data = reinterpret_cast<const uchar*>(png.constData());
        QImage surface(40, 40, QImage::Format_ARGB32_Premultiplied);
        surface.fill(Qt::white);
        QCOMPARE(drawFastPng(data, png.size(), surface, QRect(0, 0, 40, 40)), FastPngDrawn::Refused);
        QVERIFY(decodeFastPng(data, png.size()).isNull());
        QCOMPARE(surface.pixel(20, 20), 0xFFFFFFFFu);
    }

    // A band table that does not hold is not trusted: the image data is inflated as one
    // stream and the picture comes out the same as from the sound file.
    void readsPastABandTableThatLies_data() {
        QTest::addColumn<QByteArray>("png");
        const QByteArray good = resource("GS2025");
        const int table = chunkAt(good, "baND");
        QVERIFY(table > 0);
        const int entries = int(qFromBigEndian<quint32>(good.constData() + table)) / 8;
        QVERIFY(entries > 2);
        const auto entry = [&](int i, int field) { return table + 8 + 8 * i + 4 * field; };  // field 0: row, 1: offset
        const auto with = [&](int at, quint32 value) {
            QByteArray png = good;
            qToBigEndian<quint32>(value, png.data() + at);
            return png;
        };
        const quint32 middleOffset = qFromBigEndian<quint32>(good.constData() + entry(entries / 2, 1));
        const quint32 middleRow = qFromBigEndian<quint32>(good.constData() + entry(entries / 2, 0));
        QTest::newRow("an offset one byte late") << with(entry(entries / 2, 1), middleOffset + 1);
        QTest::newRow("an offset one byte early") << with(entry(entries / 2, 1), middleOffset - 1);
        QTest::newRow("a band one row late") << with(entry(entries / 2, 0), middleRow + 1);
        QTest::newRow("a band one row early") << with(entry(entries / 2, 0), middleRow - 1);
        QTest::newRow("offsets out of order") << with(entry(1, 1), 1);
        QTest::newRow("a row past the picture") << with(entry(entries - 1, 0), 1u << 20);
        QByteArray shortTable = with(table, quint32(8 * (entries - 1)));  // the last band left out
        shortTable.remove(entry(entries - 1, 0), 8);
        QTest::newRow("the last band left out") << shortTable;
        QTest::newRow("the first band moved onto row 1") << with(entry(0, 0), 1);
    }
    void readsPastABandTableThatLies() {
        QFETCH(QByteArray, png);
        const QByteArray good = resource("GS2025");
        const QSize view(317, 143);
        QImage sound(view, QImage::Format_ARGB32_Premultiplied), lied(view, QImage::Format_ARGB32_Premultiplied);
        sound.fill(Qt::white);
        lied.fill(Qt::white);
        QCOMPARE(drawFastPng(reinterpret_cast<const uchar*>(good.constData()), good.size(), sound, sound.rect()), FastPngDrawn::Yes);
        QCOMPARE(drawFastPng(reinterpret_cast<const uchar*>(png.constData()), png.size(), lied, lied.rect()), FastPngDrawn::Yes);
        QCOMPARE(lied, sound);
        QCOMPARE(decodeFastPng(reinterpret_cast<const uchar*>(png.constData()), png.size()), QImage::fromData(good));
    }

    // Wider and flatter than the picture: the fast path leaves it, untouched, to Qt's scaling.
    void leavesAFitLargerOneWayToQt() {
        const QByteArray png = resource("KSIMG7");
        const QRect target(3, 2, 300, 100);
        QImage untouched(320, 110, QImage::Format_ARGB32_Premultiplied), drawn(untouched.size(), untouched.format()),
            expected(untouched.size(), untouched.format());
        for (QImage* image : {&untouched, &drawn, &expected}) image->fill(Qt::white);
        QCOMPARE(drawFastPng(reinterpret_cast<const uchar*>(png.constData()), png.size(), untouched, target), FastPngDrawn::NotThisFit);
        QCOMPARE(untouched.pixel(150, 50), 0xFFFFFFFFu);
        const QImage decoded = QImage::fromData(png);
        QCOMPARE(DrawPicture(drawn, png, [&](const QSize&) { return target; }, Scaling::AreaAveraged), decoded.size());
        QPainter(&expected).drawImage(target.topLeft(), decoded.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QCOMPARE(drawn, expected);
    }

    // Pictures of our own making, each row filtered as the row says: the program's own files
    // leave every row unfiltered, other writers choose per row.
    void undoesEveryRowFilter_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<int>>("filters");
        for (const int channels : {3, 4}) {
            const char* kind = channels == 3 ? "RGB" : "RGBA";
            const auto row = [&](const char* name, const QList<int>& filters) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(kind), QLatin1String(name)))) << channels << filters;
            };
            row("none", {0, 0, 0, 0, 0});
            row("sub", {1, 1, 1, 1, 1});
            row("up", {2, 2, 2, 2, 2});
            row("average", {3, 3, 3, 3, 3});
            row("paeth", {4, 4, 4, 4, 4});
            row("each row its own", {4, 3, 2, 1, 0});
        }
    }
    void undoesEveryRowFilter() {
        QFETCH(int, channels);
        QFETCH(QList<int>, filters);
        const int width = 7, height = int(filters.size()), stride = width * channels;
        std::vector<int> samples(size_t(stride * height));
        quint32 seed = 12345;
        for (int& v : samples) v = int((seed = seed * 1103515245u + 12345u) >> 24);  // any level, 0 … 255
        // The row filters as PNG defines them, applied to the samples.
        QByteArray raw;
        for (int y = 0; y < height; ++y) {
            raw.append(char(filters[y]));
            for (int i = 0; i < stride; ++i) {
                const auto at = [&](int yy, int ii) { return yy < 0 || ii < 0 ? 0 : samples[size_t(yy * stride + ii)]; };
                const int left = at(y, i - channels), up = at(y - 1, i), upLeft = at(y - 1, i - channels);
                const int p = left + up - upLeft, pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upLeft);
                const int paeth = pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
                const int predictor[] = {0, left, up, (left + up) / 2, paeth};
                raw.append(char(uchar(at(y, i) - predictor[filters[y]])));
            }
        }
        const QByteArray png = ownPng(width, height, channels, raw);
        const QImage picture = decodeFastPng(reinterpret_cast<const uchar*>(png.constData()), png.size());
        QCOMPARE(picture.size(), QSize(width, height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int* v = &samples[size_t(y * stride + x * channels)];
                QCOMPARE(picture.pixel(x, y), qRgba(v[0], v[1], v[2], channels == 4 ? v[3] : 255));
            }
    }

    void refusesAnUnknownRowFilter() {
        const auto make = [](uchar filter) {
            QByteArray raw;
            for (int y = 0; y < 4; ++y) {
                raw.append(char(filter));
                raw.append(QByteArray(4 * 3, char(y * 40)));
            }
            return ownPng(4, 4, 3, raw);
        };
        const QByteArray sound = make(0), bad = make(7);
        const QImage picture = decodeFastPng(reinterpret_cast<const uchar*>(sound.constData()), sound.size());
        QCOMPARE(picture.size(), QSize(4, 4));
        QCOMPARE(picture.pixel(1, 2), qRgb(80, 80, 80));
        QVERIFY(decodeFastPng(reinterpret_cast<const uchar*>(bad.constData()), bad.size()).isNull());
    }
};

QTEST_GUILESS_MAIN(TestFastPng)
#include "tst_fastpng.moc"
