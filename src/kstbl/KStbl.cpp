#include "KStbl.h"

namespace zuv {

TKStblForm* KStblForm = nullptr;

TKStblForm::TKStblForm(QWidget* parent) : QWidget(parent) {
    KStblForm = this;
    setObjectName(QStringLiteral("KStblForm"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Зувская календарная система"));
    resize(605, 423);
}

TKStblForm::~TKStblForm() {
    if (KStblForm == this) KStblForm = nullptr;
}

}  // namespace zuv
