#include "ui/qt/qt_controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

namespace tembrel::qt {

int Pixels(int32_t twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

int32_t Twips(int pixels) {
    return static_cast<int32_t>(int64_t{pixels} * kTwipsPerPixel);
}

QRect PixelRect(const ControlPlace& place) {
    return QRect(Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height));
}

QString ToQt(std::string_view text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

std::string FromQt(const QString& text) {
    return text.toStdString();
}

QFont FontOf(FontClass font) {
    // 9.75 pt, 8.25 pt and 9 pt at 96 dots per inch, the resolution at which a
    // pixel is 15 twips.
    const bool fixedPitch = font == FontClass::Output || font == FontClass::Grid;
    QFont result(fixedPitch ? QStringLiteral("Liberation Mono")
                            : QStringLiteral("Liberation Sans"));
    result.setStyleHint(fixedPitch ? QFont::Monospace : QFont::SansSerif);
    switch (font) {
        case FontClass::Window:
            result.setPixelSize(13);
            break;
        case FontClass::Panel:
            result.setPixelSize(11);
            break;
        case FontClass::Link:
            result.setPixelSize(11);
            result.setUnderline(true);
            break;
        case FontClass::Output:
            result.setPixelSize(12);
            break;
        case FontClass::Grid:
            result.setPixelSize(13);
            break;
    }
    return result;
}

QPalette ToolkitPalette() {
    const QPalette application = QApplication::palette();
    QPalette palette;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colorRole = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(group, colorRole, application.brush(group, colorRole));
        }
    }
    return palette;
}

namespace {

void ApplyColours(QWidget* widget, ColourClass colour, const QColor& background) {
    if (colour == ColourClass::Toolkit) {
        widget->setPalette(ToolkitPalette());
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, colour == ColourClass::Link ? kLinkColour : Qt::black);
    widget->setPalette(palette);
}

// Returns `text` broken between words so that no line is wider than `width`
// where a word allows it; a text that fits stays on one line.
QString WrapToWidth(const QString& text, const QFontMetrics& metrics, int width) {
    // Measured as the button measures its caption for its size hint.
    const auto widthOf = [&metrics](const QString& line) {
        return metrics.boundingRect(QRect(), Qt::TextShowMnemonic, line).width();
    };
    if (widthOf(text) <= width) {
        return text;
    }
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && widthOf(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}

// Returns the width left for the caption of a check box or option: the widget's
// width less what the style adds around a caption (indicator, spacing, margins).
int CaptionWidth(const QAbstractButton* button, ControlKind kind) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = QStringLiteral("x");
    const QSize around = button->style()->sizeFromContents(
        kind == ControlKind::Option ? QStyle::CT_RadioButton : QStyle::CT_CheckBox, &option,
        QSize(0, button->fontMetrics().height()), button);
    return button->width() - around.width();
}

}  // namespace

int KeyAsciiOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return -1;
        default:
            break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) &&
        event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        return event.key() - Qt::Key_A + 1;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return -1;
    }
    const QList<uint> codes = text.toUcs4();
    return codes.isEmpty() ? -1 : static_cast<int>(codes.front());
}

int MouseButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up_, down_}) {
        // The arrows leave the focus where it is; the step puts it into the field.
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRaise(false);
    }
}

void SpinArrows::resizeEvent(QResizeEvent* event) {
    const int half = event->size().height() / 2;
    up_->setGeometry(0, 0, event->size().width(), half);
    down_->setGeometry(0, half, event->size().width(), event->size().height() - half);
}

OutputTextBox::OutputTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // A caret the user can move and select with, as in any text box.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

void OutputTextBox::keyPressEvent(QKeyEvent* event) {
    int keyAscii = KeyAsciiOf(*event);
    if (keyAscii > 0 && onKeyPress) {
        onKeyPress(keyAscii);
        if (keyAscii == 0) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void OutputTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (onMouseUp) {
        onMouseUp(MouseButtonCode(event->button()));
    }
}

LabelControl::LabelControl(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void LabelControl::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseUp) {
        onMouseUp(MouseButtonCode(event->button()));
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

QWidget* CreateControl(ControlKind kind, FontClass font, ColourClass colour, bool centred,
                       const QColor& background, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (kind) {
        case ControlKind::Frame:
            widget = new QWidget(parent);
            break;
        case ControlKind::Label:
        case ControlKind::LinkLabel: {
            auto* label = new LabelControl(parent);
            label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            label->setWordWrap(true);
            if (kind == ControlKind::LinkLabel) {
                label->setCursor(Qt::PointingHandCursor);
            }
            widget = label;
            break;
        }
        case ControlKind::Button:
            widget = new QPushButton(parent);
            break;
        case ControlKind::Option:
            widget = new QRadioButton(parent);
            break;
        case ControlKind::CheckBox:
            widget = new QCheckBox(parent);
            break;
        case ControlKind::TextBox:
            widget = new QLineEdit(parent);
            break;
        case ControlKind::OutputBox:
            widget = new OutputTextBox(parent);
            break;
        case ControlKind::Spinner:
            widget = new SpinArrows(parent);
            break;
        case ControlKind::DropDownList:
            widget = new QComboBox(parent);
            break;
        case ControlKind::ListBox:
            widget = new QListWidget(parent);
            break;
    }
    widget->setFont(FontOf(font));
    ApplyColours(widget, colour, background);
    return widget;
}

void SetControlCaption(QWidget* widget, ControlKind kind, std::string_view caption) {
    const QString text = ToQt(caption);
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::LinkLabel:
            static_cast<QLabel*>(widget)->setText(text);
            break;
        case ControlKind::Button:
        case ControlKind::Option:
        case ControlKind::CheckBox: {
            auto* button = static_cast<QAbstractButton*>(widget);
            // Wrapping measures the button; skip it when nothing it depends on
            // has changed since the last time.
            const char* const kCaption = "tembrelCaption";
            const char* const kWidth = "tembrelCaptionWidth";
            if (button->property(kCaption).toString() == text &&
                button->property(kWidth).toInt() == button->width()) {
                break;
            }
            button->setProperty(kCaption, text);
            button->setProperty(kWidth, button->width());
            const auto escaped = [](QString shown) {
                return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
            };
            button->setText(escaped(text));
            const QFontMetrics metrics(button->font());
            if (kind == ControlKind::Button || button->height() < 2 * metrics.lineSpacing()) {
                break;
            }
            // Break between words until the style says the caption fits.
            for (int available = CaptionWidth(button, kind);
                 available > 0 && button->sizeHint().width() > button->width(); --available) {
                button->setText(escaped(WrapToWidth(text, metrics, available)));
            }
            break;
        }
        default:
            break;
    }
}

void SetToolTip(QWidget* widget, std::string_view text) {
    const QString shown = ToQt(text);
    if (widget->toolTip() != shown) {
        widget->setToolTip(shown);
    }
}

QString ShownCaption(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        QString text = button->text();
        text.replace(QStringLiteral("&&"), QStringLiteral("&"));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return text;
    }
    return {};
}

}  // namespace tembrel::qt
