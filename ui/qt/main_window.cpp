#include "ui/qt/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>
#include <vector>

#include "ui/model/main_layout.h"
#include "ui/model/text_offsets.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/window_icon.h"

namespace tembrel {

namespace {

using C = MainWindowControl;

// The colour of the window, its frames, labels, options and check boxes.
const QColor kCyan{0x00, 0xFF, 0xFF};

// The difference field takes at most this many typed or pasted characters, so
// that the largest difference with its separators, "-2,100,000,000", fits; a
// longer text the program writes is shown whole.
constexpr int kDateDiffMaxLength = 14;

constexpr std::array kInputFields = {C::txbFirstDate, C::txbDateDiff, C::txbSecondDate};

// The selection of a text box in model terms: byte offsets of its ends.
struct ByteRange {
    int from;
    int to;
};

ByteRange SelectionOf(const TextBoxState& box) {
    const int size = static_cast<int>(box.text.size());
    const int from = std::clamp(box.selStart, 0, size);
    const int to = std::clamp(box.selStart + std::max(box.selLength, 0), from, size);
    return {from, to};
}

void StoreSelection(TextBoxState& box, int displayFrom, int displayTo) {
    box.selStart = ByteOfDisplayIndex(box.text, displayFrom);
    box.selLength = ByteOfDisplayIndex(box.text, displayTo) - box.selStart;
}

}  // namespace

frmMain::frmMain(ProgramTexts& texts, ProgramVersion version, QWidget* parent)
    : QWidget(parent),
      endProgram([] { QCoreApplication::exit(0); }),
      texts_(texts),
      dialogs_(this),
      model_(texts, dialogs_, clipboard_, version, &services_),
      secondary_(*this, model_,
                 HelpAnchor{MainControlOf(C::Frame3)->place.top,
                            MainControlOf(C::lblTodaysDate)->place.top},
                 [this] {
                     Render();
                     activateWindow();
                 }) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(qt::Pixels(kMainClientWidth), qt::Pixels(kMainClientHeight));
    setWindowIcon(MainWindowIcon());

    // The window's colours; each control then gets those of its class.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kCyan);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    const std::vector<QWidget*> built =
        qt::BuildControls(MainWindowLayout(), C::frmMain, static_cast<QWidget*>(this), kCyan);
    std::copy(built.begin(), built.end(), widgets_.begin());

    for (const C field : kInputFields) {
        control(field)->installEventFilter(this);
    }
    static_cast<QLineEdit*>(control(C::txbDateDiff))->setMaxLength(kDateDiffMaxLength);
    // The model keeps exactly one option of each group selected and the window
    // shows each option as the model has it; Qt's own exclusivity, which goes by
    // parent widget, is not relied on.
    for (const MainControlEntry& entry : MainWindowLayout()) {
        if (entry.kind == ControlKind::Option) {
            static_cast<QRadioButton*>(control(entry.id))->setAutoExclusive(false);
        }
    }

    dialogs_.beforeModal = [this] { Render(); };
    dialogs_.clearOneFieldCaptions = &model_.window.clearOneField;
    dialogs_.frame3Left = MainControlOf(C::Frame3)->place.left;

    Connect();
    Render();
}

frmMain::~frmMain() = default;

QWidget* frmMain::control(MainWindowControl id) const {
    return widgets_[static_cast<size_t>(Index(id))];
}

void frmMain::StartUp() {
    model_.SetMainWindowCaption();
    model_.InitialiseMainWindow();
    Render();
    show();
    model_.AfterShow();
    model_.ReadUserSettings();
    model_.FinishStartUp();
    Render();
}

