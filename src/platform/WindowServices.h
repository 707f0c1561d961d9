#pragma once
// What the windows need of the window system: their borderless kind, the pointer and the
// interactive move.

#include <QPoint>
#include <functional>

class QWidget;

namespace zuv {

// A top-level window without the system's frame that still has a taskbar entry, can be
// minimised and has the system menu: both of the program's windows.
void MakeBorderlessWindow(QWidget* window);

QPoint PointerScreenPos();

// Starts the interactive move of the window: it follows the pointer until the button is
// released. The window system's own move is used where there is one; elsewhere the window
// follows the pointer by itself. Returns false only without a window.
bool StartInteractiveMove(QWidget* window);

// Replaces the interactive move (tests count the requests instead of moving); an empty
// function restores the real one. Returns the previous handler.
using InteractiveMoveHandler = std::function<bool(QWidget*)>;
InteractiveMoveHandler setInteractiveMoveHandler(InteractiveMoveHandler handler);

}  // namespace zuv
