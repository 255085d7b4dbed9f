// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "standin_state.h"

#include <cstdlib>
#include <string>

namespace {

/// A program run from outside (the console itself) is steered by its environment.
double travel_scale_from_environment() {
    const char* text = std::getenv("HELIO_STANDIN_TRAVEL_SCALE");
    return text == nullptr ? 1.0 : std::strtod(text, nullptr);
}

}  // namespace

standin_state& standin_state::get() {
    static standin_state state;
    return state;
}

standin_state::standin_state() : travel_scale_(travel_scale_from_environment()) {
    reset();
    // The first request for the class object refused with this status, in hexadecimal.
    if (const char* status = std::getenv("HELIO_STANDIN_REFUSE_CLASS_OBJECT")) {
        class_object_refusals = 1;
        class_object_refusal = static_cast<HRESULT>(std::strtoul(status, nullptr, 16));
    }
    if (const char* path = std::getenv("HELIO_STANDIN_JOURNAL")) {
        journal_ = std::fopen(path, "a");
    }
}

void standin_state::reset() {
    controller_ = std::make_unique<helio::sim::heliograph_controller>(time_);
    controller_->set_travel_scale(travel_scale_);
    calls_.clear();
    faults_.clear();
    accesses_ = 0;
    serial_ = 0;
    recording_ = true;
    class_object_refusals = 0;
}

void standin_state::record(const standin_call& call) {
    if (!recording_) {
        return;
    }
    calls_.push_back(call);
    if (journal_ != nullptr) {
        // "<kind> <instance> port <p> value <v> aux <a> type <t>", flushed at once: the
        // console may be stopped at any moment.
        std::fprintf(journal_, "%s %u port %ld value %ld aux %ld type %u\n",
                     standin_kind_name(call.kind), call.instance, call.port, call.value, call.aux,
                     call.type);
        std::fflush(journal_);
    }
}

std::optional<standin_state::fault> standin_state::begin_access() {
    const auto found = faults_.find(++accesses_);
    if (found == faults_.end()) {
        return std::nullopt;
    }
    fault planned = found->second;
    faults_.erase(found);
    return planned;
}

void standin_state::schedule(int accesses_from_now, fault planned) {
    faults_[accesses_ + static_cast<unsigned long>(accesses_from_now)] = std::move(planned);
}
