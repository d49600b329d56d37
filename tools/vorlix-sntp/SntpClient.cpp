#include "SntpClient.h"

#include <cstdint>
#include <cstdlib>

#include "ReadOnlyClock.h"
#include "SntpExchange.h"
#include "SyncTexts.h"

namespace {

constexpr const char* kUsage =
    "usage: vorlix-sntp [--port N] [--count K] [--each-try MS] [--total MS] [--ticks] HOST...";

struct Options {
  uint16_t port = 123;
  uint32_t count = 1;
  uint32_t eachTryMs = 2000;
  uint32_t totalMs = 6000;
  bool ticks = false;  // also print offset and round trip in 100-ns ticks
  std::vector<std::string> hosts;
};

// A whole number from 1 to max, or 0 when the text is not one.
uint32_t ParsePositive(const std::string& text, uint32_t max) {
  if (text.empty() || text.size() > 10) return 0;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  return value <= max ? static_cast<uint32_t>(value) : 0;
}

bool ParseOptions(const std::vector<std::string>& arguments, Options& options) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--ticks") {
      options.ticks = true;
      continue;
    }
    if (argument.compare(0, 2, "--") != 0) {
      options.hosts.push_back(argument);
      continue;
    }
    if (i + 1 == arguments.size()) return false;
    const std::string& value = arguments[++i];
    if (argument == "--port") {
      options.port = static_cast<uint16_t>(ParsePositive(value, 65535));
      if (options.port == 0) return false;
    } else if (argument == "--count") {
      if ((options.count = ParsePositive(value, 100000)) == 0) return false;
    } else if (argument == "--each-try") {
      if ((options.eachTryMs = ParsePositive(value, 3600000)) == 0) return false;
    } else if (argument == "--total") {
      if ((options.totalMs = ParsePositive(value, 3600000)) == 0) return false;
    } else {
      return false;
    }
  }
  return !options.hosts.empty();
}

// Never corrects and keeps the outcome for printing.
class CPrintingOwner : public IExchangeOwner {
 public:
  Answer AskAdjust(SyncStatus&) override { return Answer::DoNotCorrect; }
  void Publish(const SyncStatus& status) override { m_status = status; }
  const SyncStatus& status() const { return m_status; }

 private:
  SyncStatus m_status;
};

void PrintExchange(const SyncStatus& status, const Options& options, std::ostream& out) {
  out << status.server << ' ' << FormatDottedAddress(status.address) << " stratum "
      << static_cast<unsigned>(status.reply[ntp::kStratum]) << " ref "
      << FormatReferenceClock(status.reply) << " offset " << FormatOffsetText(status.offset)
      << " round-trip " << FormatDelayText(status.roundTrip);
  if (options.ticks) {
    out << " offset-ticks " << status.offset << " round-trip-ticks " << status.roundTrip;
  }
  out << '\n';
}

}  // namespace

int RunSntpClient(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                  platform::INameResolver& resolver) {
  Options options;
  if (!ParseOptions(arguments, options)) {
    err << kUsage << '\n';
    return 2;
  }

  platform::CUdpSocket socket;
  if (!socket.Open()) {
    err << "vorlix-sntp: cannot open a UDP socket\n";
    return 1;
  }
  const platform::CManualResetEvent neverWoken;
  CReadOnlyClock clock(platform::MachineClock());
  CPrintingOwner owner;
  CSntpExchange exchange(socket, neverWoken, clock, owner);
  ExchangeSettings settings;
  settings.coarseClock = platform::MachineClockIsCoarse();
  const uint32_t budgetMs =
      options.totalMs < options.eachTryMs ? options.eachTryMs : options.totalMs;

  bool anyCompleted = false;
  for (const std::string& host : options.hosts) {
    ServerInfo server;
    server.host = host;
    server.address = platform::ParseDottedAddress(host.c_str());
    if (server.address == platform::kNoAddress && !resolver.Resolve(host, &server.address)) {
      out << host << " 255.255.255.255 cannot resolve the name\n";
      continue;
    }
    const platform::Endpoint to{server.address, options.port};
    for (uint32_t k = 0; k < options.count; ++k) {
      uint32_t remainingMs = budgetMs;
      exchange.Run(to, options.eachTryMs, remainingMs, server, settings);
      if (remainingMs == kExchangeFailed) {
        out << host << ' ' << FormatDottedAddress(server.address) << " no usable reply\n";
      } else if (remainingMs == kExchangeInsane) {
        out << host << ' ' << FormatDottedAddress(server.address) << " server insane\n";
      } else {
        PrintExchange(owner.status(), options, out);
        anyCompleted = true;
      }
    }
  }
  return anyCompleted ? 0 : 1;
}
