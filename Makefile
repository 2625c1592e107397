# The two commands a new user needs: `make test` and (once the desktop program
# exists) `make run`. Both install whatever is missing first.

BUILD_DIR ?= build
BENCH_DIR ?= build-release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR ?= Ninja

.PHONY: deps configure build test bench format clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=ON \
	  -DKORVANE_BUILD_BENCHMARKS=OFF

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DKORVANE_SANITIZE=OFF \
	  -DKORVANE_BUILD_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	$(BENCH_DIR)/bin/korvane-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR)
