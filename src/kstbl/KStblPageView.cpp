// The table window's layout pass and its pages: SetPos and PaintShape apply KStblLayout's
// arithmetic to the widgets; SelectMode, LoadStartImage and LoadResToStream put a page into
// the page view.

#include "KStbl.h"

#include "core/KStblLayout.h"
#include "core/PictureFit.h"
#include "core/PicturePath.h"
#include "kstbl/KStblPages.h"
#include "ResourceStore.h"


namespace zuv {

void TKStblForm::SetPos() {
    WidthShape = kKStblWidthShape;
    HeightShape = kKStblHeightShape;
    const KStblFrame f = computeKStblFrame(size(), CurrentKSLabel->size(), CurrentModeLabel->size());
    MnuImage1->setGeometry(f.mnuImage1);
    MnuImage2->setGeometry(f.mnuImage2);
    MnuImage3->setGeometry(f.mnuImage3);
    MnuImage4->setGeometry(f.mnuImage4);
    CurrentKSLabel->move(f.ksLabelPos);
    CurrentModeLabel->move(f.modeLabelPos);
    StartPanel->setGeometry(f.startPanel);
    // A hidden scroll box sizes its content only when shown; the page view is measured by the
    // next page load, so give it the inside of the frame now.
    StartImage->resize(StartPanel->contentsRect().size());
    PaintShape();
}

void TKStblForm::PaintShape() {
    const KStblBands b = computeKStblBands(size());
    TopShapeLeft->setGeometry(b.topLeft);
    TopShapeRight->setGeometry(b.topRight);
    ButtomShapeLeft->setGeometry(b.bottomLeft);
    ButtomShapeRight->setGeometry(b.bottomRight);
    TopShapeCenter->setGeometry(b.topCenter);
    ButtomShapeCenter->setGeometry(b.bottomCenter);
}

void TKStblForm::SelectMode() {
    if (const KStblPage* page = kstblPageFor(CurrentMode)) {
        LoadStartImage(page->resource, page->proportional);
        CurrentModeLabel->SetText(page->caption);
    }
    SetPos();
}

std::unique_ptr<QBuffer> TKStblForm::LoadResToStream(const QString& ResName) { return Store().openRawStream(ResName); }

void TKStblForm::LoadStartImage(const QString& ResName, bool Pr) {
    StartImage->Discard();

    // The new page replaces the previous one; a missing or damaged resource leaves it empty.
    MainImg = QImage();
    if (std::unique_ptr<QBuffer> stream = LoadResToStream(ResName)) MainImg = DecodePicture(stream->data());
    m_lastFailedResource = MainImg.isNull() ? ResName : QString();

    QImage& canvas = StartImage->Canvas();  // white, of the page view's size
    if (!MainImg.isNull()) {
        const QSize view = StartImage->size();
        const QRect target = Pr ? proportionalPageRect(view, MainImg.size()) : stretchedPageRect(view);
        DrawFitted(canvas, target, MainImg, Scaling::Bilinear);
    }
    StartImage->Repaint();
}

}  // namespace zuv
