# The two commands a new user needs: `make test` and `make run`. Both install
# whatever is missing first.

BUILD_DIR ?= build
BENCH_DIR ?= build-release
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR ?= Ninja

.PHONY: deps configure build test run startup-time release bench fuzz fuzz-smoke format clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=ON \
	  -DKORVANE_BUILD_BENCHMARKS=OFF

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

run: build
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp $(BUILD_DIR)/bin/korvane-ese

# Median start-up time of the optimised program, up to its main window, under Xvfb.
startup-time: release
	xvfb-run -a scripts/startup-time $(BENCH_DIR)/bin/korvane-ese

# The reader's fuzzer under AddressSanitizer and UndefinedBehaviorSanitizer
# (ten minutes; `make fuzz-smoke` runs one). New inputs go to $(FUZZ_DIR)/corpus.
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DKORVANE_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target read-project-fuzzer
	mkdir -p $(FUZZ_DIR)/corpus
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=halt_on_error=1 \
	$(FUZZ_DIR)/bin/read-project-fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	  -dict=fuzz/ProjectFile.dict -print_final_stats=1 $(FUZZ_DIR)/corpus fuzz/corpus

fuzz-smoke:
	$(MAKE) fuzz FUZZ_SECONDS=60

# The optimised, hardened build with warnings as errors, benchmarks included
# (CI builds it so that neither rots).
release: deps
	cmake -S . -B $(BENCH_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DKORVANE_SANITIZE=OFF \
	  -DKORVANE_BUILD_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)

bench: release
	$(BENCH_DIR)/bin/korvane-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(FUZZ_DIR)
