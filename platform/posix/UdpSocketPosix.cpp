// UDP sockets on POSIX systems. Readiness is level-triggered: poll() says
// whether a datagram is queued, so there is nothing to reset.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "../UdpSocket.h"

namespace platform {
namespace {

sockaddr_in ToSockaddr(const Endpoint& endpoint) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = endpoint.address;
  address.sin_port = htons(endpoint.port);
  return address;
}

int PollTimeout(uint32_t ms) {
  if (ms == kWaitForever) return -1;
  return static_cast<int>(ms > 0x7FFFFFFFu ? 0x7FFFFFFFu : ms);
}

// poll() that resumes after signals; the result of the last call.
int PollRetrying(pollfd* entries, nfds_t count, uint32_t ms) {
  for (;;) {
    const int ready = poll(entries, count, PollTimeout(ms));
    if (ready >= 0 || errno != EINTR) return ready;
  }
}

}  // namespace

CUdpSocket::CUdpSocket() : m_socket(-1), m_readiness(-1) {}

CUdpSocket::~CUdpSocket() { Close(); }

bool CUdpSocket::Open(Endpoint local) {
  Close();
  const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const sockaddr_in address = ToSockaddr(local);
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return false;
  }
  m_socket = fd;
  return true;
}

void CUdpSocket::Close() {
  if (m_socket >= 0) close(static_cast<int>(m_socket));
  m_socket = -1;
}

bool CUdpSocket::IsOpen() const { return m_socket >= 0; }

uint16_t CUdpSocket::LocalPort() const {
  if (!IsOpen()) return 0;
  sockaddr_in address{};
  socklen_t length = sizeof address;
  if (getsockname(static_cast<int>(m_socket), reinterpret_cast<sockaddr*>(&address), &length) != 0)
    return 0;
  return ntohs(address.sin_port);
}

bool CUdpSocket::SendTo(const void* data, size_t size, const Endpoint& to) {
  if (!IsOpen()) return false;
  const sockaddr_in address = ToSockaddr(to);
  return sendto(static_cast<int>(m_socket), data, size, 0,
                reinterpret_cast<const sockaddr*>(&address),
                sizeof address) == static_cast<ssize_t>(size);
}

int CUdpSocket::ReceiveFrom(void* buffer, size_t size, Endpoint* from) {
  if (!IsOpen()) return -1;
  sockaddr_in address{};
  socklen_t length = sizeof address;
  const ssize_t received = recvfrom(static_cast<int>(m_socket), buffer, size, MSG_TRUNC,
                                    reinterpret_cast<sockaddr*>(&address), &length);
  if (received < 0) return -1;
  if (from) {
    from->address = address.sin_addr.s_addr;
    from->port = ntohs(address.sin_port);
  }
  // With MSG_TRUNC an oversized datagram reports its real length.
  return static_cast<int>(received);
}

bool CUdpSocket::IsReadable() { return WaitReadable(0); }

void CUdpSocket::ResetReadiness() {}

CUdpSocket::WaitResult CUdpSocket::WaitReadableOrWoken(const CManualResetEvent& wake, uint32_t ms) {
  // A closed socket (-1) is ignored by poll(), so only the event can end
  // the wait early.
  pollfd entries[2] = {{static_cast<int>(m_socket), POLLIN, 0},
                       {static_cast<int>(wake.NativeHandle()), POLLIN, 0}};
  const int ready = PollRetrying(entries, 2, ms);
  if (ready == 0) return WaitResult::TimedOut;
  // A failed wait goes on as readable: the receive that follows reports it.
  if (ready < 0 || entries[0].revents != 0) return WaitResult::Readable;
  return WaitResult::Woken;
}

bool CUdpSocket::WaitReadable(uint32_t ms) {
  if (!IsOpen()) return false;
  pollfd entry{static_cast<int>(m_socket), POLLIN, 0};
  return PollRetrying(&entry, 1, ms) > 0;
}

}  // namespace platform
