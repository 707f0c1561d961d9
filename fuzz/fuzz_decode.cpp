// Fuzzes the picture path of the main window: arbitrary bytes stored under a sheet's name go
// through the loaders (stream, decoder, fitted drawing) and through the Gregorian marker,
// which loads the same name for the day it is handed at start-up; the same bytes go through
// the section menu's bitmap reader.
#include "ResourceStore.h"
#include "platform/Clock.h"
#include "core/PictureFit.h"
#include "imaging/FastBmp.h"
#include "mainwindow/Loaders.h"
#include "mainwindow/ZUVunit.h"
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
    zuv::setTodayProvider([] { return QDate(2006, 6, 15); });  // a day on the sheet GS2005
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
    zuv::DrawResource(*store, surface, QRect(1, 1, 120, 90), QStringLiteral("gs2005"),
                      size % 2 == 0 ? zuv::Fit::KeepProportions : zuv::Fit::Stretch);
    form->SetResourceStore(store);  // forgets the sheet fitted from the last input
    form->ShowScreen({zuv::CalendarSystem::Gregorian, zuv::ScreenMode::DatedSheet});
    zuv::DecodeBitmap(bytes);
    return 0;
}
