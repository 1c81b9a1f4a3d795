// How long a profile takes to load and save, for the files the program
// writes and for hostile ones at the size limit, and the most heap a load
// holds at once ("peak_heap" bytes), which the size limit bounds.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>

#include "profiles/profile_file.h"
#include "profiles/profile_folder.h"

namespace {

std::atomic<std::size_t> g_heapInUse{0};
std::atomic<std::size_t> g_heapPeak{0};

}  // namespace

void* operator new(std::size_t size) {
  void* block = std::malloc(size ? size : 1);
  if (!block) throw std::bad_alloc();
  const std::size_t now = g_heapInUse += malloc_usable_size(block);
  for (std::size_t peak = g_heapPeak; now > peak && !g_heapPeak.compare_exchange_weak(peak, now);) {
  }
  return block;
}
void operator delete(void* block) noexcept {
  if (!block) return;
  g_heapInUse -= malloc_usable_size(block);
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace vantor {
namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "vantor-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    std::atexit([] { fs::remove_all(Folder()); });
    return fs::path(pattern);
  }();
  return folder;
}

fs::path Written(const std::string& name, const std::string& bytes) {
  const fs::path path = Folder() / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

void MeasureLoad(benchmark::State& state, const fs::path& path) {
  GunSettings settings;
  for (auto _ : state) {
    const std::size_t before = g_heapInUse;
    g_heapPeak = before;
    LoadProfile(path, settings);
    benchmark::DoNotOptimize(settings);
    state.counters["peak_heap"] = static_cast<double>(g_heapPeak - before);
  }
}

fs::path SavedProfile() {
  const fs::path path = Folder() / "saved.ini";
  SaveProfile(path, ProfileDefaultSettings());
  return path;
}

void BM_LoadSavedProfile(benchmark::State& state) { MeasureLoad(state, SavedProfile()); }
BENCHMARK(BM_LoadSavedProfile);

void BM_LoadOneMegabyteLine(benchmark::State& state) {
  MeasureLoad(state, Written("line.ini", "[GunProfile]\nUpEdge=" + std::string(1000000, '9')));
}
BENCHMARK(BM_LoadOneMegabyteLine);

// The most lines a file under the limit can have, all of them keys of the
// section, none of them a profile key: the reader's worst case.
void BM_LoadLimitOfForeignKeys(benchmark::State& state) {
  std::string text = "[GunProfile]\n";
  while (text.size() + 4 <= kMaxProfileFileSize) text += "Up=\n";
  MeasureLoad(state, Written("keys.ini", text));
}
BENCHMARK(BM_LoadLimitOfForeignKeys);

// The same in UTF-16LE: the text is decoded once more in memory.
void BM_LoadUtf16LimitOfForeignKeys(benchmark::State& state) {
  std::string text = "\xFF\xFE";
  for (char c : std::string_view("[GunProfile]\n")) text += {c, '\0'};
  while (text.size() + 8 <= kMaxProfileFileSize) text += std::string("U\0p\0=\0\n\0", 8);
  MeasureLoad(state, Written("keys16.ini", text));
}
BENCHMARK(BM_LoadUtf16LimitOfForeignKeys);

void BM_LoadTenThousandSections(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "[S" + std::to_string(i) + "]\nUpEdge=1\n";
  MeasureLoad(state, Written("sections.ini", text + "[GunProfile]\nUpEdge=40\n"));
}
BENCHMARK(BM_LoadTenThousandSections);

void BM_LoadFiftyMegabytes(benchmark::State& state) {
  const fs::path path = Written("huge.ini", "[GunProfile]\n");
  fs::resize_file(path, 50u * 1024 * 1024);
  MeasureLoad(state, path);
}
BENCHMARK(BM_LoadFiftyMegabytes);

// Includes the fsync of the file and its folder, which dominates.
void BM_SaveOverExistingProfile(benchmark::State& state) {
  const fs::path path = SavedProfile();
  for (auto _ : state) benchmark::DoNotOptimize(SaveProfile(path, ProfileDefaultSettings()));
}
BENCHMARK(BM_SaveOverExistingProfile)->Unit(benchmark::kMicrosecond);

void BM_ListThousandProfiles(benchmark::State& state) {
  const fs::path folder = Folder() / "Profiles";
  fs::create_directory(folder);
  for (int i = 0; i < 1000; ++i) Written("Profiles/p" + std::to_string(i) + ".ini", "");
  for (auto _ : state) benchmark::DoNotOptimize(ListProfiles(folder));
}
BENCHMARK(BM_ListThousandProfiles)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantor

BENCHMARK_MAIN();
