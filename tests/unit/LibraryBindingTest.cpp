// The binary contract of the zone library: loaded at run time like any other
// program would load it, every function reached by its ordinal on Windows
// (by name natively), and the display names read when the library loads.
#include <gtest/gtest.h>

#include <string>

#include "TestProfile.h"
#include "Tzbase.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace {

struct ZoneLibrary {
  TB_ZoneCountFn zoneCount = nullptr;
  TB_GetZoneFn getZone = nullptr;
  TB_VersionFn version = nullptr;
  TB_LoadDisplayNamesFn loadDisplayNames = nullptr;
  TB_GetDisplayNameFn getDisplayName = nullptr;
  TB_GetDisplayNameRegardlessFn getDisplayNameRegardless = nullptr;
  TB_SetDisplayNameFn setDisplayName = nullptr;
  TB_HasDisplayNameFn hasDisplayName = nullptr;
  TB_GetYearFn getYear = nullptr;
};

#ifdef _WIN32
template <typename Function>
void Bind(HMODULE module, int ordinal, Function& function) {
  function = reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
  ASSERT_NE(function, nullptr) << "ordinal " << ordinal;
}

void LoadZoneLibrary(ZoneLibrary& library) {
  HMODULE module = LoadLibraryA("Tzbase.dll");
  ASSERT_NE(module, nullptr);
  Bind(module, TB_ORDINAL_ZONE_COUNT, library.zoneCount);
  Bind(module, TB_ORDINAL_GET_ZONE, library.getZone);
  Bind(module, TB_ORDINAL_VERSION, library.version);
  Bind(module, TB_ORDINAL_LOAD_DISPLAY_NAMES, library.loadDisplayNames);
  Bind(module, TB_ORDINAL_GET_DISPLAY_NAME, library.getDisplayName);
  Bind(module, TB_ORDINAL_GET_DISPLAY_NAME_REGARDLESS, library.getDisplayNameRegardless);
  Bind(module, TB_ORDINAL_SET_DISPLAY_NAME, library.setDisplayName);
  Bind(module, TB_ORDINAL_HAS_DISPLAY_NAME, library.hasDisplayName);
  Bind(module, TB_ORDINAL_GET_YEAR, library.getYear);
  // The names are exported too, at the same addresses.
  EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(module, "TB_GetZone")),
            reinterpret_cast<void*>(library.getZone));
  EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(10)), nullptr);
}
#else
template <typename Function>
void Bind(void* module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(module, name));
  ASSERT_NE(function, nullptr) << name;
}

std::string BesideThisProgram(const char* file) {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string directory = length > 0 ? std::string(path, static_cast<size_t>(length)) : "./x";
  return directory.substr(0, directory.rfind('/') + 1) + file;
}

void LoadZoneLibrary(ZoneLibrary& library) {
  void* module = dlopen(BesideThisProgram("libtzbase.so").c_str(), RTLD_NOW);
  ASSERT_NE(module, nullptr) << dlerror();
  Bind(module, "TB_ZoneCount", library.zoneCount);
  Bind(module, "TB_GetZone", library.getZone);
  Bind(module, "TB_Version", library.version);
  Bind(module, "TB_LoadDisplayNames", library.loadDisplayNames);
  Bind(module, "TB_GetDisplayName", library.getDisplayName);
  Bind(module, "TB_GetDisplayNameRegardless", library.getDisplayNameRegardless);
  Bind(module, "TB_SetDisplayName", library.setDisplayName);
  Bind(module, "TB_HasDisplayName", library.hasDisplayName);
  Bind(module, "TB_GetYear", library.getYear);
}
#endif

TEST(LibraryBinding, EveryExportAnswersThroughItsEntryPoint) {
  constexpr const char* kFile = "Tzbase-DisplayNames.ini";
  testing_support::WriteRawProfileFile(kFile, "[92]\r\nName=Londinium\r\n");

  ZoneLibrary library;
  ASSERT_NO_FATAL_FAILURE(LoadZoneLibrary(library));

  // Loaded with the library, before any call.
  EXPECT_EQ(library.hasDisplayName(92), 1);
  char buffer[64];
  EXPECT_STREQ(library.getDisplayName(92, buffer, sizeof buffer), "Londinium");

  EXPECT_EQ(library.zoneCount(), 265);
  EXPECT_STREQ(library.getZone(264)->cities, "Christchurch");
  EXPECT_EQ(library.getZone(265), nullptr);
  int32_t major = 0, minor = 0;
  library.version(&major, &minor);
  EXPECT_EQ(major * 10 + minor, 12);
  EXPECT_EQ(library.getYear(), 2002);

  EXPECT_NE(library.setDisplayName(5, "Waikiki"), 0);
  library.loadDisplayNames();
  EXPECT_EQ(library.hasDisplayName(5), 1);
  EXPECT_STREQ(library.getDisplayNameRegardless(6, buffer, sizeof buffer), "Anchorage");
  EXPECT_EQ(library.setDisplayName(5, nullptr), 1);

  testing_support::RemoveProfileFile(kFile);
}

}  // namespace
