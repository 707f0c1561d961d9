#pragma once
// TKStblForm: the calendar systems table window, a second borderless window created hidden
// at start-up.

#include <QWidget>

namespace zuv {

class TKStblForm : public QWidget {
    Q_OBJECT
public:
    explicit TKStblForm(QWidget* parent = nullptr);
    ~TKStblForm() override;
};

extern TKStblForm* KStblForm;

}  // namespace zuv
