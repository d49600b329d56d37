// One UDP/IPv4 socket with a readiness signal: "a datagram can be read".
// Waiting covers the socket and a wake event together, with a time-out.
#ifndef PLATFORM_UDPSOCKET_H
#define PLATFORM_UDPSOCKET_H

#include <cstddef>
#include <cstdint>

#include "ManualResetEvent.h"

namespace platform {

struct Endpoint {
  uint32_t address = 0;  // network byte order
  uint16_t port = 0;     // host byte order
};

inline bool operator==(const Endpoint& a, const Endpoint& b) {
  return a.address == b.address && a.port == b.port;
}

class CUdpSocket {
 public:
  CUdpSocket();  // closed
  ~CUdpSocket();
  CUdpSocket(const CUdpSocket&) = delete;
  CUdpSocket& operator=(const CUdpSocket&) = delete;

  // Opens a socket bound to local (address 0 = any, port 0 = any free
  // port), with reads that never block. False, and closed, on failure.
  bool Open(Endpoint local = Endpoint());
  void Close();
  bool IsOpen() const;
  // The bound local port, 0 when closed.
  uint16_t LocalPort() const;

  // Sends one datagram; false when the system refused it.
  bool SendTo(const void* data, size_t size, const Endpoint& to);
  // Receives one datagram into buffer (cut to size): its length (more than
  // size when it was cut), or -1 on error or when nothing is queued. from
  // may be null.
  int ReceiveFrom(void* buffer, size_t size, Endpoint* from);

  // Whether a datagram can be read now; and forgetting that it could (a
  // manual-reset signal on Windows; level-triggered elsewhere).
  bool IsReadable();
  void ResetReadiness();

  enum class WaitResult { Readable, Woken, TimedOut };
  // Waits up to ms for a readable datagram or the wake event; when both
  // are ready at once, the socket wins. A closed socket is never readable;
  // a wait that fails answers Readable, so the receive reports the error.
  WaitResult WaitReadableOrWoken(const CManualResetEvent& wake, uint32_t ms);
  // Waits up to ms for a readable datagram alone.
  bool WaitReadable(uint32_t ms);

 private:
  intptr_t m_socket;
  intptr_t m_readiness;  // Windows: the event bound to the socket
  bool m_libraryStarted = false;
};

}  // namespace platform

#endif
