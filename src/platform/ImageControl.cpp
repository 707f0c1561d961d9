#include "ImageControl.h"

#include "core/HugePages.h"
#include "core/PictureFit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <atomic>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace zuv {

namespace {
std::atomic<int> g_livePictures{0};

#if __has_include(<sys/mman.h>)
// A mapping a raster's pixels live in, unmapped with the raster's last copy.
struct Mapping {
    void* base;
    size_t length;
};
void unmapRaster(void* mapping) {
    const auto* m = static_cast<Mapping*>(mapping);
    munmap(m->base, m->length);
    delete m;
}
#endif

// A raster of 32-bit pixels. Large ones (a zoomed sheet is up to 5751 × 2910, 67 MB) get a
// mapping of their own in huge pages where the system gives them: touching fresh memory 4 KB
// page by page was most of the time a zoom took, and the mapping goes back to the system with
// the raster (kept in the allocator's heap, rasters of changing sizes made it grow).
QImage NewRaster(const QSize& size, QImage::Format format) {
#if __has_include(<sys/mman.h>)
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(size.height());
    if (WorthHugePages(bytes)) {
        const size_t rounded = RoundUpToHugePages(bytes);
        const size_t length = rounded + kHugePage;  // room to start on a huge page boundary
        void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base != MAP_FAILED) {
            auto* pixels = reinterpret_cast<uchar*>((reinterpret_cast<quintptr>(base) + kHugePage - 1) & ~quintptr(kHugePage - 1));
            AdviseHugePages(pixels, rounded);
            return QImage(pixels, size.width(), size.height(), bytesPerLine, format, unmapRaster, new Mapping{base, length});
        }
    }
#endif
    return QImage(size, format);
}
}  // namespace

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

int ImageControl::LivePictures() { return g_livePictures.load(); }

// The raster has the control's size in device pixels, so sheets stay sharp on HiDPI screens
// while every geometry stays in the window's logical pixels.
QSize ImageControl::CanvasDeviceSize() const { return (QSizeF(size().expandedTo(QSize(1, 1))) * devicePixelRatioF()).toSize(); }

QImage ImageControl::NewCanvasRaster() const {
    QImage raster = NewRaster(CanvasDeviceSize(), QImage::Format_ARGB32_Premultiplied);
    raster.setDevicePixelRatio(devicePixelRatioF());
    return raster;
}

QImage& ImageControl::Canvas() { return MakeCanvas(true); }

QImage& ImageControl::CanvasToOverwrite() { return MakeCanvas(false); }

QImage& ImageControl::MakeCanvas(bool white) {
    const qreal dpr = devicePixelRatioF();
    if (m_picture.isNull() || m_picture.size() != CanvasDeviceSize() || m_picture.devicePixelRatio() != dpr ||
        m_picture.format() != QImage::Format_ARGB32_Premultiplied) {
        if (m_picture.isNull()) ++g_livePictures;
        m_picture = NewCanvasRaster();
        if (white) m_picture.fill(Qt::white);
    }
    m_keyedValid = false;
    return m_picture;
}

void ImageControl::Discard() {
    if (!m_picture.isNull()) --g_livePictures;
    m_picture = QImage();
    m_keyed = QImage();
    m_keyedValid = false;
    update();
}

void ImageControl::SetPicture(const QImage& image) {
    if (m_picture.isNull() && !image.isNull()) ++g_livePictures;
    if (!m_picture.isNull() && image.isNull()) --g_livePictures;
    m_picture = image;
    m_keyedValid = false;
    update();
}

void ImageControl::Repaint() {
    m_keyedValid = false;
    update();
}

void ImageControl::RepaintRegion(const QRegion& region) {
    m_keyedValid = false;
    // The picture is shown 1:1 when it has the control's size; otherwise everything moves.
    if (m_picture.deviceIndependentSize().toSize() == size()) update(region);
    else update();
}

void ImageControl::SetTransparent(bool on) {
    m_transparent = on;
    m_keyedValid = false;
    update();
}

const QImage& ImageControl::shownImage() {
    if (!m_transparent || m_picture.isNull()) return m_picture;
    if (!m_keyedValid) {
        const QRgb key = m_picture.pixel(0, m_picture.height() - 1);
        m_keyed = m_picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < m_keyed.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(m_keyed.scanLine(y));
            for (int x = 0; x < m_keyed.width(); ++x)
                if ((line[x] | 0xFF000000u) == (key | 0xFF000000u)) line[x] = 0;
        }
        m_keyedValid = true;
    }
    return m_keyed;
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    const QImage& image = shownImage();
    QPainter painter(this);
    if (m_stretch) {
        QRect target = rect();
        if (m_proportional) target = keepAspectRect(size(), image.size());
        painter.setRenderHint(QPainter::SmoothPixmapTransform, image.size() != target.size());
        painter.drawImage(target, image);
    } else if (m_center) {
        painter.drawImage(QPoint((width() - image.width()) / 2, (height() - image.height()) / 2), image);
    } else {
        painter.drawImage(QPoint(0, 0), image);
    }
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    emit ButtonPressed(event->button());
    m_click.Press(*event);
    if (event->button() == Qt::LeftButton) m_pressedAt = event->globalPosition().toPoint();
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        unsetCursor();
        return;
    }
    if (m_click.Release(*event, rect())) emit Clicked();
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
    emit PointerMoved(event->position().toPoint());
    if (!m_draggable || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->globalPosition().toPoint();
    if (!m_dragging) {
        if ((at - m_pressedAt).manhattanLength() < QApplication::startDragDistance()) return;
        m_dragging = true;  // its release is no click
        setCursor(Qt::ClosedHandCursor);
    }
    const QPoint delta = at - m_pressedAt;
    m_pressedAt = at;
    if (!delta.isNull()) emit Dragged(delta);
}

// The second press of a double-click: the first press and release were the click.
void ImageControl::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void ImageControl::contextMenuEvent(QContextMenuEvent* event) {
    emit ContextRequested(event->globalPos());
    event->accept();
}

}  // namespace zuv
