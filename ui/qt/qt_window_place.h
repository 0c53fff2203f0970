// Top-level windows placed in twips: the window models keep a window's outer
// place (frame and title bar included) and its state; these routines read them
// from a Qt window and apply them to it. A window the window system has not
// framed yet counts as having no frame.
#pragma once

#include <QRect>
#include <QSize>

#include "ui/model/window_geometry.h"

class QWidget;

namespace tembrel::qt {

// Returns the window's outer place in pixels, as `place` (twips) stands for it.
QRect OuterPixels(const TwipsRect& place);

// Returns the size the frame adds around the window's client area.
QSize FrameExtent(const QWidget& window);

// Copies the window's outer position, or its outer size (client area and
// frame), into `place`, each value only where the two differ by at least one
// pixel, so that a place the window shows unchanged keeps its exact twips. The
// size is taken only from the client area's own changes, so that a frame the
// window system adds later is not mistaken for the user's resizing.
void TrackOuterPosition(const QWidget& window, TwipsRect& place);
void TrackOuterSize(const QWidget& window, TwipsRect& place);

// How a window's size may change.
enum class Sizing { Resizable, Fixed };

// Moves and sizes the window so that its outer place is `place`, changing only
// what differs by at least one pixel; the client area never gets smaller than
// one pixel. A fixed window cannot be resized by the user.
void ApplyOuterPlace(QWidget& window, const TwipsRect& place, Sizing sizing);

// Returns the window's state (normal, minimised, maximised).
WindowState StateOf(const QWidget& window);

// ---- A resizable window whose model keeps its outer place and state ----

// Copies a visible window's state into `state`, and its outer position into
// `place` unless it is minimised.
void PullPlaceAndState(const QWidget& window, TwipsRect& place, WindowState& state);
// From moveEvent: copies the position the user moved a visible window to.
void TrackUserMove(const QWidget& window, TwipsRect& place);
// From resizeEvent: copies the size the user gave the window, unless it is
// minimised.
void TrackUserSize(const QWidget& window, TwipsRect& place);
// Shows a minimised window normal again when its model says so, then applies
// `place` when the window is in its normal state.
void RenderResizablePlace(QWidget& window, const TwipsRect& place, WindowState state);

}  // namespace tembrel::qt
