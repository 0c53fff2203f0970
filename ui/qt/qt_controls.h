// The Qt side of the layout tables: widgets built from a table, twips turned
// into pixels (15 twips a pixel; Qt scales pixels for the screen's device pixel
// ratio), the fonts and colours of the control classes, captions, and the key
// and mouse codes the form models take.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRect>
#include <QString>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/layout_table.h"

class QKeyEvent;
class QMouseEvent;
class QResizeEvent;

namespace tembrel::qt {

inline constexpr int kTwipsPerPixel = 15;

// Returns twips as pixels, rounded to the nearest pixel.
int Pixels(int32_t twips);
// Returns pixels as twips.
int32_t Twips(int pixels);
QRect PixelRect(const ControlPlace& place);

// Returns a UTF-8 text as Qt shows it: every CR LF becomes one line break.
QString ToQt(std::string_view text);
// Returns a Qt text as UTF-8.
std::string FromQt(const QString& text);

// Returns the font of a font class: Liberation Sans for the window, panel and
// link fonts (metric-compatible with the sans serif faces the layout was drawn
// for), Liberation Mono for the output box and the month grid; sizes in pixels,
// so that they keep their proportion to the control sizes on every screen.
QFont FontOf(FontClass font);

// Returns the application's palette with every role set, so that a widget given
// it keeps the toolkit's colours inside a coloured window.
QPalette ToolkitPalette();

// The text colour of the link labels.
inline const QColor kLinkColour{0x00, 0x00, 0xFF};

// Returns the key code a form model's key handler takes: the character's code,
// 13 for Enter, 8 for Backspace, 1..26 for Ctrl with a letter; -1 for keys that
// produce no character (cursor keys, Delete, Tab, function keys), which the
// text box handles itself.
int KeyAsciiOf(const QKeyEvent& event);

// Returns the code of a mouse button: 1 left, 2 right, 4 middle, 0 any other.
int MouseButtonCode(Qt::MouseButton button);

// Two stacked arrow buttons: up steps forward, down steps back.
class SpinArrows : public QWidget {
  public:
    explicit SpinArrows(QWidget* parent);
    QToolButton* up() const { return up_; }
    QToolButton* down() const { return down_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};

// A read-only multi-line text box with a vertical scroll bar that reports typed
// characters before it handles them (a handler may swallow one by setting the
// code to 0) and mouse releases after it has handled them.
class OutputTextBox : public QPlainTextEdit {
  public:
    explicit OutputTextBox(QWidget* parent);

    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int button)> onMouseUp;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A label that reports mouse releases.
class LabelControl : public QLabel {
  public:
    explicit LabelControl(QWidget* parent);

    std::function<void(int button)> onMouseUp;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Creates the widget of one control: frames are plain containers, labels
// LabelControl, buttons QPushButton, options QRadioButton, check boxes QCheckBox,
// text boxes QLineEdit, the output box OutputTextBox, spinners SpinArrows,
// drop-down lists QComboBox and list boxes QListWidget. Applies the font and the colours of the
// control's classes; `background` is the window's background colour.
QWidget* CreateControl(ControlKind kind, FontClass font, ColourClass colour, bool centred,
                       const QColor& background, QWidget* parent);

// Sets a control's caption. Check boxes and options tall enough for two lines
// break it between words where it does not fit on one line; a button-like
// control shows "&" as itself.
void SetControlCaption(QWidget* widget, ControlKind kind, std::string_view caption);

// Sets a widget's tooltip from UTF-8 text; a tooltip that is already shown is
// left alone.
void SetToolTip(QWidget* widget, std::string_view text);

// Returns the caption a control shows, with the line breaks of wrapping
// turned back into spaces.
QString ShownCaption(const QWidget* widget);

// Builds the controls of `table` into `window` and returns them indexed by
// control id (`window` itself at the index of `windowId`). Containers must come
// before the controls they hold. Every control other than a frame is raised
// above its sibling frames, so that a frame never hides a control it overlaps.
template <typename Id>
std::vector<QWidget*> BuildControls(std::span<const ControlEntry<Id>> table, Id windowId,
                                    QWidget* window, const QColor& background) {
    int count = static_cast<int>(windowId) + 1;
    for (const ControlEntry<Id>& entry : table) {
        count = std::max(count, static_cast<int>(entry.id) + 1);
    }
    std::vector<QWidget*> widgets(static_cast<size_t>(count), nullptr);
    widgets[static_cast<size_t>(windowId)] = window;
    for (const ControlEntry<Id>& entry : table) {
        QWidget* parent = widgets[static_cast<size_t>(entry.container)];
        QWidget* widget =
            CreateControl(entry.kind, entry.font, entry.colour, entry.centred, background, parent);
        widget->setObjectName(
            QString::fromUtf8(entry.name.data(), static_cast<int>(entry.name.size())));
        widget->setGeometry(PixelRect(entry.place));
        widgets[static_cast<size_t>(entry.id)] = widget;
    }
    for (const ControlEntry<Id>& entry : table) {
        if (entry.kind != ControlKind::Frame) {
            widgets[static_cast<size_t>(entry.id)]->raise();
        }
    }
    return widgets;
}

}  // namespace tembrel::qt
