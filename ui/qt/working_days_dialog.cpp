#include "ui/qt/working_days_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/qt/qt_controls.h"

namespace tembrel {

namespace {

using C = WorkingDaysControl;

// Shows the entries of a model's list in a list widget, the model's line
// selected.
void RenderList(QListWidget* widget, const ListBoxState& list) {
    QStringList entries;
    for (const std::string& entry : list.entries) {
        entries << qt::ToQt(entry);
    }
    QStringList shown;
    for (int row = 0; row < widget->count(); ++row) {
        shown << widget->item(row)->text();
    }
    if (shown != entries) {
        widget->clear();
        widget->addItems(entries);
    }
    if (widget->currentRow() != list.listIndex) {
        widget->setCurrentRow(list.listIndex);
    }
}

}  // namespace

frmWorkingDays::frmWorkingDays(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmWorkingDays"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(qt::Pixels(kWorkingDaysClientWidth), qt::Pixels(kWorkingDaysClientHeight));
    widgets_ = qt::BuildControls(WorkingDaysLayout(), C::frmWorkingDays,
                                 static_cast<QWidget*>(this), palette().color(QPalette::Window));
    static_cast<QPushButton*>(control(C::cmdOK))->setDefault(true);
    chooseFile = [this](const QString& title, const QString& types) {
        return qt::FromQt(QFileDialog::getOpenFileName(this, title, QString(), types));
    };
    Connect();
}

QWidget* frmWorkingDays::control(WorkingDaysControl id) const {
    const auto index = static_cast<size_t>(id);
    return index < widgets_.size() ? widgets_[index] : nullptr;
}

void frmWorkingDays::Connect() {
    for (int day = 0; day < 7; ++day) {
        connect(static_cast<QCheckBox*>(control(WeekdayCheckBox(day))), &QCheckBox::clicked, this,
                [this, day](bool checked) {
                    Run([day, checked](WorkingDaysDialogModel& m) {
                        m.chkWeekday_Click(day, checked);
                    });
                });
    }
    connect(static_cast<QComboBox*>(control(C::cboRegion)), &QComboBox::activated, this,
            [this](int position) {
                Run([position](WorkingDaysDialogModel& m) { m.cboRegion_Click(position); });
            });
    connect(static_cast<QListWidget*>(control(C::lstHolidayFiles)), &QListWidget::currentRowChanged,
            this, [this](int row) {
                Run([row](WorkingDaysDialogModel& m) { m.lstHolidayFiles_Click(row); });
            });
    connect(static_cast<QListWidget*>(control(C::lstWorkdayFiles)), &QListWidget::currentRowChanged,
            this, [this](int row) {
                Run([row](WorkingDaysDialogModel& m) { m.lstWorkdayFiles_Click(row); });
            });
    const auto onClick = [this](C id, std::function<void()> action) {
        connect(static_cast<QPushButton*>(control(id)), &QPushButton::clicked, this,
                std::move(action));
    };
    onClick(C::cmdAddHolidayFile, [this] {
        const WorkingDaysDialogState& state = model_->form;
        const std::string path =
            chooseFile(qt::ToQt(state.holidayFileChooser),
                       qt::ToQt(state.holidayFileTypes + ";;" + state.allFileTypes));
        Run([&path](WorkingDaysDialogModel& m) { m.AddHolidayFile(path); });
    });
    onClick(C::cmdAddWorkdayFile, [this] {
        const WorkingDaysDialogState& state = model_->form;
        const std::string path =
            chooseFile(qt::ToQt(state.workdayFileChooser), qt::ToQt(state.allFileTypes));
        Run([&path](WorkingDaysDialogModel& m) { m.AddWorkdayFile(path); });
    });
    onClick(C::cmdRemoveHolidayFile,
            [this] { Run([](WorkingDaysDialogModel& m) { m.cmdRemoveHolidayFile_Click(); }); });
    onClick(C::cmdRemoveWorkdayFile,
            [this] { Run([](WorkingDaysDialogModel& m) { m.cmdRemoveWorkdayFile_Click(); }); });
    onClick(C::cmdOK, [this] {
        if (model_->cmdOK_Click()) {
            accept();
        } else {
            Render();
        }
    });
    onClick(C::cmdCancel, [this] { reject(); });
}

void frmWorkingDays::Run(const std::function<void(WorkingDaysDialogModel&)>& handler) {
    if (model_ != nullptr) {
        handler(*model_);
        Render();
    }
}

void frmWorkingDays::Render() {
    const WorkingDaysDialogState& state = model_->form;
    setWindowTitle(qt::ToQt(model_->Caption(C::frmWorkingDays)));
    for (const WorkingDaysEntry& entry : WorkingDaysLayout()) {
        QWidget* widget = control(entry.id);
        const QSignalBlocker blocker(widget);
        qt::SetControlCaption(widget, entry.kind, model_->Caption(entry.id));
        widget->setEnabled(model_->IsEnabled(entry.id));
    }
    for (int day = 0; day < 7; ++day) {
        auto* box = static_cast<QCheckBox*>(control(WeekdayCheckBox(day)));
        const QSignalBlocker blocker(box);
        box->setChecked(state.weekend[static_cast<size_t>(day)]);
    }
    auto* regions = static_cast<QComboBox*>(control(C::cboRegion));
    {
        const QSignalBlocker blocker(regions);
        if (regions->count() != static_cast<int>(state.regionEntries.size())) {
            regions->clear();
            for (const std::string& entry : state.regionEntries) {
                regions->addItem(qt::ToQt(entry));
            }
        }
        regions->setCurrentIndex(state.regionIndex);
    }
    for (const auto& [id, list] : {std::pair{C::lstHolidayFiles, &state.holidayFiles},
                                   std::pair{C::lstWorkdayFiles, &state.workdayFiles}}) {
        auto* widget = static_cast<QListWidget*>(control(id));
        const QSignalBlocker blocker(widget);
        RenderList(widget, *list);
    }
}

void frmWorkingDays::Edit(WorkingDaysDialogModel& model) {
    model_ = &model;
    Render();
    control(C::chkWeekday0)->setFocus();
    exec();
    model_ = nullptr;
}

}  // namespace tembrel
