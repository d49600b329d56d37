// The channel through which the engine reports: the main window's
// notification message on Windows, a recorder in tests, the console in the
// command-line client.
#ifndef APP_SYNC_NOTIFICATIONSINK_H
#define APP_SYNC_NOTIFICATIONSINK_H

#include <cstdint>

class INotificationSink {
 public:
  virtual ~INotificationSink() = default;
  // Delivers code synchronously and returns the receiver's answer; the
  // caller waits for as long as the receiver takes.
  virtual intptr_t Send(uint32_t code, void* parameter) = 0;
  // Queues code for the receiver and returns at once.
  virtual void Post(uint32_t code) = 0;
};

#endif
