#include "ui/qt/month_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <array>

#include "text/program_text_numbers.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_window_place.h"

namespace tembrel {

namespace {

using C = MonthWindowControl;

// The buttons and options whose click runs a handler without arguments.
constexpr std::array kClickedControls = {C::cmdDisplay,   C::cmdCopyToClipboard, C::cmdShowHideISO,
                                         C::optCommonEra, C::optJulian,          C::optSunday,
                                         C::optMonday};

// Runs the click handler of one of kClickedControls.
void Clicked(MonthWindowModel& model, C id) {
    switch (id) {
        case C::cmdDisplay:
            model.cmdDisplay_Click();
            break;
        case C::cmdCopyToClipboard:
            model.cmdCopyToClipboard_Click();
            break;
        case C::cmdShowHideISO:
            model.cmdShowHideISO_Click();
            break;
        case C::optCommonEra:
            model.optCommonEra_Click();
            break;
        case C::optJulian:
            model.optJulian_Click();
            break;
        case C::optSunday:
            model.optSunday_Click();
            break;
        case C::optMonday:
            model.optMonday_Click();
            break;
        default:
            break;
    }
}

bool IsSelected(const MonthWindowState& form, C option) {
    switch (option) {
        case C::optCommonEra:
            return form.optCommonEra();
        case C::optJulian:
            return form.optJulian;
        case C::optSunday:
            return form.optSunday();
        case C::optMonday:
            return form.optMonday;
        default:
            return false;
    }
}

// Returns the key code the year field's key handlers take: 13 for Enter; they
// act on nothing else, so every other key passes as 0.
int KeyCodeOf(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter ? kKeyEnter : 0;
}

void SetBoxText(QPlainTextEdit* box, const std::string& text) {
    const QString shown = qt::ToQt(text);
    if (box->toPlainText() != shown) {
        box->setPlainText(shown);
    }
}

}  // namespace

frmDisplayMonth::frmDisplayMonth(MonthWindowModel& model, const ProgramTexts& texts,
                                 QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      model_(model),
      texts_(texts) {
    setObjectName(QStringLiteral("frmDisplayMonth"));
    widgets_ = qt::BuildControls(MonthWindowLayout(), C::frmDisplayMonth,
                                 static_cast<QWidget*>(this), palette().color(QPalette::Window));

    // The model keeps one option of each pair selected; the window shows them
    // as the model has them.
    for (const C option : {C::optCommonEra, C::optJulian, C::optSunday, C::optMonday}) {
        static_cast<QRadioButton*>(control(option))->setAutoExclusive(false);
    }
    static_cast<QLineEdit*>(control(C::txbYear))->setMaxLength(kYearFieldMaxLength);
    auto* months = static_cast<QComboBox*>(control(C::cboMonths));
    months->setEditable(true);
    months->setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays as typed: the model decides which entry it names.
    months->setCompleter(nullptr);
    for (const C box : {C::txbMonth, C::txbISODates}) {
        auto* text = static_cast<QPlainTextEdit*>(control(box));
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
    }

    Connect();
    Render();
}

QWidget* frmDisplayMonth::control(MonthWindowControl id) const {
    const auto index = static_cast<size_t>(id);
    return index < widgets_.size() ? widgets_[index] : nullptr;
}

void frmDisplayMonth::Connect() {
    for (const C id : kClickedControls) {
        connect(static_cast<QAbstractButton*>(control(id)), &QAbstractButton::clicked, this,
                [this, id] { Run([this, id] { Clicked(model_, id); }); });
    }
    for (const int index : {0, 1}) {
        const C id = index == 0 ? C::cmdDisplayNextMonth0 : C::cmdDisplayNextMonth1;
        connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this,
                [this, index] { Run([this, index] { model_.cmdDisplayNextMonth_Click(index); }); });
    }
    connect(static_cast<QPushButton*>(control(C::cmdClose)), &QPushButton::clicked, this,
            &frmDisplayMonth::CloseWindow);
    connect(static_cast<QCheckBox*>(control(C::chkWithYear)), &QCheckBox::clicked, this,
            [this](bool checked) {
                Run([this, checked] {
                    model_.form.chkWithYear = checked ? int16_t{1} : int16_t{0};
                    model_.chkWithYear_Click();
                });
            });

    auto* months = static_cast<QComboBox*>(control(C::cboMonths));
    connect(months, &QComboBox::activated, this,
            [this](int index) { Run([this, index] { model_.SelectMonth(index); }); });
    connect(months->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.cboMonths_Change(qt::FromQt(text)); });

