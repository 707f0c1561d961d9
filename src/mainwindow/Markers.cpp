// The four date markers of the main window. Each asks MarkerGeometry which sheet and which
// cells stand for the day, puts the fitted sheet on the sheet view and outlines the cells
// with the current pen colour.

#include "mainwindow/ZUVunit.h"

#include "core/MarkerGeometry.h"
#include "core/PictureFit.h"
#include "imaging/PicturePath.h"
#include "mainwindow/SheetCache.h"
#include "platform/MessageBox.h"
#include "platform/Clock.h"

#include <QPainter>
#include <cstring>

namespace zuv {

namespace {

// The pixels an outline of `rect` with a pen of `penWidth` can touch.
QRect touchedBy(const QRect& rect, int penWidth) {
    const int grow = penWidth / 2 + 2;
    return rect.adjusted(-grow, -grow, grow, grow);
}

// A rectangle of logical pixels in the device pixels of `image`.
QRect devicePixels(const QRect& rect, const QImage& image) {
    const qreal dpr = image.devicePixelRatio();
    return QRectF(QPointF(rect.topLeft()) * dpr, QSizeF(rect.size()) * dpr).toAlignedRect();
}

void copyRect(const QImage& from, QImage& to, const QRect& logical) {
    const QRect r = devicePixels(logical, to).intersected(to.rect());
    if (r.isEmpty()) return;
    const int bytes = r.width() * 4;
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(to.scanLine(y) + r.left() * 4, from.constScanLine(y) + r.left() * 4, size_t(bytes));
}

}  // namespace

bool TFormZUV::DrawMarkPlan(const MarkPlan& plan) {
    CurDate = plan.markedDate;
    if (!plan.ok) {
        if (!plan.failureMessage.isEmpty()) ShowMessage(plan.failureMessage);
        return false;
    }

    const QSize view = StartImage->size();
    // The cached raster is made as the view's own canvas is, so one copies onto the other.
    const QImage* fitted = m_sheetCache->Find(plan.sheetName, StartImage->CanvasDeviceSize());
    if (!fitted) {
        std::unique_ptr<QBuffer> stream = LoadResToStream(plan.sheetName);
        if (!stream) return false;  // the loader has said why
        QImage raster = StartImage->NewCanvasRaster();
        raster.fill(Qt::white);
        const auto fit = [&view](const QSize& sheet) {
            return drawnSheetRect(placeSheet(view.width(), view.height(), sheet.width(), sheet.height()));
        };
        const QSize sheet = DrawPicture(raster, stream->data(), fit, Scaling::AreaAveraged);
        stream.reset();
        if (sheet.isEmpty()) {
            ShowMessage(resourceLoadFailureMessage(plan.sheetName));
            return false;
        }
        m_lastSheetSize = sheet;
        fitted = m_sheetCache->Put(plan.sheetName, std::move(raster));
    }
    const SheetPlacement placement = placeSheet(view.width(), view.height(), m_lastSheetSize.width(), m_lastSheetSize.height());

    // The drawing surface: the view's own picture, reused when it is already the right raster;
    // the fitted sheet is copied onto all of it, so a new one is not filled first.
    QImage& surface = StartImage->CanvasToOverwrite();
    const bool sameRaster = surface.size() == fitted->size() && surface.format() == fitted->format() &&
                            surface.bytesPerLine() == fitted->bytesPerLine();
    QRegion changed;
    if (sameRaster && m_sheetCache->LastMarkIsOn(surface.cacheKey())) {
        for (const QRect& r : m_sheetCache->LastMarkRects()) {
            copyRect(*fitted, surface, r);
            changed += r;
        }
    } else {
        if (sameRaster) std::memcpy(surface.bits(), fitted->constBits(), size_t(fitted->sizeInBytes()));
        else surface = fitted->copy();  // no view shows a raster of another shape; should one, it is copied whole
        changed = surface.rect();
    }

    const std::vector<QRect> rects = markRects(placement, plan);
    m_markedSheet = plan.sheetName;
    m_markedCell = rects.empty() ? QRect() : rects.front();  // the day's own cell comes first
    DescribeMarkedDay();

    std::vector<QRect> touched;
    {
        QPainter painter(&surface);
        QPen pen(QColor::fromRgba(PenColor));
        pen.setWidth(plan.grid.penWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (const QRect& rect : rects) {
            painter.drawRect(QRectF(rect));
            touched.push_back(touchedBy(rect, plan.grid.penWidth));
            changed += touched.back();
        }
    }
    m_sheetCache->SetLastMark(surface.cacheKey(), std::move(touched));
    StartImage->RepaintRegion(changed);
    return true;
}

bool TFormZUV::PaintDateGKS(const QDate& InDate) { return DrawMarkPlan(planPaintDateGKS(InDate, Today())); }

bool TFormZUV::PaintDateVRKS(const QDate& InDate) { return DrawMarkPlan(planPaintDateVRKS(InDate, DayLines())); }

bool TFormZUV::VRKS_DayTable(const QDate& InDate) { return DrawMarkPlan(planVRKS_DayTable(InDate, DayLines())); }

bool TFormZUV::VRKS_CalTable(const QDate& InDate) { return DrawMarkPlan(planVRKS_CalTable(InDate, DayLines())); }

}  // namespace zuv
