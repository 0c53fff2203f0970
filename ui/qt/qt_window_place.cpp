#include "ui/qt/qt_window_place.h"

#include <QWidget>

#include "ui/qt/qt_controls.h"

namespace tembrel::qt {

QRect OuterPixels(const TwipsRect& place) {
    return QRect(Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height));
}

QSize FrameExtent(const QWidget& window) {
    const QSize extent = window.frameGeometry().size() - window.size();
    return extent.expandedTo(QSize(0, 0));
}

void TrackOuterPosition(const QWidget& window, TwipsRect& place) {
    const QPoint shown = window.frameGeometry().topLeft();
    const QRect kept = OuterPixels(place);
    if (shown.x() != kept.x()) {
        place.left = Twips(shown.x());
    }
    if (shown.y() != kept.y()) {
        place.top = Twips(shown.y());
    }
}

void TrackOuterSize(const QWidget& window, TwipsRect& place) {
    const QSize shown = window.size() + FrameExtent(window);
    const QRect kept = OuterPixels(place);
    if (shown.width() != kept.width()) {
        place.width = Twips(shown.width());
    }
    if (shown.height() != kept.height()) {
        place.height = Twips(shown.height());
    }
}

void ApplyOuterPlace(QWidget& window, const TwipsRect& place, Sizing sizing) {
    const QRect wanted = OuterPixels(place);
    const QSize client = (wanted.size() - FrameExtent(window)).expandedTo(QSize(1, 1));
    if (sizing == Sizing::Fixed) {
        if (window.minimumSize() != client || window.maximumSize() != client) {
            window.setFixedSize(client);
        }
    } else if (window.size() != client) {
        window.resize(client);
    }
    if (window.frameGeometry().topLeft() != wanted.topLeft()) {
        window.move(wanted.topLeft());
    }
}

WindowState StateOf(const QWidget& window) {
    if (window.isMinimized()) {
        return WindowState::Minimized;
    }
    return window.isMaximized() ? WindowState::Maximized : WindowState::Normal;
}

void PullPlaceAndState(const QWidget& window, TwipsRect& place, WindowState& state) {
    if (!window.isVisible()) {
        return;
    }
    state = StateOf(window);
    if (state != WindowState::Minimized) {
        TrackOuterPosition(window, place);
    }
}

void TrackUserMove(const QWidget& window, TwipsRect& place) {
    if (window.isVisible() && StateOf(window) != WindowState::Minimized) {
        TrackOuterPosition(window, place);
    }
}

void TrackUserSize(const QWidget& window, TwipsRect& place) {
    if (StateOf(window) != WindowState::Minimized) {
        TrackOuterSize(window, place);
    }
}

void RenderResizablePlace(QWidget& window, const TwipsRect& place, WindowState state) {
    if (state == WindowState::Normal && window.isMinimized()) {
        window.showNormal();
    }
    if (StateOf(window) == WindowState::Normal) {
        ApplyOuterPlace(window, place, Sizing::Resizable);
    }
}

}  // namespace tembrel::qt
