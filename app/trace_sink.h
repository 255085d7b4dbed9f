// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "console/form1_model.h"
#include "console/trace_writer.h"
#include "ttl/ttl_lines.h"

namespace helio {

/// The trace the maintainer asked for, attached to the lines and the log while it lives.
class trace_sink {
  public:
    trace_sink(const std::optional<std::string>& path, ttl_lines& lines, form1_model& model)
        : lines_(lines), model_(model) {
        if (!path) {
            return;
        }
        std::ostream* out = &std::cerr;
        if (*path != "-") {
            file_ = std::make_unique<std::ofstream>(*path, std::ios::out | std::ios::trunc);
            if (!*file_) {
                throw std::runtime_error("cannot open trace file " + *path);
            }
            out = file_.get();
        }
        writer_.emplace(*out);
        lines_.add_observer(*writer_);
        model_.add_log_observer(*writer_);
        model_.add_failure_observer(*writer_);
    }

    ~trace_sink() {
        if (writer_) {
            model_.remove_failure_observer(*writer_);
            lines_.remove_observer(*writer_);
            model_.remove_log_observer(*writer_);
        }
    }

    trace_sink(const trace_sink&) = delete;
    trace_sink& operator=(const trace_sink&) = delete;

  private:
    ttl_lines& lines_;
    form1_model& model_;
    std::unique_ptr<std::ofstream> file_;
    std::optional<trace_writer> writer_;
};

}  // namespace helio
