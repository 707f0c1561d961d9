// The table window's layout pass and its pages: SetPos and PaintShape apply KStblLayout's
// arithmetic to the widgets; SelectMode, LoadStartImage and LoadResToStream put a page into
// the page view.

#include "KStbl.h"

#include "core/KStblLayout.h"
#include "core/PictureFit.h"
#include "imaging/PicturePath.h"
#include "kstbl/KStblPages.h"
#include "ResourceStore.h"


namespace zuv {

void TKStblForm::SetPos() {
    WidthShape = kKStblWidthShape;
    HeightShape = kKStblHeightShape;
    PlacePieces(computeKStblFrame(size(), CurrentKSLabel->size(), CurrentModeLabel->size()));
    // A hidden scroll box sizes its content only when shown; the page view is measured by the
    // next page load, so give it the inside of the frame now.
    StartImage->resize(StartPanel->contentsRect().size());
    PaintShape();
}

void TKStblForm::PaintShape() {
    PlaceBands(computeKStblBands(size()));
}

void TKStblForm::SelectMode() {
    if (const KStblPage* page = kstblPageFor(CurrentMode)) {
        LoadStartImage(page->resource, page->fit);
        CurrentModeLabel->SetText(page->caption);
    }
    SetPos();
}

std::unique_ptr<QBuffer> TKStblForm::LoadResToStream(const QString& ResName) { return Store().openRawStream(ResName); }

void TKStblForm::LoadStartImage(const QString& ResName, Fit fit) {
    StartImage->Discard();

    // The new page replaces the previous one; a missing or damaged resource leaves it empty.
    MainImg = QImage();
    if (std::unique_ptr<QBuffer> stream = LoadResToStream(ResName)) MainImg = DecodePicture(stream->data());
    m_lastFailedResource = MainImg.isNull() ? ResName : QString();

    QImage& canvas = StartImage->Canvas();  // white, of the page view's size
    if (!MainImg.isNull()) {
        const QSize view = StartImage->size();
        const QRect target = fit == Fit::KeepProportions ? proportionalPageRect(view, MainImg.size()) : stretchedPageRect(view);
        DrawFitted(canvas, target, MainImg, Scaling::Bilinear);
    }
    StartImage->Repaint();
}

}  // namespace zuv
