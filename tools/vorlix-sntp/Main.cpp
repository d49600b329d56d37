// vorlix-sntp: queries time servers and prints offset and round trip.
#include <iostream>
#include <string>
#include <vector>

#include "SntpClient.h"

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunSntpClient(arguments, std::cout, std::cerr, platform::SystemResolver());
  } catch (const std::exception& error) {
    std::cerr << "vorlix-sntp: " << error.what() << '\n';
    return 1;
  }
}