    auto* year = static_cast<QLineEdit*>(control(C::txbYear));
    connect(year, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.form.txbYear = qt::FromQt(text); });
    year->installEventFilter(this);
}

void frmDisplayMonth::PullFromWidgets() {
    MonthWindowState& form = model_.form;
    form.txbYear = qt::FromQt(static_cast<QLineEdit*>(control(C::txbYear))->text());
    TrackPlace();
    const QWidget* focused = focusWidget();
    form.focus = MonthControl::None;
    for (const MonthWindowEntry& entry : MonthWindowLayout()) {
        const QWidget* widget = control(entry.id);
        if (focused != nullptr && (widget == focused || widget->isAncestorOf(focused))) {
            const MonthControl focus = MonthFocusOfControl(entry.id);
            if (focus != MonthControl::None) {
                form.focus = focus;
            }
        }
    }
}

void frmDisplayMonth::Run(const std::function<void()>& handler) {
    PullFromWidgets();
    handler();
    Render();
    RenderFocus();
}

void frmDisplayMonth::CloseWindow() {
    Run([this] { model_.cmdClose_Click(); });
    if (onClosed) {
        onClosed();
    }
}

void frmDisplayMonth::Render() {
    rendering_ = true;
    const MonthWindowState& form = model_.form;
    setWindowTitle(qt::ToQt(form.captions.window));
    for (const MonthWindowEntry& entry : MonthWindowLayout()) {
        QWidget* widget = control(entry.id);
        const QSignalBlocker blocker(widget);
        switch (entry.kind) {
            case ControlKind::Label:
            case ControlKind::Button:
                qt::SetControlCaption(widget, entry.kind,
                                      MonthWindowCaption(form.captions, entry.id));
                break;
            case ControlKind::Option: {
                qt::SetControlCaption(widget, entry.kind,
                                      MonthWindowCaption(form.captions, entry.id));
                auto* option = static_cast<QRadioButton*>(widget);
                const bool selected = IsSelected(form, entry.id);
                if (option->isChecked() != selected) {
                    option->setChecked(selected);
                }
                break;
            }
            case ControlKind::CheckBox: {
                qt::SetControlCaption(widget, entry.kind,
                                      MonthWindowCaption(form.captions, entry.id));
                auto* check = static_cast<QCheckBox*>(widget);
                if (check->isChecked() != (form.chkWithYear == 1)) {
                    check->setChecked(form.chkWithYear == 1);
                }
                break;
            }
            case ControlKind::TextBox: {
                auto* year = static_cast<QLineEdit*>(widget);
                const QString text = qt::ToQt(form.txbYear);
                if (year->text() != text) {
                    // A longer year the program writes (the year after 999999999)
                    // is shown whole.
                    year->setMaxLength(
                        std::max(kYearFieldMaxLength, static_cast<int>(text.size())));
                    year->setText(text);
                }
                break;
            }
            case ControlKind::DropDownList:
                RenderMonthList();
                break;
            case ControlKind::OutputBox: {
                const bool grid = entry.id == C::txbMonth;
                auto* box = static_cast<QPlainTextEdit*>(widget);
                SetBoxText(box, grid ? form.txbMonth : form.txbISODates);
                std::string tooltip = texts_.ProgramText(grid ? program_text::kMonthGridTooltip
                                                              : program_text::kIsoPanelTooltip);
                if (grid && !form.monthHolidays.empty()) {
                    // The names of the days marked in the grid.
                    tooltip += "\r\n\r\n" + form.monthHolidays;
                }
                qt::SetToolTip(box, tooltip);
                break;
            }
            case ControlKind::Frame:
            case ControlKind::LinkLabel:
            case ControlKind::Spinner:
            case ControlKind::ListBox:
                break;
        }
    }
    const auto enable = [this](C id, bool enabled) {
        if (control(id)->isEnabled() != enabled) {
            control(id)->setEnabled(enabled);
        }
    };
    enable(C::cmdShowHideISO, form.cmdShowHideISOEnabled);
    enable(C::chkWithYear, form.chkWithYearEnabled);
    enable(C::cmdCopyToClipboard, form.cmdCopyToClipboardEnabled);
    // The panel stands below the window's short height; hiding it as well keeps
    // it out of sight under any window frame.
    if (control(C::txbISODates)->isHidden() == form.blnISODatesShown) {
        control(C::txbISODates)->setVisible(form.blnISODatesShown);
    }
    RenderPlace();
    if (isVisible() != form.visible) {
        setVisible(form.visible);
        // Placed again with the frame the window system may have added.
        RenderPlace();
    }
    rendering_ = false;
}

