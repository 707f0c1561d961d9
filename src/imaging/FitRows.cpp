// The fit's drivers: the spans of a shrink and the taps of an enlargement along each axis,
// and the loops over target rows that run the per-pixel steps (PixelSteps.h) row by row,
// the target's rows split between both cores.

#include "FitRows.h"

#include "BothCores.h"

#include <cmath>

namespace zuv {

namespace {

// Pictures from this many pixels (source or target, whichever is larger) are scaled on both
// cores: the 179 × 177 icons already gain by it (measured: about a quarter of their time).
constexpr qint64 kSharedPixels = 16'384;

// Box filter from `source` pixels to `target` pixels (target ≤ source): target pixel t covers
// [t·k, (t + 1)·k) with k = source / target, partly covered pixels by their covered part.
Spans boxSpans(int source, int target) {
    Spans out;
    out.first.resize(size_t(target));
    const double k = double(source) / target;
    out.taps = int(std::ceil(k)) + 1;  // a span of k pixels touches at most ⌈k⌉ + 1 of them
    out.weights.assign(size_t(target) * size_t(out.taps), 0.0f);
    for (int t = 0; t < target; ++t) {
        // Both ends are ≥ 0, so truncating is rounding down (and cheaper than floor and ceil).
        const double from = t * k, to = std::min(double(source), (t + 1) * k);
        const int first = int(from), toWhole = int(to);
        const int last = std::min(source - 1, to > toWhole ? toWhole : toWhole - 1);
        out.first[size_t(t)] = first;
        float* weights = out.weights.data() + size_t(t) * size_t(out.taps);
        for (int s = first; s <= last; ++s) weights[s - first] = float((std::min(to, s + 1.0) - std::max(from, double(s))) / k);
    }
    return out;
}

// The pairs of taps the RGBA rows are summed with along the row (only the columns need them).
void addTapPairs(Spans& spans) {
    const size_t targets = spans.first.size();
    spans.pairs = (spans.taps + 1) / 2;
    spans.pairWeights.assign(targets * size_t(spans.pairs) * 8, 0);
    for (size_t t = 0; t < targets; ++t)
        for (int i = 0; i < spans.taps; ++i) {
            const qint16 w = qint16(spans.weights[t * size_t(spans.taps) + size_t(i)] * float(1 << kColumnWeightBits) + 0.5f);
            qint16* group = spans.pairWeights.data() + (t * size_t(spans.pairs) + size_t(i / 2)) * 8;
            for (int lane = i % 2; lane < 8; lane += 2) group[lane] = w;
        }
}

// Target pixel t takes the source at (t + ½)·source/target − ½, in 1/65536 of a pixel,
// between the two source pixels around it, the second weighted in 1/256 (the way Qt's smooth
// scaling places and weighs its samples); before the first pixel's centre and past the last
// one's it takes that pixel alone.
Taps enlargeTaps(int source, int target) {
    Taps taps;
    taps.first.resize(size_t(target));
    taps.next.resize(size_t(target));
    taps.pairWeights.resize(size_t(target) * 8);
    const qint64 step = (qint64(source) << 16) / target;
    qint64 at = 0x8000LL * source / target - 0x8000;
    for (int t = 0; t < target; ++t, at += step) {
        const qint64 pixel = at >> 16;
        const bool between = pixel >= 0 && pixel < source - 1;
        taps.first[size_t(t)] = int(std::clamp<qint64>(pixel, 0, source - 1));
        taps.next[size_t(t)] = between ? int((at >> 8) & 0xFF) : 0;
        std::fill_n(taps.pairWeights.begin() + t * 8, 4, quint16(256 - taps.next[size_t(t)]));
        std::fill_n(taps.pairWeights.begin() + t * 8 + 4, 4, quint16(taps.next[size_t(t)]));
    }
    return taps;
}

// The surface's pixels, taken once on the calling thread: QImage::scanLine() detaches and
// counts on every call, which two cores must not do to one image at once.
struct Raster {
    uchar* bits;
    qsizetype bytesPerLine;
    QRect bounds;
    explicit Raster(QImage& image) : bits(image.bits()), bytesPerLine(image.bytesPerLine()), bounds(image.rect()) {}
    QRgb* line(int y) const { return reinterpret_cast<QRgb*>(bits + y * bytesPerLine); }
};

// A fit of the raw rows into `target` of the surface: the shrink's spans or the enlargement's
// taps along each axis, and the steps that run it.
template <typename Steps>
struct FitJob {
    const uchar* raw;
    const PngFile* png;
    const Steps* columns;
    const Steps* rows;
    Raster surface;
    QRect target;
    const PixelSteps* steps;
    // The target's columns inside the surface.
    int firstX() const { return std::max(0, surface.bounds.left() - target.left()); }
    int lastX() const { return std::min(target.width(), surface.bounds.right() + 1 - target.left()); }
};

// Target rows [fromRow, toRow) of a shrink: the vertical pass sums the covered source rows
// into one row (channel by channel, so it runs on whole vector registers), then that row is
// shrunk along its length onto the surface.
void shrinkRows(const FitJob<Spans>& job, int fromRow, int toRow) {
    const PngFile& png = *job.png;
    const int ch = png.channels;
    const size_t values = size_t(png.info.width) * size_t(ch);
    const Spans& rowSpans = *job.rows;
    const ShrinkAlongRow alongRow = job.steps->shrinkAlongRowFor(ch, *job.columns);
    // Zero-weighted taps past the last pixel read zeros (an odd tap count rounded up to pairs,
    // an RGB pixel read as four sums).
    std::vector<quint16> sums(values + size_t(job.columns->taps + 1) * size_t(ch) + 8);
    const QRect& bounds = job.surface.bounds;
    const int firstX = job.firstX(), lastX = job.lastX();
    constexpr float kRowWeightUnits = 32768.0f;
    for (int ty = fromRow; ty < toRow; ++ty) {
        const int y = job.target.top() + ty;
        if (y < bounds.top() || y > bounds.bottom()) continue;
        const float* rowWeights = rowSpans.weights.data() + size_t(ty) * size_t(rowSpans.taps);
        for (int i = 0; i < rowSpans.taps && rowWeights[i] > 0; ++i)
            job.steps->addWeightedRow(sums.data(), job.raw + size_t(rowSpans.first[size_t(ty)] + i) * png.rowBytes() + 1, values,
                                      quint16(rowWeights[i] * kRowWeightUnits + 0.5f), i == 0);
        alongRow(*job.columns, sums.data(), firstX, lastX, job.surface.line(y) + job.target.left());
    }
}

// Target rows [fromRow, toRow) of an enlargement: each source row mixed along the row once
// (the last two kept, as consecutive target rows share them), then the two rows around each
// target row mixed down onto the surface.
void enlargeRows(const FitJob<Taps>& job, int fromRow, int toRow) {
    const PngFile& png = *job.png;
    const QRect& bounds = job.surface.bounds;
    const int firstX = job.firstX(), lastX = job.lastX();
    if (firstX >= lastX) return;
    const EnlargeAlongRow mixAlong = job.steps->enlargeAlongRowFor(png.channels);
    const size_t lanes = size_t(job.target.width() + 1) * 4;  // a pixel past the last, for pairs
    std::vector<quint16> mixed[2] = {std::vector<quint16>(lanes), std::vector<quint16>(lanes)};
    int held[2] = {-1, -1};  // the source row each buffer holds
    const auto alongRow = [&](int sy) -> const quint16* {
        for (int i = 0; i < 2; ++i)
            if (held[i] == sy) return mixed[i].data();
        const int slot = held[0] < held[1] ? 0 : 1;  // rows only go down: drop the upper one
        mixAlong(*job.columns, job.raw + size_t(sy) * png.rowBytes() + 1, firstX, lastX, mixed[slot].data());
        held[slot] = sy;
        return mixed[slot].data();
    };
    for (int ty = fromRow; ty < toRow; ++ty) {
        const int y = job.target.top() + ty;
        if (y < bounds.top() || y > bounds.bottom()) continue;
        const int sy = job.rows->first[size_t(ty)], wy = job.rows->next[size_t(ty)];
        const quint16* above = alongRow(sy);
        const quint16* below = wy ? alongRow(sy + 1) : above;
        job.steps->mixDown(above, below, wy, firstX, lastX, job.surface.line(y) + job.target.left(), png.channels);
    }
}

}  // namespace

bool fitsRows(const PngFile& png, const QSize& target) {
    const bool shrinks = target.width() <= png.info.width && target.height() <= png.info.height;
    const bool enlarges = target.width() >= png.info.width && target.height() >= png.info.height;
    return shrinks || enlarges;
}

void fitRows(const PngFile& png, const uchar* raw, QImage& surface, const QRect& target, const PixelSteps& steps) {
    const int width = png.info.width, height = png.info.height;
    // The two halves of the target rows on both cores, when there is enough to share (the
    // worker is usually awake from the bands just inflated, and costs nothing when it is not).
    const int rows = target.height(), half = rows / 2;
    const bool share = qint64(std::max(width, target.width())) * std::max(height, rows) >= kSharedPixels && half > 0;
    const auto run = [&](const auto& fit) {
        if (!share) return fit(0, rows);
        onBothCores([&](int core) { core == 0 ? fit(0, half) : fit(half, rows); });
    };
    if (target.width() <= width && target.height() <= height) {
        Spans columnSpans = boxSpans(width, target.width());
        if (png.info.alpha) addTapPairs(columnSpans);
        const Spans rowSpans = boxSpans(height, rows);
        const FitJob<Spans> job{raw, &png, &columnSpans, &rowSpans, Raster(surface), target, &steps};
        run([&](int from, int to) { shrinkRows(job, from, to); });
    } else {
        const Taps columnTaps = enlargeTaps(width, target.width()), rowTaps = enlargeTaps(height, rows);
        const FitJob<Taps> job{raw, &png, &columnTaps, &rowTaps, Raster(surface), target, &steps};
        run([&](int from, int to) { enlargeRows(job, from, to); });
    }
}

}  // namespace zuv
