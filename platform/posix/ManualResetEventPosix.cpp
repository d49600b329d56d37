// Manual-reset events as eventfd descriptors: readable while signalled, so
// poll() can wait for one together with a socket.
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

#include "../ManualResetEvent.h"

namespace platform {

CManualResetEvent::CManualResetEvent() : m_native(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

CManualResetEvent::~CManualResetEvent() {
  if (m_native >= 0) close(static_cast<int>(m_native));
}

bool CManualResetEvent::IsValid() const { return m_native >= 0; }

void CManualResetEvent::Set() {
  // The counter only grows, so the descriptor stays readable until Reset.
  const uint64_t one = 1;
  if (m_native >= 0) (void)!write(static_cast<int>(m_native), &one, sizeof one);
}

void CManualResetEvent::Reset() {
  uint64_t count = 0;
  if (m_native >= 0) (void)!read(static_cast<int>(m_native), &count, sizeof count);
}

bool CManualResetEvent::IsSet() const { return Wait(0); }

bool CManualResetEvent::Wait(uint32_t ms) const {
  if (m_native < 0) return false;
  pollfd entry{static_cast<int>(m_native), POLLIN, 0};
  const int timeout =
      ms == kWaitForever ? -1 : static_cast<int>(ms > 0x7FFFFFFFu ? 0x7FFFFFFFu : ms);
  for (;;) {
    const int ready = poll(&entry, 1, timeout);
    if (ready >= 0) return ready > 0;
    if (errno != EINTR) return false;
  }
}

}  // namespace platform
