// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// Boost.Asio starts Winsock from a static object in every file that includes it, before
// main: every start of the console would load WS2_32.dll, which it needs only with its Alpaca
// device. Made before those objects, this one tells Asio that the program starts Winsock
// itself, which the device does (network_session); WS2_32.dll, a delay import, is then
// loaded at that first call.
#include <boost/asio/detail/winsock_init.hpp>

namespace {

[[gnu::init_priority(
    101)]] const boost::asio::detail::winsock_init<>::manual winsock_started_by_the_device;

}  // namespace