void frmMain::Connect() {
    std::vector<QWidget*> tabChain = {control(C::txbFirstDate), control(C::txbDateDiff),
                                      control(C::txbSecondDate), control(C::cmdCompute)};
    for (const MainControlEntry& entry : MainWindowLayout()) {
        const C id = entry.id;
        QWidget* widget = control(id);
        switch (entry.kind) {
            case ControlKind::Button:
                if (id == C::cmdQuit) {
                    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                            &QWidget::close);
                } else if (id == C::cmdDisplayMonth) {
                    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                            [this] { Run([this] { secondary_.cmdDisplayMonth_Click(); }); });
                } else if (id == C::cmdEnlarge) {
                    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                            [this] { Run([this] { secondary_.cmdEnlarge_Click(); }); });
                } else if (id == C::cmdHelp) {
                    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                            [this] { Run([this] { secondary_.cmdHelp_Click(); }); });
                } else if (id == C::cmdAllCalendars) {
                    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                            [this] { Run([this] { secondary_.cmdAllCalendars_Click(); }); });
                } else {
                    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                            [this, id] { Run([this, id] { model_.Click(id); }); });
                }
                break;
            case ControlKind::Option:
                connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this,
                        [this, id] { Run([this, id] { model_.Click(id); }); });
                break;
            case ControlKind::CheckBox:
                connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
                        [this, id](bool checked) {
                            Run([this, id, checked] {
                                model_.CheckBoxClicked(id, checked ? int16_t{1} : int16_t{0});
                            });
                        });
                break;
            case ControlKind::Label:
            case ControlKind::LinkLabel: {
                auto* label = static_cast<qt::LabelControl*>(widget);
                if (id == C::lblTodaysDate || id == C::lblWeekFromToday) {
                    label->onMouseUp = [this](int button) {
                        Run([this, button] { model_.lblToday_MouseUp(button); });
                    };
                } else if (id == C::lblCopyright || id == C::lblNorvaneSystems ||
                           id == C::lblOnlineDocumentation) {
                    label->onMouseUp = [this, id](int button) {
                        if (button == kLeftButton) {
                            Run([this, id] { model_.Click(id); });
                        }
                    };
                }
                break;
            }
            case ControlKind::OutputBox: {
                auto* output = static_cast<qt::OutputTextBox*>(widget);
                output->onKeyPress = [this](int& keyAscii) {
                    PullFromWidgets();
                    model_.txbOutput_KeyPress(keyAscii);
                    if (keyAscii == 0) {
                        Render();
                    }
                };
                output->onMouseUp = [this](int button) {
                    Run([this, button] { model_.txbOutput_MouseUp(button); });
                };
                break;
            }
            case ControlKind::Spinner: {
                auto* spinner = static_cast<qt::SpinArrows*>(widget);
                const int index = id == C::VScroll0 ? 0 : 1;
                connect(spinner->up(), &QToolButton::clicked, this,
                        [this, index] { Run([this, index] { model_.VScroll_Change(index, 1); }); });
                connect(spinner->down(), &QToolButton::clicked, this, [this, index] {
                    Run([this, index] { model_.VScroll_Change(index, -1); });
                });
                break;
            }
            case ControlKind::DropDownList:
                connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
                        [this](int position) {
                            Run([this, position] { model_.cboLanguage_Click(position); });
                        });
                break;
            case ControlKind::Frame:
            case ControlKind::TextBox:
            case ControlKind::ListBox:
                break;
        }
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 &&
            std::find(tabChain.begin(), tabChain.end(), widget) == tabChain.end()) {
            tabChain.push_back(widget);
        }
    }
    for (size_t i = 1; i < tabChain.size(); ++i) {
        setTabOrder(tabChain[i - 1], tabChain[i]);
    }
}

void frmMain::Run(const std::function<void()>& handler) {
    PullFromWidgets();
    handler();
    Render();
}

void frmMain::PullFromWidgets() {
    for (const C id : kInputFields) {
        const auto* edit = static_cast<const QLineEdit*>(control(id));
        TextBoxState& box = *model_.TextBox(id);
        box.text = qt::FromQt(edit->text());
        const int from = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        StoreSelection(box, from, from + static_cast<int>(edit->selectionLength()));
    }
    const auto* output = static_cast<const qt::OutputTextBox*>(control(C::txbOutput));
    const QTextCursor cursor = output->textCursor();
    StoreSelection(model_.form.txbOutput, cursor.selectionStart(), cursor.selectionEnd());

    QWidget* focused = focusWidget();
    model_.form.focus = MainControl::None;
    for (int i = 0; i < kMainWindowControlCount; ++i) {
        if (widgets_[static_cast<size_t>(i)] == focused && focused != nullptr) {
            model_.form.focus = FocusOfControl(static_cast<C>(i));
        }
    }
}

