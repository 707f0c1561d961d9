// Checks the decoration pictures that the generator wrote: their kinds and sizes, that the 25
// icons are transparent around an opaque emblem and can be told apart, that each main page has
// its emblem circle of radius 110 at the exact centre (where the program's click test looks),
// that the right strip's key colour is its ground only, that the left panel is dark enough for
// white labels, and that the unused ZUV bitmap is a palette bitmap.

#include "Catalogue.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QtMath>
#include <QtTest>

namespace {

QString rcdataPath(const QString& name) { return QStringLiteral(ZUV_CELLMAP_DIR "/../rcdata/") + name + QStringLiteral(".png"); }
QString bitmapPath(const QString& name) { return QStringLiteral(ZUV_CELLMAP_DIR "/../bitmap/") + name + QStringLiteral(".bmp"); }

QImage loadPicture(const QString& name) {
    const zuv::CatalogueEntry* entry = zuv::findCatalogueEntry(name);
    if (!entry) return {};
    return QImage(zuv::isRawData(entry->kind) ? rcdataPath(name) : bitmapPath(name));
}

// biBitCount of a BMP file: 14-byte file header, then 14 bytes into the info header.
int bmpBitCount(const QString& name) {
    QFile file(bitmapPath(name));
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = file.read(30);
    if (head.size() < 30 || !head.startsWith("BM")) return -1;
    return quint8(head[28]) | (quint8(head[29]) << 8);
}

int colourDistance(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// WCAG relative luminance of an sRGB colour.
double relativeLuminance(QRgb c) {
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : qPow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

// The icon as the program shows it: drawn over a white control, here shrunk to a thumbnail.
QImage thumbnailOnWhite(const QImage& icon, int side) {
    QImage canvas(icon.size(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    p.drawImage(0, 0, icon);
    p.end();
    return canvas.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Mean difference per colour channel of two equally sized pictures, 0 … 255.
double meanChannelDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) sum += colourDistance(a.pixel(x, y), b.pixel(x, y));
    return sum / (3.0 * a.width() * a.height());
}

QRgb mostFrequentColour(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb best = 0;
    int bestCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    return best;
}

QPoint onCircle(QPointF centre, double r, double deg) {
    const double a = qDegreesToRadians(deg);
    return QPoint(qFloor(centre.x() + r * qCos(a)), qFloor(centre.y() + r * qSin(a)));
}

const char* const kDecorationNames[] = {"KSIMG0", "MAINZUV", "MAINGKS", "MAINVRKS", "LEFTIMG",
                                        "RIGHTIMG", "MAINTABLE", "ZUV"};

}  // namespace

class TestDecoration : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirCatalogueKindAndSize_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : kDecorationNames) QTest::newRow(name) << QString::fromLatin1(name);
        for (int n = 1; n <= 25; ++n) {
            const QString name = QStringLiteral("KSIMG%1").arg(n);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void picturesHaveTheirCatalogueKindAndSize() {
        QFETCH(QString, name);
        const zuv::CatalogueEntry* entry = zuv::findCatalogueEntry(name);
        QVERIFY(entry);
        const QImage image = loadPicture(name);
        QVERIFY2(!image.isNull(), qPrintable(name + QStringLiteral(" could not be read")));
        QCOMPARE(image.size(), QSize(entry->width, entry->height));
        switch (entry->kind) {
        case zuv::ResourceKind::PngRgb: QVERIFY(!image.hasAlphaChannel()); break;
        case zuv::ResourceKind::PngRgba: QVERIFY(image.hasAlphaChannel()); break;
        case zuv::ResourceKind::Bitmap24: QCOMPARE(bmpBitCount(name), 24); break;
        case zuv::ResourceKind::Bitmap8: QCOMPARE(bmpBitCount(name), 8); break;
        case zuv::ResourceKind::Text: QFAIL("not a picture"); break;
        }
    }

    void iconsAreTransparentAroundAnOpaqueEmblem_data() {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 25; ++n) QTest::newRow(qPrintable(QStringLiteral("KSIMG%1").arg(n))) << n;
    }
    void iconsAreTransparentAroundAnOpaqueEmblem() {
        QFETCH(int, n);
        const QImage icon = loadPicture(QStringLiteral("KSIMG%1").arg(n)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!icon.isNull());
        const int w = icon.width(), h = icon.height();
        // Every corner square of 8 × 8 pixels is fully transparent …
        for (QPoint corner : {QPoint(0, 0), QPoint(w - 8, 0), QPoint(0, h - 8), QPoint(w - 8, h - 8)})
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    QVERIFY2(qAlpha(icon.pixel(corner.x() + x, corner.y() + y)) == 0,
                             qPrintable(QStringLiteral("corner pixel (%1, %2)").arg(corner.x() + x).arg(corner.y() + y)));
        // … and the middle of the icon is fully opaque.
        for (int y = h / 2 - 10; y <= h / 2 + 10; ++y)
            for (int x = w / 2 - 10; x <= w / 2 + 10; ++x)
                QVERIFY2(qAlpha(icon.pixel(x, y)) == 255, qPrintable(QStringLiteral("centre pixel (%1, %2)").arg(x).arg(y)));
        // The emblem fills its square rather than floating small in it (a disc covers about
        // three quarters, the nine-pointed star a little under a half).
        int opaque = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) opaque += qAlpha(icon.pixel(x, y)) == 255;
        QVERIFY2(opaque > w * h * 2 / 5, qPrintable(QStringLiteral("only %1 opaque pixels").arg(opaque)));
    }

