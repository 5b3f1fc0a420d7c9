# Horolux: the everyday commands. See README.md.
BUILD     ?= build
BUILDTYPE ?= RelWithDebInfo
CMAKEFLAGS ?=

.PHONY: all deps configure build run test package clean

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

# The Debian package, $(BUILD)/horolux_<version>_<arch>.deb
package: build
	@cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
