# Horolux: the everyday commands. See README.md.
SHELL := /bin/bash
BUILD     ?= build
BUILDTYPE ?= RelWithDebInfo
CMAKEFLAGS ?=

.PHONY: all deps configure build run test test-sanitize fuzz bench lint translations package build-portable clean

all: build

# The Debian packages each target needs (scripts/install-deps.sh).
DEPS ?= run
test test-sanitize: DEPS = test
fuzz: DEPS = test fuzz
bench: DEPS = bench
lint: DEPS = lint
package: DEPS = package

deps:
	@bash scripts/install-deps.sh $(DEPS)

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

# Each fuzz target for FUZZ_SECONDS on its committed seed corpus (copied, so
# that the committed one stays small).
FUZZ_SECONDS ?= 30
FUZZ_TARGETS ?= numbers display timeofday window record
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOROLUX_FUZZ=ON $(CMAKEFLAGS) >/dev/null
	@cmake --build $(BUILD)-fuzz --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@set -e; for t in $(FUZZ_TARGETS); do \
		rm -rf $(BUILD)-fuzz/corpus-$$t && cp -r fuzz/corpus/$$t $(BUILD)-fuzz/corpus-$$t; \
		echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
		QT_QPA_PLATFORM=offscreen $(SANITIZE_ENV) $(BUILD)-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) \
			-print_final_stats=1 -artifact_prefix=$(BUILD)-fuzz/ $(BUILD)-fuzz/corpus-$$t 2>&1 | grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|SUMMARY|Done' ; \
		test $${PIPESTATUS[0]} -eq 0; \
	done

# The micro-benchmarks, the desktop measurements and the accuracy run on
# private Xvfb servers, printed as one table of medians against the targets
# (about ten minutes; RUNS=5 by default). PARTS selects some of
# bench/measure.py's parts, e.g. PARTS=minimized.
PARTS ?=
bench: build
	/usr/bin/python3 bench/measure.py $(BUILD) $(PARTS)

lint: configure
	bash scripts/lint.sh $(BUILD)

# Brings every data/translations/*.ts up to date with the program's texts
# (new ones added unfinished, gone ones dropped), then lists what waits for a
# translator in each language: unfinished entries, and translations that lost
# a placeholder or the access key. The suite fails while any waits.
translations: configure
	@cmake --build $(BUILD) --target update_translations >/dev/null
	@/usr/bin/python3 scripts/check_translations.py || true

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
	rm -rf $(BUILD) $(BUILD)-portable $(BUILD)-sanitize $(BUILD)-fuzz
