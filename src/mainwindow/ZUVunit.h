#pragma once
// TFormZUV: the main window of the ZUV viewer. Its state, its fixed tree of components and
// its operations: start-up and the blinking mark, screens, navigation, the section menu,
// loaders, the sheet view, the frame layout and the window states. The arithmetic and the
// screen table live in the core library (core/FrameLayout.h, core/PictureFit.h,
// core/MarkerGeometry.h, core/ScreenTable.h).

#include <QAction>
#include <QBuffer>
#include <QDate>
#include <QMenu>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "platform/BandedFrame.h"
#include "platform/MonthCalendar.h"
#include "platform/Panel.h"
#include "ResourceStore.h"
#include "core/CalendarSystems.h"
#include "core/Screen.h"

namespace zuv {

class SheetCache;
struct MarkPlan;
struct ScreenRow;
struct FrameInput;
enum class Marker;
enum class Fit;
enum class DayStep;

// The main window's state by the names the window's design gives it. Anyone may read it
// (TFormZUV::State()); only the window's own commands change it.
struct ZUVState {
    QDate CurDate;
    quint32 PenColor = 0;
    CalendarSystem CurKS = CalendarSystem::None;
    ScreenMode CurrentMode{};
    int WidthShape = 0;
    int HeightShape = 0;
    // The day table, one string per line; read on first use (DayLines), at the latest just
    // after the first paint, which the grid screen makes without it.
    mutable QStringList VRKSData;
    CalendarSystem BakCurKS = CalendarSystem::None;
    ScreenMode BakMode{};
    quint32 gdi_clWhite = 0;
    quint32 gdi_clBlue = 0;
    quint32 gdi_clRed = 0;
    ControlPage PatentMode = ControlPage::Menu;
};

// The window is driven through its components, as a user drives it: its menu items, corner
// pictures, labels, sheet view, picker and timer (found by their object names). What is
// public besides is what reads its state and what every navigation command does.
class TFormZUV : public QWidget, private BandedFrame, private ZUVState, private StoreChoice {
    Q_OBJECT
public:
    explicit TFormZUV(QWidget* parent = nullptr);
    ~TFormZUV() override;

    const ZUVState& State() const {
        DayLines();
        return *this;
    }
    Screen CurrentScreen() const { return {CurKS, CurrentMode, PatentMode}; }
    // Puts the window on a screen the way every navigation command does: the state, then
    // SelectMode.
    void ShowScreen(const Screen& screen);
    bool IsMaximized() const;
    bool IsStayOnTop() const;

    // The resources the window reads (the embedded store unless a test hands it another).
    void SetResourceStore(ResourceStore* store);

private:
    // ---- Components (names as in the window's design; each is also its objectName, by which
    // tests and tools find them with findChild) ----
    ImageControl* RightImage = nullptr;
    Panel* MnuLeftPanel = nullptr;
    Panel* KSAdvPanel = nullptr;
    MonthCalendar* MCal = nullptr;

    ImageControl* LeftImage = nullptr;
    AutoLabel* MMLabelZUV = nullptr;
    AutoLabel* MMLabel1 = nullptr;
    AutoLabel* mnu1 = nullptr;
    AutoLabel* mnu2 = nullptr;
    AutoLabel* mnu3 = nullptr;
    AutoLabel* Mnu4 = nullptr;
    AutoLabel* mnu5 = nullptr;
    AutoLabel* mnu6 = nullptr;
    AutoLabel* mnu7 = nullptr;

    // The content frame's bands, captions, corner pictures MnuImage1 … MnuImage4, StartPanel and
    // its sheet view StartImage come from BandedFrame; the covers over the bands' joints:
    ShapeControl* TopLeftShapeClr = nullptr;
    ShapeControl* TopRightShapeClr = nullptr;
    ShapeControl* DownRightShapeClr = nullptr;
    ShapeControl* DownLeftShapeClr = nullptr;
    Panel* KSPanel = nullptr;
    Panel* ControlMenuPanel = nullptr;

