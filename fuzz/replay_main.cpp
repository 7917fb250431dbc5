// Replays inputs through a libFuzzer target without libFuzzer: every file named on the command line, and
// every regular file in every folder named there (in name order), goes once to LLVMFuzzerTestOneInput. A
// failed check of the target aborts; otherwise the exit status is 0, or 1 when no input was found.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> inputsOf(std::filesystem::path const& path) {
  std::vector<std::filesystem::path> inputs;
  if (!std::filesystem::is_directory(path)) {
    inputs.push_back(path);
    return inputs;
  }
  for (auto const& entry : std::filesystem::directory_iterator(path))
    if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
      inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (auto const& input : inputsOf(argv[i])) {
      std::ifstream file(input, std::ios::binary);
      std::vector<char> const bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
      std::fprintf(stderr, "replaying %s\n", input.string().c_str());
      LLVMFuzzerTestOneInput(reinterpret_cast<std::uint8_t const*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  return replayed > 0 ? 0 : 1;
}
