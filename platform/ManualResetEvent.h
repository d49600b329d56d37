// A manual-reset event: stays signalled until it is reset, and can be
// waited for together with a socket (see UdpSocket.h).
#ifndef PLATFORM_MANUALRESETEVENT_H
#define PLATFORM_MANUALRESETEVENT_H

#include <cstdint>

namespace platform {

constexpr uint32_t kWaitForever = 0xFFFFFFFFu;

class CManualResetEvent {
 public:
  CManualResetEvent();  // not signalled
  ~CManualResetEvent();
  CManualResetEvent(const CManualResetEvent&) = delete;
  CManualResetEvent& operator=(const CManualResetEvent&) = delete;

  bool IsValid() const;
  void Set();
  void Reset();
  bool IsSet() const;
  // True when the event is (or becomes) signalled within ms milliseconds;
  // kWaitForever waits without limit.
  bool Wait(uint32_t ms) const;

  // The OS object (a HANDLE on Windows, a file descriptor elsewhere), for
  // the combined waits of the socket backend.
  intptr_t NativeHandle() const { return m_native; }

 private:
  intptr_t m_native;
};

}  // namespace platform

#endif
