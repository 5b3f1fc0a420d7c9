# Horolux: the everyday commands. See README.md.
BUILD     ?= build
BUILDTYPE ?= RelWithDebInfo
CMAKEFLAGS ?=

.PHONY: all deps configure build run test test-sanitize bench lint package build-portable clean

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

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails the test that made it.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
test-sanitize: deps
	@cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHOROLUX_SANITIZE=ON $(CMAKEFLAGS) >/dev/null
	@cmake --build $(BUILD)-sanitize
	cd $(BUILD)-sanitize && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure $(CTESTFLAGS)

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
	rm -rf $(BUILD) $(BUILD)-portable $(BUILD)-sanitize
