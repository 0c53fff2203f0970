#include "ui/qt/all_calendars_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/model/text_offsets.h"
#include "ui/qt/qt_controls.h"

namespace tembrel {

namespace {

QWidget* Create(ControlKind kind, QWidget* parent, const char* name) {
    QWidget* widget =
        qt::CreateControl(kind, FontClass::Panel, ColourClass::Toolkit, false, QColor(), parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A label of one line, centred on the height of its row.
QLabel* CreateRowLabel(QWidget* parent, const char* name) {
    auto* label = static_cast<QLabel*>(Create(ControlKind::Label, parent, name));
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void SetPlace(QWidget* widget, const ControlPlace& place) {
    const QRect pixels = qt::PixelRect(place);
    if (widget->geometry() != pixels) {
        widget->setGeometry(pixels);
    }
}

void RenderButton(QPushButton* widget, const ButtonState& button, std::string_view tooltip) {
    SetPlace(widget, button.place);
    qt::SetControlCaption(widget, ControlKind::Button, button.caption);
    if (widget->isEnabled() != button.enabled) {
        widget->setEnabled(button.enabled);
    }
    qt::SetToolTip(widget, tooltip);
}

// The place of a column's control in the row `row`.
ControlPlace InRow(ControlPlace column, int row) {
    column.top = row * kAllCalendarsRowPitch;
    return column;
}

}  // namespace

frmAllCalendars::frmAllCalendars(AllCalendarsModel& model, QWidget* mainWindow)
    : ResizableWindow(mainWindow),
      model_(model),
      lblHint_(static_cast<QLabel*>(Create(ControlKind::Label, this, "lblHint"))),
      rowsArea_(new QScrollArea(this)),
      rowsContent_(new QWidget()),
      cmdCopyRow_(static_cast<QPushButton*>(Create(ControlKind::Button, this, "cmdCopyRow"))),
      cmdCopyAll_(static_cast<QPushButton*>(Create(ControlKind::Button, this, "cmdCopyAll"))),
      cmdClose_(static_cast<QPushButton*>(Create(ControlKind::Button, this, "cmdClose"))) {
    setObjectName(QStringLiteral("frmAllCalendars"));
    rowsArea_->setObjectName(QStringLiteral("rowsArea"));
    rowsArea_->setWidget(rowsContent_);
    rowsArea_->setWidgetResizable(false);
    for (const AllCalendarsRow& row : model_.form.rows) {
        (void)row;
        RowWidgets widgets{
            CreateRowLabel(rowsContent_, "lblCode"),
            static_cast<QLineEdit*>(Create(ControlKind::TextBox, rowsContent_, "txbDate")),
            CreateRowLabel(rowsContent_, "lblName")};
        widgets.date->installEventFilter(this);
        rows_.push_back(widgets);
    }
    // Tab goes down the rows' text boxes, then to the buttons.
    QWidget* previous = nullptr;
    for (QWidget* widget : [this] {
             std::vector<QWidget*> chain;
             for (const RowWidgets& row : rows_) {
                 chain.push_back(row.date);
             }
             chain.insert(chain.end(), {cmdCopyRow_, cmdCopyAll_, cmdClose_});
             return chain;
         }()) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    Connect();
    Render();
}

void frmAllCalendars::Connect() {
    connect(cmdCopyRow_, &QPushButton::clicked, this,
            [this] { Run([this] { model_.cmdCopyRow_Click(); }); });
    connect(cmdCopyAll_, &QPushButton::clicked, this,
            [this] { Run([this] { model_.cmdCopyAll_Click(); }); });
    connect(cmdClose_, &QPushButton::clicked, this,
            [this] { Run([this] { model_.cmdClose_Click(); }); });
}

int frmAllCalendars::RowOf(const QObject* widget) const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].date == widget) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void frmAllCalendars::PullControls() {
    AllCalendarsState& form = model_.form;
    for (size_t i = 0; i < rows_.size() && i < form.rows.size(); ++i) {
        const QLineEdit* edit = rows_[i].date;
        TextBoxState& box = form.rows[i].txbDate;
        box.text = qt::FromQt(edit->text());
        const int from = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        box.selStart = ByteOfDisplayIndex(box.text, from);
        box.selLength =
            ByteOfDisplayIndex(box.text, from + static_cast<int>(edit->selectionLength())) -
            box.selStart;
    }
    const QWidget* focused = focusWidget();
    const int row = RowOf(focused);
    if (row >= 0) {
        form.currentRow = row;
        form.focus = AllCalendarsControl::txbDate;
    } else {
        form.focus = focused == cmdCopyRow_   ? AllCalendarsControl::cmdCopyRow
                     : focused == cmdCopyAll_ ? AllCalendarsControl::cmdCopyAll
                     : focused == cmdClose_   ? AllCalendarsControl::cmdClose
                                              : AllCalendarsControl::None;
    }
}

void frmAllCalendars::Render() {
    rendering_ = true;
    const AllCalendarsState& form = model_.form;
    setWindowTitle(qt::ToQt(form.caption));
    RenderPlace();
    SetPlace(lblHint_, form.lblHintPlace);
    qt::SetControlCaption(lblHint_, ControlKind::Label, form.lblHint);
    SetPlace(rowsArea_, form.rowsPlace);
    RenderRows();
    {
        const QSignalBlocker copyRowBlocker(cmdCopyRow_);
        const QSignalBlocker copyAllBlocker(cmdCopyAll_);
        const QSignalBlocker closeBlocker(cmdClose_);
        RenderButton(cmdCopyRow_, form.cmdCopyRow, form.copyRowTooltip);
        RenderButton(cmdCopyAll_, form.cmdCopyAll, form.copyAllTooltip);
        RenderButton(cmdClose_, form.cmdClose, {});
    }
    if (isVisible() != form.visible) {
        setVisible(form.visible);
        // Placed again with the frame the window system may have added.
        RenderPlace();
    }
    rendering_ = false;
}

void frmAllCalendars::RenderRows() {
    const AllCalendarsState& form = model_.form;
    const QSize content(qt::Pixels(kAllCalendarsNameLeft + form.nameWidth),
                        qt::Pixels(static_cast<int32_t>(form.rows.size()) * kAllCalendarsRowPitch));
    if (rowsContent_->size() != content) {
        rowsContent_->resize(content);
    }
    for (size_t i = 0; i < rows_.size() && i < form.rows.size(); ++i) {
        const AllCalendarsRow& row = form.rows[i];
        const RowWidgets& widgets = rows_[i];
        const int index = static_cast<int>(i);
        SetPlace(widgets.code, InRow(kAllCalendarsCodeColumn, index));
        SetPlace(widgets.date, InRow(kAllCalendarsTextColumn, index));
        SetPlace(widgets.name,
                 InRow({kAllCalendarsNameLeft, 0, form.nameWidth, kAllCalendarsRowHeight}, index));
        qt::SetControlCaption(widgets.code, ControlKind::Label, row.lblCode);
        qt::SetControlCaption(widgets.name, ControlKind::Label, row.lblName);
        qt::SetToolTip(widgets.date, form.rowTooltip);

        const QSignalBlocker blocker(widgets.date);
        const QString text = qt::ToQt(row.txbDate.text);
        if (widgets.date->text() != text) {
            widgets.date->setText(text);
            widgets.date->setCursorPosition(DisplayIndexOfByte(
                row.txbDate.text,
                std::clamp(row.txbDate.selStart, 0, static_cast<int>(row.txbDate.text.size()))));
        }
        const QString placeholder = row.hasDate ? QString() : qt::ToQt(form.noDateText);
        if (widgets.date->placeholderText() != placeholder) {
            widgets.date->setPlaceholderText(placeholder);
        }
    }
}

void frmAllCalendars::RenderFocus() {
    const AllCalendarsState& form = model_.form;
    QWidget* target = nullptr;
    switch (form.focus) {
        case AllCalendarsControl::txbDate:
            if (form.currentRow >= 0 && static_cast<size_t>(form.currentRow) < rows_.size()) {
                target = rows_[static_cast<size_t>(form.currentRow)].date;
            }
            break;
        case AllCalendarsControl::cmdCopyRow:
            target = cmdCopyRow_;
            break;
        case AllCalendarsControl::cmdCopyAll:
            target = cmdCopyAll_;
            break;
        case AllCalendarsControl::cmdClose:
            target = cmdClose_;
            break;
        case AllCalendarsControl::None:
            break;
    }
    if (target != nullptr && isVisible() && focusWidget() != target) {
        target->setFocus(Qt::OtherFocusReason);
    }
    if (target != nullptr && RowOf(target) >= 0) {
        rowsArea_->ensureWidgetVisible(target);
    }
}

bool frmAllCalendars::eventFilter(QObject* watched, QEvent* event) {
    const int row = RowOf(watched);
    if (row < 0) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        model_.txbDate_GotFocus(row);
    } else if (event->type() == QEvent::KeyPress) {
        int keyAscii = qt::KeyAsciiOf(*static_cast<QKeyEvent*>(event));
        if (keyAscii >= 0) {
            PullFromWidgets();
            model_.txbDate_KeyPress(row, keyAscii);
            if (keyAscii == 0) {
                Render();
                RenderFocus();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tembrel
