// SelectMode: applies the screen (CurKS, CurrentMode, PatentMode) to the window.

#include "ZUVunit.h"

namespace zuv {

namespace {

const QString kTitleGks = QStringLiteral("ГРИГОРИАНСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА");
const QString kTitleVrks = QStringLiteral("ВАРИЙСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА");
const QString kTitleZuv = QStringLiteral("ЗУВСКАЯ   КАЛЕНДАРНАЯ   СИСТЕМА");
const QString kPastPresentFuture = QStringLiteral("ПРОШЛОЕ   НАСТОЯЩЕЕ   БУДУЩЕЕ");
const QString kShortDescription = QStringLiteral("КРАТКОЕ   ОПИСАНИЕ   СИСТЕМЫ");
const QString kDateStandard = QStringLiteral("СТАНДАРТ   ПРЕДСТАВЛЕНИЯ   ДАТ");
const QString kChronology = QStringLiteral("ХРОНОЛОГИЯ   КАЛЕНДАРНОЙ   СИСТЕМЫ");
const QString kDating = QStringLiteral("ДАТИРОВКА   КАЛЕНДАРНОЙ   СИСТЕМЫ");
const QString kMainPage = QStringLiteral("ГЛАВНОЕ   ОКНО   РАЗДЕЛА");
const QString kControlWindow = QStringLiteral("ОКНО  РАЗДЕЛА  КОНТРОЛЬ");

// The content screens that show one sheet with the side hidden.
struct SheetScreen {
    int mode;
    int ks;
    const QString& upper;
    QString lower;
    const char* sheet;
    const char* corner;
};

}  // namespace

void TFormZUV::SetTitles(const QString& upper, const QString& lower, bool lowerFirst) {
    if (lowerFirst) CurrentModeLabel->SetText(lower);
    CurrentKSLabel->SetText(upper);
    if (!lowerFirst) CurrentModeLabel->SetText(lower);
}

void TFormZUV::LoadCornerPictures(const QString& ResName) {
    // The four corners are of one size and show one emblem: decode it once, copy it thrice.
    const QImage* first = nullptr;
    for (ImageControl* corner : {MnuImage1, MnuImage2, MnuImage3, MnuImage4}) {
        corner->Discard();
        QImage& surface = corner->Canvas();
        if (first && first->size() == surface.size() && first->format() == surface.format()) {
            surface = first->copy();
        } else {
            LoadResToImage(surface, corner->width(), corner->height(), ResName, false);
            first = &surface;
        }
        corner->Repaint();
    }
}

void TFormZUV::SelectMode() {
    // Step 1: a new screen starts from a clean view.
    if (CurrentMode != BakMode || CurKS != BakCurKS) {
        ControlMenuPanel->hide();
        StartPanel->show();
        MnuMainWnd->setEnabled(true);
        ClearPicture();
        vrks_tks->setVisible(false);
        grks_tks->setVisible(true);
        MCal->hide();
        const int range = StartPanel->HorzRange();
        StartPanel->SetHorzPosition(range / 2 - range / 4);
        if (CurKS == 2) {
            vrks_tks->setVisible(true);
            grks_tks->setVisible(false);
            mnu_vrks_spd->setVisible(true);
            mnu_grks_spd->setVisible(false);
        }
        if (CurKS == 1) {
            vrks_tks->setVisible(false);
            grks_tks->setVisible(true);
            mnu_vrks_spd->setVisible(false);
            mnu_grks_spd->setVisible(true);
        }
    }

    // Step 2.
    BakMode = CurrentMode;
    BakCurKS = CurKS;

    // Step 3: every row whose condition holds, in order.
    if (CurrentMode == 100) {  // row A
        KSPanel->hide();
        KSAdvPanel->show();
        DockPanels();
        SetNormalSize();
        SetPos();
    }
    if (CurrentMode == 7) {  // row B
        RightImage->show();
        KSPanel->show();
        MnuLeftPanel->show();
        MnuMainWnd->setEnabled(false);
        MCal->hide();
        StartPanel->hide();
        DockPanels();
        SetTitles(QStringLiteral("КАЛЕНДАРНЫЙ   ПРОЕКТ   ОРИВАНТ"), QStringLiteral("ГЛАВНОЕ   ОКНО   ПРОГРАММЫ"));
        SetPos();
        LoadImage();
        LoadCornerPictures(QStringLiteral("KSimg0"));
    }
    if (CurrentMode == 17) {  // row C
        MCal->hide();
        KSPanel->hide();
        ControlMenuPanel->show();
        SetTitles(QStringLiteral("МЕНЮ  РАЗДЕЛА  КОНТРОЛЬ"), kControlWindow);
        SetPos();
        LoadImage();
        LoadCornerPictures(QStringLiteral("KSimg0"));
    }
    if (CurrentMode == 17 && PatentMode == 18) {  // row D
        ControlMenuPanel->hide();
        ClearPicture();
        SetTitles(QStringLiteral("ПАТЕНТ"), kControlWindow);
        SetPos();
        LoadStartImage(QStringLiteral("Patent"), true);
        LoadCornerPictures(QStringLiteral("KSimg0"));
    }
    if (CurrentMode == 100) {  // rows E to G: the main pages
        const struct {
            int ks;
            const QString& upper;
            const char* sheet;
            const char* corner;
        } pages[] = {{4, kTitleZuv, "MainZUV", "KSimg1"}, {1, kTitleGks, "MainGKS", "KSimg2"}, {2, kTitleVrks, "MainVRKS", "KSimg3"}};
        for (const auto& page : pages) {
            if (CurKS != page.ks) continue;
            ClearPicture();
            SetTitles(page.upper, kMainPage, true);
            SetPos();
            LoadStartImage(QLatin1String(page.sheet), true);
            LoadCornerPictures(QLatin1String(page.corner));
        }
    }

    // Rows H to K, M to Q and U: a sheet of a section, with the side hidden.
    const SheetScreen sections[] = {
        {16, 1, kTitleGks, QStringLiteral("ФОРМАТ   СИСТЕМЫ   ЮЛИАНО-ЛИЛИАНСКИЙ"), "GKS_SPD_YULI", "KSimg2"},
        {15, 1, kTitleGks, kDateStandard, "GKS_SPD2", "KSimg2"},
        {2, 1, kTitleGks, kChronology, "GRKS_HKS", "KSimg2"},
        {3, 1, kTitleGks, kDating, "GRKS_DKS", "KSimg2"},
        {1, 2, kTitleVrks, kDateStandard, "VRKS_SPD", "KSimg3"},
        {14, 2, kTitleVrks, kDateStandard, "VRKS_SPD_YUG", "KSimg3"},
        {3, 2, kTitleVrks, kDating, "VRKS_DKS", "KSimg3"},
        {9, 2, kTitleVrks, QStringLiteral("АСТРОНОМИЧЕСКИЙ   ФОРМАТ   СИСТЕМЫ"), "VRKS_TFS_ASTRO", "KSimg3"},
        {10, 2, kTitleVrks, QStringLiteral("ПАСХАЛЬНЫЙ   ФОРМАТ   СИСТЕМЫ"), "VRKS_TFS_PAS", "KSimg3"},
        {2, 2, kTitleVrks, kChronology, "VRKS_HKS", "KSimg3"},
    };
    for (const SheetScreen& s : sections) {
        if (CurrentMode != s.mode || CurKS != s.ks) continue;
        OnOffMainWnd(false);
        SetTitles(s.upper, s.lower);
        SetPos();
        LoadStartImage(QLatin1String(s.sheet), true);
        LoadCornerPictures(QLatin1String(s.corner));
    }

    // Row L: the Gregorian dated sheet.
    if (CurrentMode == 6 && CurKS == 1) {
        OnOffMainWnd(false);
        MCal->SetLimits(QDate(2001, 1, 1), QDate(2048, 12, 31));
        SetTitles(kTitleGks, kPastPresentFuture);
        SetPos();
        if (PaintDateGKS(CurDate)) {
            LoadCornerPictures(QStringLiteral("KSimg2"));
            Timer1->start();
        } else {
            Timer1->stop();  // a tick still pending from the last screen would repeat the message
        }
    }
    // Rows R, S and T: the VRKS dated sheets.
    const struct {
        int mode;
        bool (TFormZUV::*marker)(const QDate&);
    } vrksDated[] = {{6, &TFormZUV::PaintDateVRKS}, {12, &TFormZUV::VRKS_CalTable}, {11, &TFormZUV::VRKS_DayTable}};
    for (const auto& d : vrksDated) {
        if (CurrentMode != d.mode || CurKS != 2) continue;
        OnOffMainWnd(false);
        MCal->SetLimits(QDate(1921, 3, 4), QDate(2049, 3, 2));
        SetTitles(kTitleVrks, kPastPresentFuture);
        SetPos();
        LoadCornerPictures(QStringLiteral("KSimg3"));
        if ((this->*d.marker)(CurDate)) Timer1->start();
        else Timer1->stop();  // a tick still pending from the last screen would repeat the message
    }

    // Rows V to X: the short descriptions.
    const struct {
        int ks;
        const QString& upper;
        const char* sheet;
        const char* corner;
    } descriptions[] = {{4, kTitleZuv, "ANONS_ZUV", "KSimg1"}, {1, kTitleGks, "ANONS_GRKS", "KSimg2"}, {2, kTitleVrks, "ANONS_VRKS", "KSimg3"}};
    for (const auto& d : descriptions) {
        if (CurrentMode != 5 || CurKS != d.ks) continue;
        SetTitles(d.upper, kShortDescription);
        SetPos();
        LoadStartImage(QLatin1String(d.sheet), true);
        LoadCornerPictures(QLatin1String(d.corner));
    }

    if (CurrentMode == 8) {  // row Y
        KSPanel->hide();
        KSAdvPanel->show();
        SetTitles(QStringLiteral("ИНТЕРФЕЙС   КОМПЬЮТЕРНОЙ   ПРОГРАММЫ"), kShortDescription);
        SetPos();
        LoadStartImage(QStringLiteral("ANONS_GOP"), true);
        LoadCornerPictures(QStringLiteral("KSimg0"));
    }
    UpdateCornerCursors();
}

}  // namespace zuv
