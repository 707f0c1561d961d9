#pragma once
// The banded frame both windows show their pages in, as widgets: a top and a bottom band of
// three shapes each, a caption on each band, four corner pictures that open the window's
// menus, and the page area, a scroll box holding the page view. A window is built on it (it
// inherits the pieces under the names its design gives them), chooses their parent, stacking
// order and looks, and computes where they go with its own arithmetic in core.

#include "core/BandedFrameLayout.h"
#include "platform/AutoLabel.h"
#include "platform/ImageControl.h"
#include "platform/ScrollBox.h"
#include "platform/ShapeControl.h"

#include <QFont>
#include <array>
#include <initializer_list>

namespace zuv {

class BandedFrame {
protected:
    enum class Piece {
        TopShapeLeft, TopShapeCenter, TopShapeRight,
        ButtomShapeLeft, ButtomShapeCenter, ButtomShapeRight,
        CurrentKSLabel, CurrentModeLabel,
        MnuImage1, MnuImage2, MnuImage3, MnuImage4,
        StartPanel,
    };

    // Creates every piece as a child of `parent`, bottom to top in the order of `stacking`
    // (which names each piece once), each with its name as its objectName. The corner pictures
    // stretch and centre their pictures; the captions are set in `captionFont`; the page view
    // StartImage fills the page area until a page is enlarged.
    void BuildFrame(QWidget* parent, std::initializer_list<Piece> stacking, const QFont& captionFont);

    void PlaceBands(const FrameBands& bands);
    void PlacePieces(const FramePieces& pieces);

    // A left click on corner picture N calls the window's handler N.
    template <typename Window>
    void ConnectCornerClicks(Window* window, void (Window::*click1)(), void (Window::*click2)(),
                             void (Window::*click3)(), void (Window::*click4)()) {
        QObject::connect(MnuImage1, &ImageControl::Clicked, window, click1);
        QObject::connect(MnuImage2, &ImageControl::Clicked, window, click2);
        QObject::connect(MnuImage3, &ImageControl::Clicked, window, click3);
        QObject::connect(MnuImage4, &ImageControl::Clicked, window, click4);
    }

    // The four corner pictures, MnuImage1 … MnuImage4.
    std::array<ImageControl*, 4> CornerPictures() const { return {MnuImage1, MnuImage2, MnuImage3, MnuImage4}; }

    // The pieces, named as in the windows' design.
    ShapeControl* TopShapeLeft = nullptr;
    ShapeControl* TopShapeCenter = nullptr;
    ShapeControl* TopShapeRight = nullptr;
    ShapeControl* ButtomShapeLeft = nullptr;
    ShapeControl* ButtomShapeCenter = nullptr;
    ShapeControl* ButtomShapeRight = nullptr;
    AutoLabel* CurrentKSLabel = nullptr;
    AutoLabel* CurrentModeLabel = nullptr;
    ImageControl* MnuImage1 = nullptr;  // top left
    ImageControl* MnuImage2 = nullptr;  // top right
    ImageControl* MnuImage3 = nullptr;  // bottom left
    ImageControl* MnuImage4 = nullptr;  // bottom right
    ScrollBox* StartPanel = nullptr;
    ImageControl* StartImage = nullptr;  // the page view inside StartPanel
};

}  // namespace zuv
