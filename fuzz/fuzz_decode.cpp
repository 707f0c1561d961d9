// Fuzzes the picture path of the main window: arbitrary bytes stored under a sheet's name go
// through LoadResToStream, the decoder and the fitted drawing of LoadResToImageEx, and
// through a marker that loads the same name.
#include "ResourceStore.h"
#include "TestSupport.h"
#include "core/PictureFit.h"
#include "mainwindow/ZUVunit.h"
#include "platform/ImageControl.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <cstdint>

namespace {
zuv::TFormZUV* form = nullptr;
zuv::ResourceStore* store = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    zuv::setMessageSink([](const QString&) {});
    store = new zuv::ResourceStore(zuv::ResourceStore::embedded());
    form = new zuv::TFormZUV;
    form->SetResourceStore(store);
    form->resize(400, 300);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    store->put(zuv::StoreKind::RawData, QStringLiteral("GS2005"), bytes);
    QImage surface(120, 90, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::white);
    form->LoadResToImageEx(surface, 1, 1, 120, 90, QStringLiteral("gs2005"), size % 2 == 0 ? zuv::Fit::KeepProportions : zuv::Fit::Stretch);
    zuvtest::component<zuv::ImageControl>(*form, QStringLiteral("StartImage"))->resize(160, 100);
    form->PenColor = form->gdi_clWhite;
    form->ClearPicture();
    (void)form->PaintDateGKS(QDate(2006, 6, 15));
    return 0;
}
