// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/datagram_arrival.h"

#include <mswsock.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <boost/system/system_error.hpp>

#include "alpaca/socket_records.h"

namespace helio::alpaca {

namespace {

/// WSARecvMsg is reached through a socket, not linked.
LPFN_WSARECVMSG receive_message_of(SOCKET socket) {
    GUID id = WSAID_WSARECVMSG;
    LPFN_WSARECVMSG function = nullptr;
    DWORD size = 0;
    if (WSAIoctl(socket, SIO_GET_EXTENSION_FUNCTION_POINTER, &id, sizeof id, &function,
                 sizeof function, &size, nullptr, nullptr) != 0) {
        throw boost::system::system_error(WSAGetLastError(), boost::system::system_category(),
                                          "WSARecvMsg");
    }
    return function;
}

}  // namespace

std::optional<received_datagram> next_datagram(boost::asio::ip::udp::socket& socket,
                                               std::span<char> buffer) {
    static const LPFN_WSARECVMSG receive_message = receive_message_of(socket.native_handle());
    for (;;) {
        received_datagram datagram;
        WSABUF part{static_cast<ULONG>(buffer.size()), buffer.data()};
        alignas(WSACMSGHDR) char control[256];
        WSAMSG message{};
        message.name = reinterpret_cast<SOCKADDR*>(datagram.sender.data());
        message.namelen = static_cast<INT>(datagram.sender.capacity());
        message.lpBuffers = &part;
        message.dwBufferCount = 1;
        message.Control = {sizeof control, control};
        DWORD size = 0;
        if (receive_message(socket.native_handle(), &message, &size, nullptr, nullptr) != 0) {
            const int error = WSAGetLastError();
            // A reset tells that an earlier answer found no one at its port; a datagram too
            // long for the buffer is no discovery message. Neither stops the others.
            if (error == WSAECONNRESET || error == WSAEMSGSIZE) {
                continue;
            }
            return std::nullopt;  // nothing waits, or the socket is being closed
        }
        datagram.sender.resize(static_cast<std::size_t>(message.namelen));
        datagram.size = size;
        for (WSACMSGHDR* record = WSA_CMSG_FIRSTHDR(&message); record != nullptr;
             record = WSA_CMSG_NXTHDR(&message, record)) {
            read_arrival_record(record->cmsg_level, record->cmsg_type,
                                reinterpret_cast<const unsigned char*>(WSA_CMSG_DATA(record)),
                                datagram.where);
        }
        return datagram;
    }
}

}  // namespace helio::alpaca
