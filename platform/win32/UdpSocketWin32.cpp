// UDP sockets through Windows Sockets 2. The readiness signal is a
// manual-reset event bound to the socket's read readiness with
// WSAEventSelect (which also makes the socket non-blocking); waits use
// WaitForMultipleObjects with the socket's event first, so it wins when
// both are signalled.
#include <winsock2.h>

#include "../UdpSocket.h"

namespace platform {
namespace {

SOCKET Socket(intptr_t native) { return static_cast<SOCKET>(native); }
HANDLE Event(intptr_t native) { return reinterpret_cast<HANDLE>(native); }

sockaddr_in ToSockaddr(const Endpoint& endpoint) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = endpoint.address;
  address.sin_port = htons(endpoint.port);
  return address;
}

}  // namespace

CUdpSocket::CUdpSocket()
    : m_socket(static_cast<intptr_t>(INVALID_SOCKET)),
      m_readiness(reinterpret_cast<intptr_t>(CreateEventA(nullptr, TRUE, FALSE, nullptr))) {}

CUdpSocket::~CUdpSocket() {
  Close();
  if (m_readiness) CloseHandle(Event(m_readiness));
}

bool CUdpSocket::Open(Endpoint local) {
  Close();
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 0), &data) != 0) return false;
  m_libraryStarted = true;
  if (LOBYTE(data.wVersion) != 2) {
    Close();
    return false;
  }
  SOCKET fd = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (fd == INVALID_SOCKET) {
    Close();
    return false;
  }
  m_socket = static_cast<intptr_t>(fd);
  const sockaddr_in address = ToSockaddr(local);
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || !m_readiness ||
      WSAEventSelect(fd, Event(m_readiness), FD_READ) != 0) {
    Close();
    return false;
  }
  return true;
}

void CUdpSocket::Close() {
  if (Socket(m_socket) != INVALID_SOCKET) closesocket(Socket(m_socket));
  m_socket = static_cast<intptr_t>(INVALID_SOCKET);
  if (m_libraryStarted) WSACleanup();
  m_libraryStarted = false;
  if (m_readiness) ResetEvent(Event(m_readiness));
}

bool CUdpSocket::IsOpen() const { return Socket(m_socket) != INVALID_SOCKET; }

uint16_t CUdpSocket::LocalPort() const {
  if (!IsOpen()) return 0;
  sockaddr_in address{};
  int length = sizeof address;
  if (getsockname(Socket(m_socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  return ntohs(address.sin_port);
}

bool CUdpSocket::SendTo(const void* data, size_t size, const Endpoint& to) {
  if (!IsOpen()) return false;
  const sockaddr_in address = ToSockaddr(to);
  return sendto(Socket(m_socket), static_cast<const char*>(data), static_cast<int>(size), 0,
                reinterpret_cast<const sockaddr*>(&address),
                sizeof address) == static_cast<int>(size);
}

int CUdpSocket::ReceiveFrom(void* buffer, size_t size, Endpoint* from) {
  if (!IsOpen()) return -1;
  sockaddr_in address{};
  int length = sizeof address;
  int received = recvfrom(Socket(m_socket), static_cast<char*>(buffer), static_cast<int>(size), 0,
                          reinterpret_cast<sockaddr*>(&address), &length);
  if (received == SOCKET_ERROR) {
    // A datagram longer than the buffer arrives cut, flagged as an error.
    if (WSAGetLastError() != WSAEMSGSIZE) return -1;
    received = static_cast<int>(size) + 1;
  }
  if (from) {
    from->address = address.sin_addr.s_addr;
    from->port = ntohs(address.sin_port);
  }
  return received;
}

bool CUdpSocket::IsReadable() { return WaitReadable(0); }

void CUdpSocket::ResetReadiness() {
  if (m_readiness) ResetEvent(Event(m_readiness));
}

CUdpSocket::WaitResult CUdpSocket::WaitReadableOrWoken(const CManualResetEvent& wake, uint32_t ms) {
  const HANDLE handles[2] = {Event(m_readiness), reinterpret_cast<HANDLE>(wake.NativeHandle())};
  switch (WaitForMultipleObjects(2, handles, FALSE, ms)) {
    case WAIT_OBJECT_0:
      return WaitResult::Readable;
    case WAIT_OBJECT_0 + 1:
      return WaitResult::Woken;
    case WAIT_TIMEOUT:
      return WaitResult::TimedOut;
    default:  // a failed wait: the receive that follows reports the error
      return WaitResult::Readable;
  }
}

bool CUdpSocket::WaitReadable(uint32_t ms) {
  return IsOpen() && WaitForSingleObject(Event(m_readiness), ms) == WAIT_OBJECT_0;
}

}  // namespace platform