void frmDisplayMonth::RenderPlace() {
    // The model keeps the client area's width and the whole window's height.
    const MonthWindowState& form = model_.form;
    TwipsRect outer = form.window;
    outer.width =
        ClampTwips(int64_t{form.window.width} + qt::Twips(qt::FrameExtent(*this).width()));
    qt::ApplyOuterPlace(*this, outer, qt::Sizing::Fixed);
}

void frmDisplayMonth::RenderMonthList() {
    auto* list = static_cast<QComboBox*>(control(C::cboMonths));
    const ComboBoxState& state = model_.form.cboMonths;
    bool same = list->count() == static_cast<int>(state.entries.size());
    for (int i = 0; same && i < list->count(); ++i) {
        same = list->itemText(i) == qt::ToQt(state.entries[static_cast<size_t>(i)]);
    }
    if (!same) {
        list->clear();
        for (const std::string& entry : state.entries) {
            list->addItem(qt::ToQt(entry));
        }
    }
    if (list->currentIndex() != state.listIndex) {
        list->setCurrentIndex(state.listIndex);
    }
    const QString text = qt::ToQt(state.text);
    if (list->currentText() != text) {
        list->setEditText(text);
    }
}

void frmDisplayMonth::RenderFocus() {
    const C id = ControlOfMonthFocus(model_.form.focus);
    if (id == C::frmDisplayMonth || !isVisible()) {
        return;
    }
    QWidget* target = control(id);
    if (focusWidget() != target) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

bool frmDisplayMonth::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !rendering_) {
        Run([this] { model_.Form_Activate(); });
    }
    return QWidget::event(event);
}

void frmDisplayMonth::closeEvent(QCloseEvent* event) {
    const QWidget* mainWindow = parentWidget();
    if (mainWindow == nullptr || !mainWindow->isVisible()) {
        // The main window has closed: the program is ending.
        event->accept();
        return;
    }
    // The close box only hides the window, as Close does.
    event->ignore();
    PullFromWidgets();
    model_.Form_Unload();
    Render();
    if (onClosed) {
        onClosed();
    }
}

void frmDisplayMonth::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!rendering_) {
        TrackPlace();
    }
}

void frmDisplayMonth::TrackPlace() {
    // Only the position: the size is the model's alone.
    if (isVisible()) {
        qt::TrackOuterPosition(*this, model_.form.window);
    }
}

bool frmDisplayMonth::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control(C::txbYear) && event->type() == QEvent::KeyPress) {
        model_.txbYear_KeyDown(KeyCodeOf(*static_cast<const QKeyEvent*>(event)));
    } else if (watched == control(C::txbYear) && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            const int code = KeyCodeOf(*key);
            Run([this, code] { model_.txbYear_KeyUp(code); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tembrel
