// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/version.h"
#include "console/vcd_writer.h"
#include "instrument/instrument.h"

namespace helio {

/// The waveform recording the maintainer asked for (--vcd), written while it lives.
class vcd_sink {
  public:
    vcd_sink(const std::optional<std::string>& path, instrument& device) {
        if (!path) {
            return;
        }
        file_ = std::make_unique<std::ofstream>(*path, std::ios::out | std::ios::trunc);
        if (!*file_) {
            throw std::runtime_error("cannot open VCD file " + *path);
        }
        const std::string version = version_text();
        writer_.emplace(*file_, device,
                        vcd_header{.program = version.substr(0, version.find('\n')),
                                   .date = universal_time_now()});
    }

    vcd_sink(const vcd_sink&) = delete;
    vcd_sink& operator=(const vcd_sink&) = delete;

  private:
    static std::string universal_time_now() {
        const std::time_t now = std::time(nullptr);
        char text[32] = {};
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", std::gmtime(&now));
        return text;
    }

    std::unique_ptr<std::ofstream> file_;
    std::optional<vcd_writer> writer_;
};

}  // namespace helio
