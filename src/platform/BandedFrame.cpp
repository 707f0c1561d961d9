// Builds the banded frame's pieces in the stacking order a window asks for and puts the
// geometry the window computed onto them.

#include "BandedFrame.h"

#include "platform/Components.h"

namespace zuv {

void BandedFrame::BuildFrame(QWidget* parent, std::initializer_list<Piece> stacking, const QFont& captionFont) {
    auto shape = [parent](ShapeControl*& field, const char* name) { field = named(new ShapeControl(parent), name); };
    auto caption = [&](AutoLabel*& field, const char* name) {
        field = named(new AutoLabel(QString(), parent), name);
        field->setFont(captionFont);
    };
    auto corner = [parent](ImageControl*& field, const char* name) {
        field = named(new ImageControl(parent), name);
        field->SetStretch(true);
        field->SetCenter(true);
    };
    for (Piece piece : stacking) {
        switch (piece) {
        case Piece::TopShapeLeft: shape(TopShapeLeft, "TopShapeLeft"); break;
        case Piece::TopShapeCenter: shape(TopShapeCenter, "TopShapeCenter"); break;
        case Piece::TopShapeRight: shape(TopShapeRight, "TopShapeRight"); break;
        case Piece::ButtomShapeLeft: shape(ButtomShapeLeft, "ButtomShapeLeft"); break;
        case Piece::ButtomShapeCenter: shape(ButtomShapeCenter, "ButtomShapeCenter"); break;
        case Piece::ButtomShapeRight: shape(ButtomShapeRight, "ButtomShapeRight"); break;
        case Piece::CurrentKSLabel: caption(CurrentKSLabel, "CurrentKSLabel"); break;
        case Piece::CurrentModeLabel: caption(CurrentModeLabel, "CurrentModeLabel"); break;
        case Piece::MnuImage1: corner(MnuImage1, "MnuImage1"); break;
        case Piece::MnuImage2: corner(MnuImage2, "MnuImage2"); break;
        case Piece::MnuImage3: corner(MnuImage3, "MnuImage3"); break;
        case Piece::MnuImage4: corner(MnuImage4, "MnuImage4"); break;
        case Piece::StartPanel:
            StartPanel = named(new ScrollBox(parent), "StartPanel");
            StartPanel->setFocusPolicy(Qt::NoFocus);
            StartImage = named(new ImageControl(), "StartImage");
            StartPanel->setWidget(StartImage);
            StartPanel->SetFitted();
            break;
        }
    }
}

void BandedFrame::PlaceBands(const FrameBands& b) {
    TopShapeLeft->setGeometry(b.topShapeLeft);
    TopShapeRight->setGeometry(b.topShapeRight);
    TopShapeCenter->setGeometry(b.topShapeCenter);
    ButtomShapeLeft->setGeometry(b.buttomShapeLeft);
    ButtomShapeRight->setGeometry(b.buttomShapeRight);
    ButtomShapeCenter->setGeometry(b.buttomShapeCenter);
}

void BandedFrame::PlacePieces(const FramePieces& p) {
    MnuImage1->setGeometry(p.mnuImage1);
    MnuImage2->setGeometry(p.mnuImage2);
    MnuImage3->setGeometry(p.mnuImage3);
    MnuImage4->setGeometry(p.mnuImage4);
    CurrentKSLabel->move(p.ksLabelPos);
    CurrentModeLabel->move(p.modeLabelPos);
    StartPanel->setGeometry(p.startPanel);
}

}  // namespace zuv
