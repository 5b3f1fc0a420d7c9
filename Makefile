# Horolux: the everyday commands. See README.md.
BUILD     ?= build
BUILDTYPE ?= RelWithDebInfo
CMAKEFLAGS ?=

.PHONY: all deps configure build run test bench lint clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILDTYPE) $(CMAKEFLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/app/horolux

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure $(CTESTFLAGS)

bench: build
	$(BUILD)/bench/bench_handlers --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

lint: configure
	bash scripts/lint.sh $(BUILD)

clean:
	rm -rf $(BUILD)
