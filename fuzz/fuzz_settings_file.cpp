// The settings file on arbitrary bytes: the options, the saved filters, the preset
// names and the flag lists read from it never crash, and what is read stays in
// range. The bytes go through a real file because the store reads the file afresh.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "ini_manage.h"

namespace {

const std::string& ScratchPath() {
  static const std::string path = [] {
    const char* shm = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(shm) + "/parlavo-fuzz-" + std::to_string(::getpid()) + ".ini";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(ScratchPath(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  parlavo::TIniManage store(ScratchPath());
  const parlavo::TOptions options = store.ReadOptions();
  (void)options;
  parlavo::TFilter current = store.ReadFilter("Current Filter");
  if (current.Irreg > 2) std::abort();
  std::size_t filters = 0;
  for (const std::string& name : store.SavedFilterNames()) {
    if (++filters > 8) break;  // enough to reach the decoder; each read rereads the file
    if (store.ReadFilter(name).Irreg > 2) std::abort();
  }
  for (const std::string& name : store.ReadPresetNames())
    if (name.find('\n') != std::string::npos) std::abort();

  // The decoders alone, on the raw bytes.
  bool flags[25];
  parlavo::DecodeFlags(bytes, flags, 25);
  if (parlavo::DecodeIrreg(bytes) > 2) std::abort();
  return 0;
}
