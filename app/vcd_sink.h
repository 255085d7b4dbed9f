// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/version.h"
#include "console/vcd_writer.h"
#include "instrument/instrument.h"

namespace helio {

/// The waveform recording the maintainer asked for (--vcd), written while it lives; its
/// header names this program's version and the time it began, in UTC.
class vcd_sink {
  public:
    vcd_sink(const std::optional<std::string>& path, instrument& device) {
        if (path) {
            start(*path, device);
        }
    }

    vcd_sink(const vcd_sink&) = delete;
    vcd_sink& operator=(const vcd_sink&) = delete;

  private:
    void start(const std::string& path, instrument& device) {
        file_.open(path, std::ios::out | std::ios::trunc);
        if (!file_) {
            throw std::runtime_error("cannot open VCD file " + path);
        }
        const std::time_t now = std::time(nullptr);
        char began[32] = {};
        std::strftime(began, sizeof began, "%Y-%m-%d %H:%M:%S UTC", std::gmtime(&now));
        const std::string version = version_text();
        writer_.emplace(
            file_, device,
            vcd_header{.program = version.substr(0, version.find('\n')), .date = began});
    }

    std::ofstream file_;
    std::optional<vcd_writer> writer_;  ///< gone before the file, which it flushes
};

}  // namespace helio
