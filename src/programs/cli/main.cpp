#include <QCoreApplication>
#include <exception>
#include <iostream>

#include "BatchRun.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  try {
    bool done = false;
    const auto options = korvane::cli::ParseArguments(args, done);
    if (done) return korvane::cli::kOk;
    if (!options) return korvane::cli::kUsage;
    return korvane::cli::RunBatch(*options);
  } catch (const std::exception& e) {
    std::cerr << "error: " << e.what() << '\n';
    return korvane::cli::kRejected;
  }
}
