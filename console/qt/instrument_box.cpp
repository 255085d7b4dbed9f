// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/instrument_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "console/panel_texts.h"
#include "console/qt/line_list.h"
#include "console/qt/panel_text.h"

namespace helio {

namespace {

using panel_text::from_utf8;
using panel_text::show_text;
namespace captions = panel_captions;

constexpr int violation_lines_in_sight = 6;
constexpr int status_entry_characters = 24;

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QComboBox* choices(const std::vector<std::string>& lines, const char* name, QWidget* parent) {
    auto* combo = named(new QComboBox(parent), name);
    for (const std::string& line : lines) {
        combo->addItem(from_utf8(line));
    }
    return combo;
}

}  // namespace

instrument_box::instrument_box(panel_presenter& presenter, QWidget* parent)
    : QGroupBox(from_utf8(captions::instrument_box), parent), presenter_(presenter) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(create_state());
    layout->addWidget(create_faults());
    auto* speed = new QFormLayout;
    travel_speed_ = choices(panel_presenter::travel_speeds(), "travel_speed", this);
    travel_speed_->setToolTip(from_utf8(captions::speed_tip));
    connect(travel_speed_, &QComboBox::currentIndexChanged, this, [this](int index) {
        presenter_.choose_travel_speed(static_cast<std::size_t>(index));
        emit changed();
    });
    speed->addRow(from_utf8(captions::speed_row), travel_speed_);
    layout->addLayout(speed);
    layout->addWidget(create_violations(), 1);
}

QCheckBox* instrument_box::switch_box(std::string_view caption, const char* name, QWidget* parent,
                                      void (panel_presenter::*steer)(bool)) {
    auto* box = named(new QCheckBox(from_utf8(caption), parent), name);
    connect(box, &QCheckBox::toggled, this, [this, steer](bool on) {
        (presenter_.*steer)(on);
        emit changed();
    });
    return box;
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
    sighting_button_ = switch_box(captions::sighting_button, "sighting_button", box,
                                  &panel_presenter::set_sighting_button);
    form->addRow(sighting_button_);
    return box;
}

QWidget* instrument_box::create_faults() {
    auto* box = new QGroupBox(from_utf8(captions::faults_box), this);
    auto* layout = new QVBoxLayout(box);
    mirror_stuck_ =
        switch_box(captions::mirror_stuck, "mirror_stuck", box, &panel_presenter::set_mirror_stuck);
    blades_stuck_ =
        switch_box(captions::blades_stuck, "blades_stuck", box, &panel_presenter::set_blades_stuck);
    layout->addWidget(mirror_stuck_);
    layout->addWidget(blades_stuck_);
    layout->addWidget(create_access_fault(box));
    return box;
}

QWidget* instrument_box::create_access_fault(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* prompt = new QLabel(from_utf8(captions::access_fault_prompt), box);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    fault_status_ = choices(panel_presenter::fault_choices(), "fault_status", box);
    fault_status_->setEditable(true);
    fault_status_->setInsertPolicy(QComboBox::NoInsert);
    fault_status_->setCurrentIndex(static_cast<int>(panel_presenter::first_fault_choice));
    // The list's lines are long: the entry shows their start, the list opens wider.
    fault_status_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fault_status_->setMinimumContentsLength(status_entry_characters);
    fault_status_->setToolTip(from_utf8(captions::fault_status_tip));
    connect(fault_status_, &QComboBox::editTextChanged, this,
            [this] { presenter_.fault_entry_changed(); });
    layout->addWidget(fault_status_);

    auto* arm = named(new QPushButton(from_utf8(captions::arm_fault), box), "arm_fault");
    auto* cancel = named(new QPushButton(from_utf8(captions::cancel_fault), box), "cancel_fault");
    connect(arm, &QPushButton::clicked, this, [this] {
        presenter_.arm_fault(fault_status_->currentText().toStdString());
        emit changed();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        presenter_.cancel_fault();
        emit changed();
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

QWidget* instrument_box::create_violations() {
    auto* box = new QGroupBox(from_utf8(captions::violations_box), this);
    auto* layout = new QVBoxLayout(box);
    violation_count_ = named(new QLabel(box), "violation_count");
    violations_ = named(new line_list(violation_lines_in_sight, box), "violations");
    QPalette colours = violations_->palette();
    colours.setColor(QPalette::Text, panel_text::from_rgb(panel_colours::violation));
    violations_->setPalette(colours);
    layout->addWidget(violation_count_);
    layout->addWidget(violations_, 1);
    return box;
}

void instrument_box::draw(const instrument_state& state, const list_changes& violations) {
    show_text(mirror_, from_utf8(state.mirror));
    show_text(blades_, from_utf8(state.blades));
    show_text(pusher_, from_utf8(state.pusher));
    show_text(armed_fault_, from_utf8(state.armed_fault));
    show_text(violation_count_, from_utf8(state.violation_count));
    const QSignalBlocker a(sighting_button_), b(mirror_stuck_), c(blades_stuck_), d(travel_speed_);
    sighting_button_->setChecked(state.sighting_button);
    mirror_stuck_->setChecked(state.mirror_stuck);
    blades_stuck_->setChecked(state.blades_stuck);
    if (state.travel_speed) {
        travel_speed_->setCurrentIndex(static_cast<int>(*state.travel_speed));
    }
    violations_->show_changes(violations);
}

}  // namespace helio
