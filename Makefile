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

clean:
	rm -rf $(BUILD_DIR)

# Redraws the pictures and the icon under assets/ and the resource file that lists them.
pictures: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target picture_generator
	@$(BUILD_DIR)/tools/picture_generator assets
