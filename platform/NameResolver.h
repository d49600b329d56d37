// Host names and dotted IPv4 addresses. Addresses are 32-bit IPv4 in network
// byte order, as they travel in packets; all bits set means "none".
#ifndef PLATFORM_NAMERESOLVER_H
#define PLATFORM_NAMERESOLVER_H

#include <cstdint>
#include <string>

namespace platform {

constexpr uint32_t kNoAddress = 0xFFFFFFFFu;

class INameResolver {
 public:
  virtual ~INameResolver() = default;
  // Looks host up (blocking, for as long as the system resolver takes) and
  // gives its first IPv4 address; false when the name cannot be resolved.
  virtual bool Resolve(const std::string& host, uint32_t* address) = 0;
};

// The system's resolver.
INameResolver& SystemResolver();

// A dotted IPv4 address ("192.0.2.7", and the shorter forms the platform
// accepts) as an address; kNoAddress when the text is not one.
uint32_t ParseDottedAddress(const char* text);

// The loopback address 127.0.0.1 in network byte order.
uint32_t LoopbackAddress();

}  // namespace platform

#endif
