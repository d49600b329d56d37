// Name lookup through getaddrinfo (thread-safe, unlike gethostbyname).
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include "../NameResolver.h"

namespace platform {
namespace {

class CPosixResolver : public INameResolver {
 public:
  bool Resolve(const std::string& host, uint32_t* address) override {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
    *address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return true;
  }
};

}  // namespace

INameResolver& SystemResolver() {
  static CPosixResolver resolver;
  return resolver;
}

uint32_t ParseDottedAddress(const char* text) { return inet_addr(text); }

uint32_t LoopbackAddress() { return htonl(INADDR_LOOPBACK); }

}  // namespace platform
