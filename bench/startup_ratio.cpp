// Cold start of the panel against a minimal wx dialog program started the
// same way: each is run repeatedly with --exit-when-shown (it quits once its
// window is on screen and idle), alternating, and the medians of the wall
// times are compared. Peak RSS comes from the children's rusage.
//
//   startup_ratio RUNS PANEL_COMMAND... -- BASELINE_COMMAND...
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
  double seconds = 0;
  long maxRssKb = 0;
  int status = 0;
};

Run RunOnce(const std::vector<char*>& argv) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execvp(argv[0], argv.data());
    std::perror(argv[0]);
    ::_exit(127);
  }
  Run run;
  rusage usage{};
  ::wait4(pid, &run.status, 0, &usage);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.maxRssKb = usage.ru_maxrss;
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: startup_ratio RUNS PANEL_COMMAND... -- BASELINE_COMMAND...\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<char*> panel, baseline;
  bool afterSeparator = false;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) {
      afterSeparator = true;
      continue;
    }
    (afterSeparator ? baseline : panel).push_back(argv[i]);
  }
  if (panel.empty() || baseline.empty()) return 2;
  panel.push_back(nullptr);
  baseline.push_back(nullptr);

  std::vector<double> panelTimes, baselineTimes;
  long panelRss = 0, baselineRss = 0;
  RunOnce(panel);  // warm the page cache for both, so "cold" means a new process
  RunOnce(baseline);
  for (int i = 0; i < runs; ++i) {
    for (auto* which : {&panel, &baseline}) {
      const Run run = RunOnce(*which);
      if (!WIFEXITED(run.status) || WEXITSTATUS(run.status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", (*which)[0], run.status);
        return 1;
      }
      (which == &panel ? panelTimes : baselineTimes).push_back(run.seconds);
      long& rss = which == &panel ? panelRss : baselineRss;
      rss = std::max(rss, run.maxRssKb);
    }
  }
  const double p = Median(panelTimes), b = Median(baselineTimes);
  std::printf("panel start    median %.1f ms, peak RSS %ld KiB\n", p * 1e3, panelRss);
  std::printf("minimal dialog median %.1f ms, peak RSS %ld KiB\n", b * 1e3, baselineRss);
  std::printf("start-up ratio %.2f (goal <= 1.5), RSS ratio %.2f\n", p / b,
              static_cast<double>(panelRss) / static_cast<double>(baselineRss));
  return 0;
}
