// The loaders: resource to stream, PNG to a drawing surface, the sheet view, the icon grid
// and the frame's side pictures. No picture is kept decoded here (the dated sheet's fitted
// raster is the sheet cache's, Markers.cpp).

#include "Loaders.h"
#include "ZUVunit.h"

#include "core/CalendarSystems.h"
#include "core/FailureMessages.h"
#include "core/FrameLayout.h"
#include "core/PictureFit.h"
#include "imaging/FastBmp.h"
#include "imaging/PicturePath.h"
#include "mainwindow/SheetCache.h"
#include "platform/MessageBox.h"
#include "ResourceStore.h"

namespace zuv {

std::unique_ptr<QBuffer> OpenResource(const ResourceStore& store, const QString& name) {
    std::unique_ptr<QBuffer> stream = store.openRawStream(name);
    if (!stream) ShowMessage(resourceLoadFailureMessage(name));
    return stream;
}

void DrawResource(const ResourceStore& store, QImage& surface, const QRect& box, const QString& name, Fit fit) {
    std::unique_ptr<QBuffer> stream = OpenResource(store, name);
    if (!stream) return;
    const auto target = [&](const QSize& picture) {
        return fitPictureRect(box.x(), box.y(), box.width(), box.height(), picture.width(), picture.height(), fit);
    };
    if (DrawPicture(surface, stream->data(), target, Scaling::AreaAveraged).isEmpty())
        ShowMessage(resourceLoadFailureMessage(name));  // damaged data: say so once, draw nothing
}

std::unique_ptr<QBuffer> TFormZUV::LoadResToStream(const QString& ResName) { return OpenResource(Store(), ResName); }

void TFormZUV::LoadResToImageEx(QImage& surface, int Left, int Top, int Width, int Height, const QString& ResName, Fit fit) {
    DrawResource(Store(), surface, QRect(Left, Top, Width, Height), ResName, fit);
}

void TFormZUV::LoadResToImage(QImage& surface, int Width, int Height, const QString& ResName, Fit fit) {
    LoadResToImageEx(surface, 0, 0, Width, Height, ResName, fit);
}

void TFormZUV::LoadStartImage(const QString& ResName, Fit fit) {
    StartImage->Discard();
    QImage& surface = StartImage->Canvas();
    LoadResToImageEx(surface, 1, 1, StartImage->width(), StartImage->height(), ResName, fit);
    StartImage->Repaint();
}

void TFormZUV::ClearPicture() {
    m_sheetCache->Clear();
    StartImage->Discard();
    for (ImageControl* corner : CornerPictures()) corner->Discard();
    for (int n = 1; n <= kCalendarSystemCount; ++n) KSimg[n]->Discard();
}

void TFormZUV::LoadImage() {
    const IconGrid grid = iconGridFor(KSPanel->size());
    for (int n = 1; n <= kCalendarSystemCount; ++n) KSimg[n]->setGeometry(grid.cell(n));
    ClearPicture();
    for (int n = 1; n <= kCalendarSystemCount; ++n) {
        ImageControl* icon = KSimg[n];
        QImage& surface = icon->Canvas();
        LoadResToImageEx(surface, 5, 5, icon->width() - 10, icon->height() - 10, QStringLiteral("KSImg%1").arg(n), Fit::Stretch);
        icon->Repaint();
    }

    // The grid lines, 1-pixel black-outlined shapes above the icons.
    const QRect first = KSimg[1]->geometry();
    const int L = first.x(), T = first.y(), W = first.width(), H = first.height();
    ShapeUp->setGeometry(L, T, 5 * W, 1);
    ShapeDown->setGeometry(L, T + 5 * H, 5 * W, 1);
    ShapeLeft->setGeometry(L, T, 1, 5 * H);
    ShapeRight->setGeometry(L + 5 * W, T, 1, 5 * H);
    KSLine[1]->setGeometry(L, KSimg[6]->y() - 1, 5 * W, 1);
    KSLine[2]->setGeometry(L, KSimg[11]->y(), 5 * W, 1);
    KSLine[3]->setGeometry(L, KSimg[16]->y(), 5 * W, 1);
    KSLine[4]->setGeometry(L, KSimg[21]->y(), 5 * W, 1);
    KSLine[5]->setGeometry(KSimg[2]->x(), T, 1, 5 * H);
    KSLine[6]->setGeometry(KSimg[3]->x(), T, 1, 5 * H);
    KSLine[7]->setGeometry(KSimg[4]->x(), T, 1, 5 * H);
    KSLine[8]->setGeometry(KSimg[5]->x(), T, 1, 5 * H);
    for (int n = 1; n <= 8; ++n) KSLine[n]->raise();
    for (ShapeControl* line : {ShapeUp, ShapeLeft, ShapeRight, ShapeDown}) line->raise();

    // The section menu's background, a bitmap stretched into the panel.
    const ResourceBytes left = Store().find(StoreKind::Bitmap, QStringLiteral("LeftImg"));
    QImage leftPicture;
    if (left.found && left.size > 0) leftPicture = DecodeBitmap(QByteArray::fromRawData(left.data, int(left.size)));
    if (leftPicture.isNull()) ShowMessage(resourceLoadFailureMessage(QStringLiteral("LeftImg")));
    LeftImage->SetPicture(leftPicture);

    // The right strip, stretched; its bottom-left colour is see-through.
    RightImage->Discard();
    QImage& strip = RightImage->Canvas();
    LoadResToImageEx(strip, 0, 0, RightImage->width(), RightImage->height(), QStringLiteral("RightImg"), Fit::Stretch);
    RightImage->Repaint();
}

}  // namespace zuv
