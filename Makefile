# Horolux: the everyday commands. See README.md.
BUILD     ?= build
BUILDTYPE ?= RelWithDebInfo
CMAKEFLAGS ?=

.PHONY: all deps configure build run test bench lint package build-portable clean

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

# The Debian package, $(BUILD)/horolux_<version>_<arch>.deb
package: build
	@cmake --build $(BUILD) --target package

# The build without the Linux desktop services, in its own folder; the program
# must then link neither libcanberra nor Qt D-Bus.
build-portable: deps
	@cmake -S . -B $(BUILD)-portable -G Ninja -DCMAKE_BUILD_TYPE=$(BUILDTYPE) $(CMAKEFLAGS) -DHOROLUX_LINUX_DESKTOP=OFF >/dev/null
	@cmake --build $(BUILD)-portable
	@! readelf -d $(BUILD)-portable/app/horolux | grep -E 'NEEDED.*(canberra|Qt6DBus)'

clean:
	rm -rf $(BUILD) $(BUILD)-portable