    void iconsCanBeToldApartInTheGrid() {
        // At 24 × 24 pixels (smaller than a grid cell in the smallest window) every pair of icons
        // must still differ clearly in colour or shape.
        std::vector<QImage> thumbs;
        for (int n = 1; n <= 25; ++n) {
            const QImage icon = loadPicture(QStringLiteral("KSIMG%1").arg(n));
            QVERIFY(!icon.isNull());
            thumbs.push_back(thumbnailOnWhite(icon, 24));
        }
        double closest = 1e9;
        QString closestPair;
        for (int a = 0; a < 25; ++a)
            for (int b = a + 1; b < 25; ++b) {
                const double d = meanChannelDifference(thumbs[a], thumbs[b]);
                if (d < closest) {
                    closest = d;
                    closestPair = QStringLiteral("KSIMG%1 and KSIMG%2").arg(a + 1).arg(b + 1);
                }
            }
        QVERIFY2(closest > 22, qPrintable(QStringLiteral("%1 differ by only %2 per channel").arg(closestPair).arg(closest)));
    }

    void programEmblemSitsOnWhite() {
        const QImage emblem = loadPicture(QStringLiteral("KSIMG0"));
        QVERIFY(!emblem.isNull());
        const int w = emblem.width(), h = emblem.height();
        for (QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            QCOMPARE(emblem.pixel(p) | 0xff000000u, 0xffffffffu);
        int coloured = 0;
        for (int y = h / 4; y < 3 * h / 4; ++y)
            for (int x = w / 4; x < 3 * w / 4; ++x) coloured += colourDistance(emblem.pixel(x, y), 0xffffffffu) > 150;
        QVERIFY(coloured > w * h / 16);
    }

    void mainPagesHaveTheEmblemCircleAtTheirCentre_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("MAINZUV") << QStringLiteral("MAINZUV");
        QTest::newRow("MAINGKS") << QStringLiteral("MAINGKS");
        QTest::newRow("MAINVRKS") << QStringLiteral("MAINVRKS");
    }
    void mainPagesHaveTheEmblemCircleAtTheirCentre() {
        QFETCH(QString, name);
        const QImage page = loadPicture(name).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!page.isNull());
        const QRgb ground = mostFrequentColour(page);
        const QPointF centre(page.width() / 2.0, page.height() / 2.0);
        const int angles = 72;
        for (int i = 0; i < angles; ++i) {
            const double deg = 360.0 * i / angles;
            // Near the edge of the clickable radius everything belongs to the circle (a tinted
            // margin round the emblem) …
            for (double r : {98.0, 103.0, 108.5}) {
                const QPoint p = onCircle(centre, r, deg);
                QVERIFY2(colourDistance(page.pixel(p), ground) > 24,
                         qPrintable(QStringLiteral("(%1, %2) at radius %3 looks like the page ground").arg(p.x()).arg(p.y()).arg(r)));
            }
            // … where a strong ring ends within a pixel or two of radius 110.
            int outerEdge = -1;
            for (int r = 95; r <= 125; ++r)
                if (colourDistance(page.pixel(onCircle(centre, r, deg)), ground) > 150) outerEdge = r;
            QVERIFY2(outerEdge >= 108 && outerEdge <= 111,
                     qPrintable(QStringLiteral("the ring ends at radius %1 at %2 degrees").arg(outerEdge).arg(deg)));
        }
        // Just outside the ring the page ground shows again (only thin connector lines cross).
        int groundOutside = 0;
        for (int i = 0; i < 360; ++i) groundOutside += colourDistance(page.pixel(onCircle(centre, 116, i)), ground) <= 6;
        QVERIFY2(groundOutside >= 340, qPrintable(QStringLiteral("%1 of 360").arg(groundOutside)));
    }

    void rightStripKeyColourIsOnlyItsGround() {
        const QImage strip = loadPicture(QStringLiteral("RIGHTIMG")).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!strip.isNull());
        const QRgb key = strip.pixel(0, strip.height() - 1);
        // The strip is stretched with smoothing onto the white window: a white, opaque key leaves
        // no coloured fringe around the ornament.
        QCOMPARE(key, 0xffffffffu);
        int keyed = 0, ornament = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x) {
                const QRgb c = strip.pixel(x, y);
                if (c == key) ++keyed;
                else if (colourDistance(c, key) > 200 && qAlpha(c) == 255) ++ornament;
            }
        const int all = strip.width() * strip.height();
        QVERIFY2(keyed > all * 2 / 5, qPrintable(QStringLiteral("%1 key pixels of %2").arg(keyed).arg(all)));
        QVERIFY2(ornament > all / 10, qPrintable(QStringLiteral("%1 ornament pixels of %2").arg(ornament).arg(all)));
        // The ornament runs the whole length of the strip.
        for (int band = 0; band < 10; ++band) {
            bool drawn = false;
            for (int y = band * strip.height() / 10; y < (band + 1) * strip.height() / 10 && !drawn; ++y)
                for (int x = 0; x < strip.width() && !drawn; ++x) drawn = colourDistance(strip.pixel(x, y), key) > 200;
            QVERIFY2(drawn, qPrintable(QStringLiteral("no ornament in tenth %1").arg(band + 1)));
        }
    }

    void leftPanelIsDarkWhereTheWhiteLabelsGo() {
        const QImage panel = loadPicture(QStringLiteral("LEFTIMG")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!panel.isNull());
        // Label rows as fractions of the height; white bold text needs a contrast of at least 7:1.
        for (double fraction : {0.10, 0.27, 0.42, 0.50, 0.58, 0.67, 0.76, 0.86, 0.94}) {
            const int mid = qRound(fraction * panel.height());
            for (int y = mid - 12; y <= mid + 12; ++y)
                for (int x = 26; x < panel.width() - 26; ++x) {
                    const double contrast = 1.05 / (relativeLuminance(panel.pixel(x, y)) + 0.05);
                    QVERIFY2(contrast >= 7, qPrintable(QStringLiteral("(%1, %2): contrast %3").arg(x).arg(y).arg(contrast)));
                }
        }
    }

    void zuvBitmapUsesAPalette() {
        QCOMPARE(bmpBitCount(QStringLiteral("ZUV")), 8);
        const QImage bitmap(bitmapPath(QStringLiteral("ZUV")));
        QVERIFY(!bitmap.isNull());
        QCOMPARE(bitmap.format(), QImage::Format_Indexed8);
        QSet<QRgb> used;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) used.insert(bitmap.pixel(x, y));
        QVERIFY2(used.size() >= 4 && used.size() <= 64, qPrintable(QString::number(used.size())));
    }

    void overviewTableIsFilled() {
        const QImage table = loadPicture(QStringLiteral("MAINTABLE")).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!table.isNull());
        const QRgb ground = mostFrequentColour(table);
        // Every tenth of the table's height, from under the title to above the footnote, carries
        // ink (text, emblems, rules): no stretch of the table is left empty.
        for (int band = 0; band < 10; ++band) {
            const int top = table.height() * (15 + band * 7) / 100, bottom = table.height() * (22 + band * 7) / 100;
            int inked = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < table.width(); ++x) inked += colourDistance(table.pixel(x, y), ground) > 150;
            QVERIFY2(inked > (bottom - top) * table.width() / 50,
                     qPrintable(QStringLiteral("band %1: %2 inked pixels").arg(band).arg(inked)));
        }
        // The page is opaque: the table window shows it on a blank view without a ground of its own.
        for (QPoint p : {QPoint(0, 0), QPoint(table.width() - 1, table.height() - 1), QPoint(table.width() / 2, table.height() / 2)})
            QCOMPARE(qAlpha(table.pixel(p)), 255);
    }
};

QTEST_GUILESS_MAIN(TestDecoration)
#include "tst_decoration.moc"