    ImageControl* KSimg[kCalendarSystemCount + 1] = {};  // KSimg[1] … KSimg[25]
    ShapeControl* KSLine[9] = {};  // KSLine[1] … KSLine[8]
    ShapeControl* ShapeUp = nullptr;
    ShapeControl* ShapeLeft = nullptr;
    ShapeControl* ShapeRight = nullptr;
    ShapeControl* ShapeDown = nullptr;

    AutoLabel* LabelControlPatent = nullptr;
    AutoLabel* LabelControlLic = nullptr;
    AutoLabel* LabelControlDostup = nullptr;
    AutoLabel* LabelControlDopusk = nullptr;
    AutoLabel* LabelControlPlagiat = nullptr;

    QMenu* PopupMnuImage1 = nullptr;
    QAction* N[43] = {};  // N[1] … N[42]: the numbered items of all menus
    QMenu* PopupMnuImage2 = nullptr;
    QAction* MnuMainWnd = nullptr;
    QMenu* PopupMnuImage3 = nullptr;
    QMenu* mnu_vrks_spd_menu = nullptr;
    QAction* mnu_vrks_spd = nullptr;
    QAction* mnu_grks_spd = nullptr;
    QMenu* vrks_tks_menu = nullptr;
    QAction* vrks_tks = nullptr;
    QMenu* grks_tks_menu = nullptr;
    QAction* grks_tks = nullptr;
    QMenu* PopupMnuImage4 = nullptr;
    QMenu* StartPopupMnu = nullptr;

    QTimer* Timer1 = nullptr;

private:
    // ---- Start-up, the blink ----
    void FormCreate();
    void FormShow();
    void FormClose();
    void Timer1Timer();
    void ShowDataScreen();
    void OnOffMainWnd(bool status);

    // ---- Window states and movement ----
    void N1Click();
    void N2Click();
    void N36Click();
    void N3Click();
    void MnuMainWndClick();
    void MnuImage1Click();
    void MnuImage2Click();
    void MnuImage3Click();
    void MnuImage4Click();
    void MnuImage1ContextPopup(const QPoint& globalPos);
    void TopShapeCenterMouseDown();
    void CurrentKSLabelMouseDown();

    // ---- Screens and navigation ----
    void SelectMode();
    void SelectMnuPos(int MnuIndex);
    void N4Click();
    void N5Click();
    void N6Click();
    void KSimg1Click();
    void KSimg2Click();
    void KSimg3Click();
    void N42Click();
    void N40Click();
    void N41Click();
    void mnu_grks_spdClick();
    void N30Click();
    void N31Click();
    void N38Click();
    void N39Click();
    void N29Click();
    void N32Click();
    void mnu1Click();
    void mnu3Click();
    void mnu5Click();
    void mnu6Click();
    void LabelControlPatentClick();

    // ---- Section menu ----
    void FixMnuPos();
    void MnuSetFont(int MnuIndex);
    void MnuControlSetFont(int MnuIndex);

    // ---- Loaders ----
    // A stream over a private copy of a raw-data resource, or null after showing the message.
    std::unique_ptr<QBuffer> LoadResToStream(const QString& ResName);
    void LoadResToImageEx(QImage& surface, int Left, int Top, int Width, int Height, const QString& ResName, Fit fit);
    void LoadResToImage(QImage& surface, int Width, int Height, const QString& ResName, Fit fit);
    void LoadStartImage(const QString& ResName, Fit fit);
    void ClearPicture();
    void LoadImage();

    // ---- Sheet view: zoom, scrolling, clicks ----
    void SetBigSize();
    void SetNormalSize();
    void N33Click();
    void N34Click();
    void StartPopupMnuPopup();
    void StartImageMouseMove(int X, int Y);
    void StartImageClick();
    // One call per wheel event turned over the sheet container, with its whole notches.
    void FormMouseWheelDown(int notches);
    void FormMouseWheelUp(int notches);

