// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/trace_writer.h"

#include <algorithm>

namespace helio {

trace_writer::trace_writer(std::ostream& out, form1_model& model) : out_(out), model_(model) {
    model_.context().port.add_observer(*this);
    model_.add_log_observer(*this);
    model_.add_command_observer(*this);
    model_.add_failure_observer(*this);
}

trace_writer::~trace_writer() {
    model_.remove_failure_observer(*this);
    model_.remove_command_observer(*this);
    model_.remove_log_observer(*this);
    model_.context().port.remove_observer(*this);
    end_run();
}

void trace_writer::output_written(std::int32_t value) {
    end_run();
    write_line('W', std::to_string(value));
}

void trace_writer::input_read(std::int32_t input_byte) {
    if (run_ && run_->input_byte == input_byte) {
        ++run_->count;
        return;
    }
    end_run();
    run_ = read_run{input_byte, 1};
}

void trace_writer::line_logged(const std::string& text) {
    end_run();
    write_line('L', text);
}

void trace_writer::command_ended(const std::string& /*label*/) {
    end_run();
}

void trace_writer::error_reported(const std::string& message) {
    end_run();
    std::string line = message;
    std::ranges::replace(line, '\n', ' ');
    write_line('E', line);
}

void trace_writer::end_run() {
    if (!run_) {
        return;
    }
    std::string text = std::to_string(run_->input_byte);
    if (run_->count > 1) {
        text += ' ' + std::to_string(run_->count);
    }
    run_.reset();
    write_line('R', text);
}

void trace_writer::write_line(char tag, const std::string& text) {
    out_ << tag << ' ' << text << std::endl;
}

}  // namespace helio
