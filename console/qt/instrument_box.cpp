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
#include <algorithm>

#include "console/fault_statuses.h"
#include "console/qt/panel_text.h"

namespace helio {

namespace {

using panel_text::from_utf8;
using panel_text::show_text;

constexpr int box_width = 400;

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

instrument_box::instrument_box(virtual_instrument& instrument, const line_monitor& monitor,
                               QWidget* parent)
    : QGroupBox(QString::fromUtf8("Héliographe virtuel"), parent),
      instrument_(instrument),
      monitor_(monitor) {
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
    form->addRow(QString::fromUtf8("Miroir :"), mirror_);
    form->addRow(QString::fromUtf8("Lames :"), blades_);
    form->addRow(QString::fromUtf8("Poussoir :"), pusher_);
    sighting_button_ =
        named(new QCheckBox(
                  QString::fromUtf8("Bouton de visée de l'opérateur actif (entrée bit 0)"), box),
              "sighting_button");
    connect(sighting_button_, &QCheckBox::toggled, this,
            [this](bool on) { instrument_.set_sighting_button(on); });
    form->addRow(sighting_button_);
    return box;
}

QWidget* instrument_box::create_faults() {
    auto* box = new QGroupBox(QString::fromUtf8("Pannes simulées"), this);
    auto* layout = new QVBoxLayout(box);
    mirror_stuck_ = named(new QCheckBox(QString::fromUtf8("Miroir bloqué"), box), "mirror_stuck");
    blades_stuck_ = named(new QCheckBox(QString::fromUtf8("Lames bloquées"), box), "blades_stuck");
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
    layout->addWidget(
        new QLabel(QString::fromUtf8("Le prochain accès au port échoue avec :"), box));
    fault_status_ = named(new QComboBox(box), "fault_status");
    fault_status_->setEditable(true);
    fault_status_->setInsertPolicy(QComboBox::NoInsert);
    for (const named_status& status : fault_statuses) {
        fault_status_->addItem(from_utf8(status_choice_text(status)));
    }
    fault_status_->setToolTip(QString::fromUtf8("Choisissez un code ou tapez-le en hexadécimal"));
    connect(fault_status_, &QComboBox::editTextChanged, this, [this] { entry_problem_.clear(); });
    layout->addWidget(fault_status_);

    auto* arm = named(new QPushButton(QString::fromUtf8("Armer"), box), "arm_fault");
    auto* cancel = named(new QPushButton(QString::fromUtf8("Désarmer"), box), "cancel_fault");
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
    travel_speed_->setToolTip(QString::fromUtf8(
        "Nominale : miroir 1,5 s d'une position à l'autre ; lames 20 ms par code"));
    form->addRow(QString::fromUtf8("Vitesse des mécanismes :"), travel_speed_);
    return box;
}

QWidget* instrument_box::create_violations() {
    auto* box = new QGroupBox(QString::fromUtf8("Violations du protocole"), this);
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
        entry_problem_ = QString::fromUtf8(
            "Code non reconnu : choisissez-en un dans la liste ou tapez un code d'échec en "
            "hexadécimal (0x8…).");
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
    QString armed = entry_problem_;
    if (armed.isEmpty()) {
        armed = state.armed_fault ? QString::fromUtf8("Armée : le prochain accès échouera avec ") +
                                        from_utf8(status_hex(*state.armed_fault)) + "."
                                  : QString::fromUtf8("Aucune panne d'accès armée.");
    }
    show_text(armed_fault_, armed);
}

void instrument_box::show_switches(const instrument_snapshot& state) {
    const QSignalBlocker a(sighting_button_), b(mirror_stuck_), c(blades_stuck_), d(travel_speed_);
    sighting_button_->setChecked(state.sighting_button);
    mirror_stuck_->setChecked(state.mirror_stuck);
    blades_stuck_->setChecked(state.blades_stuck);
    const auto choice =
        std::ranges::find(travel_choices, state.travel_scale, &travel_choice::scale);
    if (choice != travel_choices.end()) {
        travel_speed_->setCurrentIndex(static_cast<int>(choice - travel_choices.begin()));
    }
}

void instrument_box::show_new_violations() {
    const std::uint64_t seen = instrument_.violations_seen();
    const auto& kept = instrument_.violations();
    const auto fresh = std::min<std::uint64_t>(seen - violations_shown_, kept.size());
    for (auto it = kept.end() - static_cast<std::ptrdiff_t>(fresh); it != kept.end(); ++it) {
        auto* item = new QListWidgetItem(
            from_utf8(violation_line(*it, monitor_.origin(), monitor_.decimal_separator())));
        item->setForeground(Qt::darkRed);
        violations_->addItem(item);
    }
    while (violations_->count() > static_cast<int>(virtual_instrument::kept_violations)) {
        delete violations_->takeItem(0);
    }
    if (fresh > 0) {
        violations_->scrollToBottom();
    }
    violations_shown_ = seen;
    show_text(violation_count_,
              seen == 0 ? QString::fromUtf8("Aucune violation.")
                        : QString::fromUtf8("%1 violation(s) depuis le démarrage.").arg(seen));
}

}  // namespace helio
