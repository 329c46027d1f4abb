// Times programs from exec to their main window mapped on the X display, in turns,
// and reads their resident memory once they have started.
//
//   startup_timer [--turns N] [--size WxH] [--settle MS] PROGRAM...
//
// A program's main window is the first window of the given size (630x378 by default)
// that is mapped on the root window after the program is started, so a splash of
// another size does not count. Each program runs once untimed first, so all of them
// start with their files in the page cache. The first program is the yardstick of
// the ratios.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double ms = 0;
  double rssMb = 0;
};

struct Settings {
  int turns = 10;
  int width = 630, height = 378;
  int settleMs = 300;
  std::vector<std::string> programs;
};

// The resident set of a process in MB, from /proc; 0 when it cannot be read.
double ResidentMb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  return 0;
}

class Display {
 public:
  Display() : connection_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(connection_)) throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
  }
  ~Display() { xcb_disconnect(connection_); }

  // Waits until a window of the size is mapped on the root; false when the process
  // ends first or nothing comes within the timeout.
  bool WaitForWindow(pid_t pid, int width, int height, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, map->window), nullptr);
        const bool match = geometry && geometry->width == width && geometry->height == height;
        std::free(geometry);
        if (match) return true;
      }
      if (xcb_connection_has_error(connection_)) return false;
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) return false;
      pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
      poll(&fd, 1, 5);
    }
    return false;
  }

  void Drain() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
  }

 private:
  xcb_connection_t* connection_;
  xcb_window_t root_ = 0;
};

std::optional<Sample> RunOnce(Display& display, const Settings& settings, const std::string& program) {
  display.Drain();
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) return std::nullopt;
  if (pid == 0) {
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    std::perror(program.c_str());
    _exit(127);
  }
  const bool shown = display.WaitForWindow(pid, settings.width, settings.height, start + std::chrono::seconds(20));
  const Clock::time_point mapped = Clock::now();
  Sample sample;
  sample.ms = std::chrono::duration<double, std::milli>(mapped - start).count();
  if (shown) {
    usleep(static_cast<useconds_t>(settings.settleMs) * 1000);
    sample.rssMb = ResidentMb(pid);
  }
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!shown) return std::nullopt;
  return sample;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool ParseArguments(int argc, char** argv, Settings& settings) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--turns" && i + 1 < argc) {
      settings.turns = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--settle" && i + 1 < argc) {
      settings.settleMs = std::max(0, std::atoi(argv[++i]));
    } else if (arg == "--size" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &settings.width, &settings.height) != 2) return false;
    } else if (arg.rfind("--", 0) == 0) {
      return false;
    } else {
      settings.programs.push_back(arg);
    }
  }
  return !settings.programs.empty();
}

}  // namespace

int main(int argc, char** argv) {
  Settings settings;
  if (!ParseArguments(argc, argv, settings)) {
    std::fprintf(stderr, "usage: startup_timer [--turns N] [--size WxH] [--settle MS] PROGRAM...\n");
    return 2;
  }
  try {
    Display display;
    for (const std::string& program : settings.programs)
      if (!RunOnce(display, settings, program)) {
        std::fprintf(stderr, "%s: no %dx%d window was mapped\n", program.c_str(), settings.width, settings.height);
        return 1;
      }
    std::vector<std::vector<Sample>> samples(settings.programs.size());
    for (int turn = 0; turn < settings.turns; ++turn)
      for (std::size_t p = 0; p < settings.programs.size(); ++p) {
        const std::optional<Sample> sample = RunOnce(display, settings, settings.programs[p]);
        if (!sample) {
          std::fprintf(stderr, "%s: no window in turn %d\n", settings.programs[p].c_str(), turn + 1);
          return 1;
        }
        samples[p].push_back(*sample);
      }

    std::printf("exec to a %dx%d window mapped, %d turns; resident memory %d ms later\n\n", settings.width,
                settings.height, settings.turns, settings.settleMs);
    std::printf("%-16s %8s %10s %12s %14s %10s %9s\n", "program", "min ms", "median ms", "ratio (min)",
                "ratio (median)", "median MB", "ratio MB");
    double baseMin = 0, baseTime = 0, baseRss = 0;
    for (std::size_t p = 0; p < samples.size(); ++p) {
      std::vector<double> ms, mb;
      for (const Sample& s : samples[p]) {
        ms.push_back(s.ms);
        mb.push_back(s.rssMb);
      }
      const double minMs = *std::min_element(ms.begin(), ms.end());
      const double medianMs = Median(ms), medianMb = Median(mb);
      if (p == 0) {
        baseMin = minMs;
        baseTime = medianMs;
        baseRss = medianMb;
      }
      std::string name = settings.programs[p];
      name = name.substr(name.find_last_of('/') + 1);
      std::printf("%-16s %8.1f %10.1f %11.2fx %13.2fx %10.1f %8.2fx\n", name.c_str(), minMs, medianMs, minMs / baseMin,
                  medianMs / baseTime, medianMb, medianMb / baseRss);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "startup_timer: %s\n", e.what());
    return 1;
  }
  return 0;
}
