// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

#include "console/panel_presenter.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace helio {

class line_list;

/// The simulated heliograph on the panel, drawn from the presenter: where its mechanisms
/// are, the operator's sighting button, the fault switches, the travel speed and the
/// protocol's breaches; every switch is forwarded to the presenter. Controls are named
/// (objectName) after what they steer, for the tests and for accessibility tools.
class instrument_box final : public QGroupBox {
    Q_OBJECT

  public:
    explicit instrument_box(panel_presenter& presenter, QWidget* parent = nullptr);

    void draw(const instrument_state& state, const list_changes& violations);

  signals:
    /// The maintainer changed something: the panel draws it at once.
    void changed();

  private:
    QWidget* create_state();
    QWidget* create_faults();
    QWidget* create_access_fault(QWidget* parent);
    QWidget* create_violations();
    QCheckBox* switch_box(std::string_view caption, const char* name, QWidget* parent,
                          void (panel_presenter::*steer)(bool));

    panel_presenter& presenter_;
    QLabel* mirror_ = nullptr;
    QLabel* blades_ = nullptr;
    QLabel* pusher_ = nullptr;
    QCheckBox* sighting_button_ = nullptr;
    QCheckBox* mirror_stuck_ = nullptr;
    QCheckBox* blades_stuck_ = nullptr;
    QComboBox* fault_status_ = nullptr;
    QLabel* armed_fault_ = nullptr;
    QComboBox* travel_speed_ = nullptr;
    QLabel* violation_count_ = nullptr;
    line_list* violations_ = nullptr;
};

}  // namespace helio
