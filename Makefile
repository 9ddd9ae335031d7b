# A thin layer over CMake: the two set-up commands of the README and a few helpers.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= 2

.PHONY: deps configure build test run clean pictures

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Starts the program. Without a display Qt could only stop with a platform-plugin error, so
# say plainly what is missing and what works instead (the set-up script installs xvfb-run).
run: deps
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display here (DISPLAY and WAYLAND_DISPLAY are unset); run it as: xvfb-run make run" >&2; \
		exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	@$(BUILD_DIR)/shell/fengshui-compatibility

clean:
	rm -rf $(BUILD_DIR)

# Redraws the pictures and the icon under assets/ and the resource file that lists them.
pictures: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target picture_generator
	@$(BUILD_DIR)/tools/picture_generator assets

# Checking builds, each in a build directory of its own so that none disturbs another.
.PHONY: fuzz

FUZZ_SECONDS ?= 60

# libFuzzer on the code that reads bytes from disk, FUZZ_SECONDS per fuzzer.
fuzz: deps
	@CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DFSC_BUILD_GUI=OFF -DFSC_FUZZ=ON \
		-DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@fuzz/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# The Debian package, built in a directory of its own: `apt-get install ./<file>.deb` installs it.
.PHONY: package screenshots
PACKAGE_DIR ?= build-package

package: deps
	@cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(PACKAGE_DIR) -j $(JOBS) --target fengshui-compatibility
	@cd $(PACKAGE_DIR) && cpack
	@ls $(PACKAGE_DIR)/packages/*.deb

# Photographs the program's windows under Xvfb for the README.
screenshots: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target fengshui-compatibility
	@tools/take_screenshots.sh $(BUILD_DIR)/shell/fengshui-compatibility docs/screenshots