void frmMain::Render() {
    // The program texts are in the language of the captions, also after a Reset
    // has set the saved language back to English.
    translations_.Use(texts_.ProgramTextLanguage());
    setWindowTitle(qt::ToQt(model_.window.caption));
    for (const MainControlEntry& entry : MainWindowLayout()) {
        const C id = entry.id;
        QWidget* widget = control(id);
        const QSignalBlocker blocker(widget);
        const QRect place = qt::PixelRect(model_.PlaceOf(id));
        if (widget->geometry() != place) {
            widget->setGeometry(place);
        }
        const bool visible = model_.IsVisible(id);
        if (widget->isHidden() == visible) {
            widget->setVisible(visible);
        }
        const QString tooltip = qt::ToQt(model_.Tooltip(id));
        if (widget->toolTip() != tooltip) {
            widget->setToolTip(tooltip);
        }
        switch (entry.kind) {
            case ControlKind::Label:
            case ControlKind::LinkLabel:
            case ControlKind::Button:
                qt::SetControlCaption(widget, entry.kind, model_.Caption(id));
                break;
            case ControlKind::Option: {
                qt::SetControlCaption(widget, entry.kind, model_.Caption(id));
                auto* option = static_cast<QRadioButton*>(widget);
                const bool selected = model_.IsSelected(id);
                if (option->isChecked() != selected) {
                    option->setChecked(selected);
                }
                break;
            }
            case ControlKind::CheckBox: {
                qt::SetControlCaption(widget, entry.kind, model_.Caption(id));
                auto* check = static_cast<QCheckBox*>(widget);
                const bool checked = model_.CheckValue(id) == 1;
                if (check->isChecked() != checked) {
                    check->setChecked(checked);
                }
                break;
            }
            case ControlKind::TextBox:
                RenderTextBox(id);
                break;
            case ControlKind::OutputBox:
                RenderOutput();
                break;
            case ControlKind::DropDownList: {
                auto* list = static_cast<QComboBox*>(widget);
                const MainWindowState& window = model_.window;
                bool same = list->count() == static_cast<int>(window.languageEntries.size());
                for (int i = 0; same && i < list->count(); ++i) {
                    same = list->itemText(i) ==
                           qt::ToQt(window.languageEntries[static_cast<size_t>(i)]);
                }
                if (!same) {
                    list->clear();
                    for (size_t i = 0; i < window.languageEntries.size(); ++i) {
                        list->addItem(qt::ToQt(window.languageEntries[i]),
                                      static_cast<int>(window.languageCodes[i]));
                    }
                }
                if (list->currentIndex() != window.languageIndex) {
                    list->setCurrentIndex(window.languageIndex);
                }
                break;
            }
            case ControlKind::Frame:
            case ControlKind::Spinner:
            case ControlKind::ListBox:
                break;
        }
    }
    // The month window's captions follow the language.
    secondary_.Render();
    RenderFocus();
}

void frmMain::RenderTextBox(MainWindowControl id) {
    auto* edit = static_cast<QLineEdit*>(control(id));
    const TextBoxState& box = *model_.TextBox(id);
    const QString text = qt::ToQt(box.text);
    if (edit->text() != text) {
        if (id == C::txbDateDiff) {
            // Never below the text's own length: a shorter limit would cut it.
            edit->setMaxLength(std::max(kDateDiffMaxLength, static_cast<int>(text.size())));
        }
        edit->setText(text);
    }
    const ByteRange range = SelectionOf(box);
    const int from = DisplayIndexOfByte(box.text, range.from);
    const int to = DisplayIndexOfByte(box.text, range.to);
    if (to > from) {
        if (edit->selectionStart() != from || edit->selectionLength() != to - from) {
            edit->setSelection(from, to - from);
        }
    } else if (edit->hasSelectedText() || edit->cursorPosition() != from) {
        edit->setCursorPosition(from);
    }
}

void frmMain::RenderOutput() {
    auto* output = static_cast<qt::OutputTextBox*>(control(C::txbOutput));
    const TextBoxState& box = model_.form.txbOutput;
    const QString text = qt::ToQt(box.text);
    bool changed = false;
    if (output->toPlainText() != text) {
        output->setPlainText(text);
        changed = true;
    }
    const ByteRange range = SelectionOf(box);
    const int from = DisplayIndexOfByte(box.text, range.from);
    const int to = DisplayIndexOfByte(box.text, range.to);
    QTextCursor cursor = output->textCursor();
    if (changed || cursor.selectionStart() != from || cursor.selectionEnd() != to) {
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        output->setTextCursor(cursor);
        // Setting the caret brings it into view, as the newest report is.
        output->ensureCursorVisible();
    }
}

void frmMain::RenderFocus() {
    const C id = ControlOfFocus(model_.form.focus);
    if (id == C::frmMain) {
        return;
    }
    QWidget* target = control(id);
    if (focusWidget() != target || !target->hasFocus()) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    // What the user typed last is saved too.
    PullFromWidgets();
    model_.cmdQuit_Click();
    event->accept();
    endProgram();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    C field = C::frmMain;
    for (const C id : kInputFields) {
        if (watched == control(id)) {
            field = id;
        }
    }
    int keyAscii = qt::KeyAsciiOf(*static_cast<QKeyEvent*>(event));
    if (field == C::frmMain || keyAscii < 0) {
        return QWidget::eventFilter(watched, event);
    }
    PullFromWidgets();
    if (field == C::txbDateDiff) {
        model_.txbDateDiff_KeyPress(keyAscii);
    } else {
        model_.txbDate_KeyPress(field == C::txbFirstDate ? DateField::First : DateField::Second,
                                keyAscii);
    }
    if (keyAscii == 0) {
        Render();
        return true;
    }
    return false;
}

}  // namespace tembrel
