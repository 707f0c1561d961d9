#pragma once
// TKStblForm: the calendar systems table window, a second borderless window created hidden
// at start-up. Nothing in the main window shows it; once visible it shows one page at a time
// (the overview table, the date-representation standard, the dating sheet) between a top and
// a bottom band, and its four corner pictures open its menus. The arithmetic lives in
// core/KStblLayout.h, the page table in KStblPages.h.

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QMenu>
#include <QWidget>
#include <memory>

#include "kstbl/KStblPages.h"
#include "platform/BandedFrame.h"
#include "ResourceStore.h"

namespace zuv {

enum class Fit;

class TKStblForm : public QWidget, private BandedFrame, private StoreChoice {
    Q_OBJECT
public:
    explicit TKStblForm(QWidget* parent = nullptr);
    ~TKStblForm() override;

private:
    // ---- Components (names as in the window's design; each is also its objectName, by which
    // tests and tools find them with findChild) ----
    // The bands, captions, corner pictures MnuImage1 … MnuImage4 (top left, top right, bottom
    // left, bottom right), StartPanel and its page view StartImage come from BandedFrame.
    QMenu* PopupMnuImage1 = nullptr;  // N4 … N28: the calendar systems
    QMenu* PopupMnuImage2 = nullptr;  // N1 … N3: the window commands
    QMenu* PopupMnuImage3 = nullptr;  // N29 … N31: the pages
    QMenu* PopupMnuImage4 = nullptr;  // N32
    QAction* N[33] = {};              // N[1] … N[32]

public:
    // ---- State ----
    KStblMode CurrentMode = KStblMode::Overview;
    int WidthShape = 0;
    int HeightShape = 0;
    QImage MainImg;  // the page picture last decoded; replaced by the next page

    // ---- Layout ----
    void SetPos();
    void PaintShape();

    // ---- Pages ----
    void SelectMode();
    void LoadStartImage(const QString& ResName, Fit fit);
    // A stream over the window's own copy of a raw-data resource; null when the resource is
    // missing or empty. Says nothing to the user.
    std::unique_ptr<QBuffer> LoadResToStream(const QString& ResName);
    // The resource the last page load could not read or decode; empty after a good load.
    const QString& LastFailedResource() const { return m_lastFailedResource; }

    // ---- Commands ----
    void MnuImage1Click();
    void MnuImage2Click();
    void MnuImage3Click();
    void MnuImage4Click();
    void N1Click();
    void N2Click();
    void N3Click();
    void N29Click();
    void N30Click();
    void N31Click();
    void StartImageClick();

    // The resources the window reads (the embedded store unless a test hands it another).
    using StoreChoice::SetResourceStore;

signals:
    // "Свернуть" wants the main window shown before the whole program goes to the taskbar.
    void MainWindowWanted();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildComponents();
    void ConnectEvents();

    QString m_lastFailedResource;
    bool m_placed = false;  // centred on the desktop at the first show
};

extern TKStblForm* KStblForm;

}  // namespace zuv
