// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "console/trace_writer.h"
#include "instrument/instrument.h"

namespace helio {

/// The trace the maintainer asked for (--trace), written while it lives.
class trace_sink {
  public:
    trace_sink(const std::optional<std::string>& path, instrument& device) {
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
        writer_.emplace(*out, device);
    }

    trace_sink(const trace_sink&) = delete;
    trace_sink& operator=(const trace_sink&) = delete;

  private:
    std::unique_ptr<std::ofstream> file_;
    std::optional<trace_writer> writer_;
};

}  // namespace helio
