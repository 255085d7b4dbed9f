// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/instrument_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "console/fault_statuses.h"
#include "console/panel_labels.h"
#include "console/panel_texts.h"
#include "console/qt/panel_text.h"

namespace helio {

namespace {

using panel_text::from_rgb;
using panel_text::from_utf8;
using panel_text::show_text;
namespace captions = panel_captions;

constexpr int box_width = 400;

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

instrument_box::instrument_box(virtual_instrument& instrument, const line_monitor& monitor,
                               QWidget* parent)
    : QGroupBox(from_utf8(captions::instrument_box), parent),
      instrument_(instrument),
      monitor_(monitor),
      violation_lines_(instrument, monitor) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(create_state());
    layout->addWidget(create_faults());
    layout->addWidget(create_speed());
    layout->addWidget(create_violations(), 1);
    setFixedWidth(box_width);
    refresh();
}

QWidget* instrument_box::create_state() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    mirror_ = named(new QLabel(box), "mirror_state");
    blades_ = named(new QLabel(box), "blades_state");
    pusher_ = named(new QLabel(box), "pusher_state");
    form->addRow(from_utf8(captions::mirror_row), mirror_);
    form->addRow(from_utf8(captions::blades_row), blades_);
    form->addRow(from_utf8(captions::pusher_row), pusher_);
    sighting_button_ =
        named(new QCheckBox(from_utf8(captions::sighting_button), box), "sighting_button");
    connect(sighting_button_, &QCheckBox::toggled, this,
            [this](bool on) { instrument_.set_sighting_button(on); });
    form->addRow(sighting_button_);
    return box;
}

QWidget* instrument_box::create_faults() {
    auto* box = new QGroupBox(from_utf8(captions::faults_box), this);
    auto* layout = new QVBoxLayout(box);
    mirror_stuck_ = named(new QCheckBox(from_utf8(captions::mirror_stuck), box), "mirror_stuck");
    blades_stuck_ = named(new QCheckBox(from_utf8(captions::blades_stuck), box), "blades_stuck");
    connect(mirror_stuck_, &QCheckBox::toggled, this,
            [this](bool on) { instrument_.set_mirror_stuck(on); });
    connect(blades_stuck_, &QCheckBox::toggled, this,
            [this](bool on) { instrument_.set_blades_stuck(on); });
    layout->addWidget(mirror_stuck_);
    layout->addWidget(blades_stuck_);
    layout->addWidget(create_access_fault(box));
    return box;
}

QWidget* instrument_box::create_access_fault(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(from_utf8(captions::access_fault_prompt), box));
    fault_status_ = named(new QComboBox(box), "fault_status");
    fault_status_->setEditable(true);
    fault_status_->setInsertPolicy(QComboBox::NoInsert);
    for (const named_status& status : fault_statuses) {
        fault_status_->addItem(from_utf8(status_choice_text(status)));
    }
    fault_status_->setToolTip(from_utf8(captions::fault_status_tip));
    connect(fault_status_, &QComboBox::editTextChanged, this, [this] { entry_problem_.clear(); });
    layout->addWidget(fault_status_);

    auto* arm = named(new QPushButton(from_utf8(captions::arm_fault), box), "arm_fault");
    auto* cancel = named(new QPushButton(from_utf8(captions::cancel_fault), box), "cancel_fault");
    connect(arm, &QPushButton::clicked, this, &instrument_box::arm_fault);
    connect(cancel, &QPushButton::clicked, this, [this] {
        instrument_.cancel_fault();
        refresh();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(arm);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    armed_fault_ = named(new QLabel(box), "armed_fault");
    armed_fault_->setWordWrap(true);
    layout->addWidget(armed_fault_);
    return box;
}

QWidget* instrument_box::create_speed() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    travel_speed_ = named(new QComboBox(box), "travel_speed");
    for (const travel_choice& choice : travel_choices) {
        travel_speed_->addItem(from_utf8(choice.label), choice.scale);
    }
    connect(travel_speed_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            instrument_.set_travel_scale(travel_choices[static_cast<std::size_t>(index)].scale);
        }
    });
    travel_speed_->setToolTip(from_utf8(captions::speed_tip));
    form->addRow(from_utf8(captions::speed_row), travel_speed_);
    return box;
}

QWidget* instrument_box::create_violations() {
    auto* box = new QGroupBox(from_utf8(captions::violations_box), this);
    auto* layout = new QVBoxLayout(box);
    violation_count_ = named(new QLabel(box), "violation_count");
    violations_ = named(new QListWidget(box), "violations");
    violations_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(violation_count_);
    layout->addWidget(violations_);
    return box;
}

void instrument_box::arm_fault() {
    const std::optional<status_code> status =
        parse_failure_status(fault_status_->currentText().toStdString());
    if (status) {
        instrument_.fail_next_access(*status);
    } else {
        entry_problem_ = from_utf8(captions::unknown_status);
    }
    refresh();
}

void instrument_box::refresh() {
    const instrument_snapshot state = instrument_.snapshot();
    show_state(state);
    show_switches(state);
    show_new_violations();
}

void instrument_box::show_state(const instrument_snapshot& state) {
    show_text(mirror_, from_utf8(mirror_text(state)));
    show_text(blades_, from_utf8(blades_text(state, monitor_.decimal_separator())));
    show_text(pusher_, from_utf8(pusher_text(state)));
    show_text(armed_fault_,
              entry_problem_.isEmpty() ? from_utf8(armed_fault_text(state)) : entry_problem_);
}

void instrument_box::show_switches(const instrument_snapshot& state) {
    const QSignalBlocker a(sighting_button_), b(mirror_stuck_), c(blades_stuck_), d(travel_speed_);
    sighting_button_->setChecked(state.sighting_button);
    mirror_stuck_->setChecked(state.mirror_stuck);
    blades_stuck_->setChecked(state.blades_stuck);
    if (const auto choice = travel_choice_index(state.travel_scale)) {
        travel_speed_->setCurrentIndex(static_cast<int>(*choice));
    }
}

void instrument_box::show_new_violations() {
    const std::vector<std::string> fresh = violation_lines_.new_lines();
    for (const std::string& line : fresh) {
        auto* item = new QListWidgetItem(from_utf8(line));
        item->setForeground(from_rgb(panel_colours::violation));
        violations_->addItem(item);
    }
    while (violations_->count() > static_cast<int>(virtual_instrument::kept_violations)) {
        delete violations_->takeItem(0);
    }
    if (!fresh.empty()) {
        violations_->scrollToBottom();
    }
    show_text(violation_count_, from_utf8(violation_count_text(instrument_.violations_seen())));
}

}  // namespace helio
