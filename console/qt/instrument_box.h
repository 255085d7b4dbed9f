// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include "console/line_monitor.h"
#include "console/panel_followers.h"
#include "console/virtual_instrument.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace helio {

/// The simulated heliograph on the panel: where its mechanisms are, the operator's
/// sighting button, the fault switches, the travel speed and the protocol's breaches.
/// Its controls steer the simulation only; none of them touches the port. Controls are
/// named (objectName) after what they steer, for the tests and for accessibility tools.
class instrument_box final : public QGroupBox {
    Q_OBJECT

  public:
    instrument_box(virtual_instrument& instrument, const line_monitor& monitor,
                   QWidget* parent = nullptr);

    void refresh();

  private:
    QWidget* create_state();
    QWidget* create_faults();
    QWidget* create_access_fault(QWidget* parent);
    QWidget* create_speed();
    QWidget* create_violations();
    void arm_fault();
    void show_state(const instrument_snapshot& state);
    void show_switches(const instrument_snapshot& state);
    void show_new_violations();

    virtual_instrument& instrument_;
    const line_monitor& monitor_;
    QLabel* mirror_ = nullptr;
    QLabel* blades_ = nullptr;
    QLabel* pusher_ = nullptr;
    QCheckBox* sighting_button_ = nullptr;
    QCheckBox* mirror_stuck_ = nullptr;
    QCheckBox* blades_stuck_ = nullptr;
    QComboBox* fault_status_ = nullptr;
    QLabel* armed_fault_ = nullptr;
    QString entry_problem_;
    QComboBox* travel_speed_ = nullptr;
    QLabel* violation_count_ = nullptr;
    QListWidget* violations_ = nullptr;
    violation_follower violation_lines_;
};

}  // namespace helio