    // ---- Frame layout ----
    void SetPos();
    void PaintShape();
    void MnuLeftPanelResize();
    void KSPanelResize();
    // Lays out the docked panels (left section menu, right strip, content) for the current
    // client size and visibilities; runs before SetPos reads their sizes.
    void DockPanels();

    // ---- Dating ----
    void N35Click();
    void MCalClick();
    // What a pick in the picker does, for any day: the picker shows it, the marker draws it at
    // once, the blink goes on, and an enlarged sheet scrolls until its cell shows.
    void PickDay(QDate date);
    // The keys of a dated screen: a day, a week, a month or a year on, or today.
    void StepDay(DayStep step);
    // The marked day in words, on the clipboard (Ctrl+C on a dated screen).
    void CopyDayCard() const;
    // Scrolls an enlarged sheet by the least amount that shows the marked day's cell.
    void ScrollMarkIntoView();
    // The tooltip over a cell of the dated sheet: the day it shows, or what it counts, and the
    // cell's outline in view pixels (the tooltip goes when the pointer leaves it).
    QString CellToolTip(const QPoint& viewPoint, QRect& cellOutline) const;
    // The sheet view as assistive technology reads it: the screen's titles, and on a dated
    // screen the marked day's card (told again only when the day changes).
    void DescribeSheetView();
    void DescribeMarkedDay();
    bool PaintDateGKS(const QDate& InDate);
    bool PaintDateVRKS(const QDate& InDate);
    bool VRKS_DayTable(const QDate& InDate);
    bool VRKS_CalTable(const QDate& InDate);

signals:
    // Once, after the first paint and the work that waited for it.
    void FirstPainted();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // VRKSData, split from the day table's text the first time it is asked for.
    const QStringList& DayLines() const;
    void BuildComponents();
    void ConnectEvents();
    // The section menu's seven entries, mnu1 … mnu7.
    std::array<AutoLabel*, 7> SectionEntries() const { return {mnu1, mnu2, mnu3, Mnu4, mnu5, mnu6, mnu7}; }
    // The control menu's five entries, top to bottom.
    std::array<AutoLabel*, 5> ControlEntries() const {
        return {LabelControlPatent, LabelControlLic, LabelControlDostup, LabelControlDopusk, LabelControlPlagiat};
    }
    void LoadCornerPictures(const char* emblem);  // null: the corners stay as they are
    // The menu a click on a corner picture opens on the current screen, or null.
    QMenu* CornerMenu(const ImageControl* corner) const;
    void ShowCornerMenu(const ImageControl* corner);
    // The pointing hand stands only on corners whose click opens something here.
    void UpdateCornerCursors();
    void SetTitles(const QString& upper, const QString& lower, bool lowerFirst = false);
    void ApplyScreenRow(const ScreenRow& row);
    // What the frame's arithmetic needs to know of the window now.
    FrameInput CurrentFrameInput() const;
    // Runs the screen's marker with CurDate; false when it drew nothing.
    bool RunScreenMarker(Marker marker);
    // Puts the plan's sheet on the sheet view and outlines its cells; false when it could not.
    bool DrawMarkPlan(const MarkPlan& plan);

    std::unique_ptr<SheetCache> m_sheetCache;
    QSize m_lastSheetSize;  // pixel size of the sheet in the cache
    QString m_markedSheet;  // the sheet the last mark was drawn on, and its day's cell there
    QRect m_markedCell;     // in view pixels; empty when the day has no cell of its own
    QDate m_describedDate;  // the day the sheet view's accessible description tells
    bool m_shown = false;
    bool m_painted = false;  // the first paint has queued the work that waits for it
    ResourceBytes m_dayTableText;  // the store's day table, found when the window is made
    mutable bool m_dayTableRead = false;  // once: closing the window lets the lines go for good
    QRect m_normalGeometry;  // where the restore command puts the window back
};

// Unit-level variables of the main window's unit.
extern TFormZUV* FormZUV;
extern int SelectMnuIndex;
extern int SelectControlMnuIndex;
extern QPoint StartImageMousePos;
extern int OffsetTop;
extern int OffSetLeft;

}  // namespace zuv
