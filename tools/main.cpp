// tesseragen: writes a synthetic data tree for the engines.
#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>

#include "records/record_io.h"
#include "tools/synth_options.h"
#include "tools/synth_tree.h"
#include "tesseragen_manual.h"

int main(int argc, char** argv) {
  synth::CommandLine cl;
  try {
    cl = synth::parse_command_line(argc - 1, argv + 1);
  } catch (const std::exception& e) {
    std::cerr << "tesseragen: " << e.what() << '\n' << manual::USAGE;
    return 2;
  }
  try {
    if (cl.help) {
      std::cout << manual::HELP;
      return 0;
    }
    auto start = std::chrono::steady_clock::now();
    synth::TreeSummary sum = synth::generate_tree(cl.tree);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!cl.quiet)
      std::printf("tesseragen: wrote %ld files (%.1f MB) of SYNTHETIC data under %s in %.2f s (seed %llu)\n",
                  sum.files, static_cast<double>(sum.bytes) / 1.0e6, cl.tree.root.c_str(), seconds,
                  static_cast<unsigned long long>(cl.tree.seed));
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "tesseragen: " << e.what() << '\n';
    return 2;
  }
}
