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
.PHONY: fuzz test-sanitize monkey lint bench

FUZZ_SECONDS ?= 60

# libFuzzer on the code that reads bytes from disk, FUZZ_SECONDS per fuzzer.
fuzz: deps
	@CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DFSC_BUILD_GUI=OFF -DFSC_FUZZ=ON \
		-DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@fuzz/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# Every test with AddressSanitizer and UndefinedBehaviorSanitizer. Qt is not instrumented;
# tools/lsan.supp is where allocations it keeps until exit would be suppressed.
# intercept_tls_get_addr=0: GCC 12's sanitizer runtime takes a dynamic TLS block whose address
# happens to lie 16 bytes into a page for one with the header glibc dropped in 2.25, and its
# leak check then dies at exit ("Tracer caught signal 11") without a finding; the Spanish
# audit met it every time. Without the interceptor such blocks are not scanned for pointers.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0:intercept_tls_get_addr=0

test-sanitize: deps
	@cmake -S . -B build-sanitize -G Ninja -DFSC_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j $(JOBS)

# The random-input test: the sanitizer build of the program gets random keys, clicks, closes and
# clipboard changes from a fixed seed for MONKEY_SECONDS. Every action goes to the log; a
# crash, a sanitizer report or a hang fails it and shows how the log ends.
MONKEY_SECONDS ?= 60
MONKEY_SEED ?= 1

monkey: deps
	@cmake -S . -B build-sanitize -G Ninja -DFSC_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS) --target monkey
	@echo "monkey: seed $(MONKEY_SEED) for $(MONKEY_SECONDS) s, every action in build-sanitize/monkey.log"
	@$(SANITIZER_ENV) MONKEY_SEED=$(MONKEY_SEED) MONKEY_SECONDS=$(MONKEY_SECONDS) \
		build-sanitize/fuzz/monkey >build-sanitize/monkey.log 2>&1 \
		|| { tail -n 60 build-sanitize/monkey.log; echo "monkey: FAILED" >&2; exit 1; }
	@echo "monkey: $$(grep -c '^normal end' build-sanitize/monkey.log) normal ends, \
	$$(grep -vc -e '^normal end' -e '^monkey:' build-sanitize/monkey.log) actions"
	@tail -n 1 build-sanitize/monkey.log

# clang-tidy over our own sources (not what moc and uic generate into the build dirs), then the
# formatting of every header and source. The lint build only generates, it compiles nothing;
# it is a clang build with the fuzzers so that they are checked too.
LINT_FILES = $(shell git ls-files -co --exclude-standard '*.h' '*.cpp')
LINT_FOLDERS = $(shell git ls-files -co --exclude-standard '*.h' '*.cpp' | grep / | cut -d/ -f1 \
	| sort -u | paste -sd'|')

lint: SHELL := /bin/bash
lint: deps
	@CXX=clang++ cmake -S . -B build-lint -G Ninja -DFSC_FUZZ=ON \
		-DCMAKE_GLOBAL_AUTOGEN_TARGET=ON >/dev/null
	@cmake --build build-lint --target autogen >/dev/null
	@set -o pipefail; run-clang-tidy -p build-lint -quiet -j $(JOBS) \
		-header-filter='^$(CURDIR)/($(LINT_FOLDERS))/' '^$(CURDIR)/($(LINT_FOLDERS))/.*\.cpp$$' \
		2>&1 | sed -E -e 's/\x1b\[[0-9;]*m//g' -e '/^(clang-tidy|[0-9]+ warnings? generated)/d'
	@clang-format --dry-run -Werror $(LINT_FILES)

# The benchmarks, built with full optimisation; then start-up as a user sees it, from the start
# to the window mapped on a virtual X display.
bench: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS) --target run_benchmarks
	@xvfb-run -a -s "-screen 0 1280x900x24" build-bench/bench/gui/startup_bench 31 xcb --until-map

# The Debian package, built in a directory of its own: `apt-get install ./<file>.deb` installs it.
# It is compiled with the flags Debian builds its own packages with (hardening included), and
# lintian, Debian's package checker, must find no error and no warning in it. It is configured
# for /usr, where the package installs, so that the printing module goes to Debian's multiarch
# library folder, /usr/lib/<architecture>/fengshui-compatibility.
.PHONY: package screenshots
PACKAGE_DIR ?= build-package
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

package: deps
	@cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DFSC_INSTALL_BINDIR=games \
		-DCMAKE_INSTALL_PREFIX=/usr \
		-DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
		-DCMAKE_MODULE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(PACKAGE_DIR) -j $(JOBS) --target fengshui-compatibility installed_documents
	@rm -f $(PACKAGE_DIR)/packages/*.deb
	@cd $(PACKAGE_DIR) && cpack >/dev/null
	@lintian --fail-on error,warning $(PACKAGE_DIR)/packages/*.deb
	@ls $(PACKAGE_DIR)/packages/*.deb

# The package installed on a fresh minimal Debian 12, started, and removed without a trace
# (as root; it fetches that Debian from Debian's mirror, which takes some minutes).
.PHONY: package-install-check
package-install-check: package
	@packaging/debian/check-clean-install $(PACKAGE_DIR)/packages/*.deb

# Photographs the program's windows under Xvfb for the README, in English, Simplified and
# Traditional Chinese, Spanish, Japanese and Korean, and the page File > Export as PDF writes.
screenshots: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target fengshui-compatibility
	@tools/take_screenshots.sh $(BUILD_DIR)/shell/fengshui-compatibility docs/screenshots
	@tools/take_screenshots.sh $(BUILD_DIR)/shell/fengshui-compatibility docs/screenshots/zh_CN zh_CN
	@tools/take_screenshots.sh $(BUILD_DIR)/shell/fengshui-compatibility docs/screenshots/zh_TW zh_TW
	@tools/take_screenshots.sh $(BUILD_DIR)/shell/fengshui-compatibility docs/screenshots/es es
	@tools/take_screenshots.sh $(BUILD_DIR)/shell/fengshui-compatibility docs/screenshots/ja ja
	@tools/take_screenshots.sh $(BUILD_DIR)/shell/fengshui-compatibility docs/screenshots/ko ko

# Brings the .ts files under translations/ up to date with the texts of the program.
.PHONY: translations
translations: configure
	@cmake --build $(BUILD_DIR) --target update_translations

# The program for 64-bit Windows, cross-built with MinGW-w64 against a Qt for Windows that
# scripts/build-windows-qt builds once from Debian's qtbase source and keeps in the user's
# cache. It writes the installer and the portable zip under build-windows/packages/.
.PHONY: windows test-windows
WINDOWS_DIR ?= build-windows

windows:
	@scripts/install-deps windows
	@qt=$$(scripts/build-windows-qt) && cmake -S . -B $(WINDOWS_DIR) -G Ninja \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/packaging/windows/mingw-w64-x86_64.cmake \
		-DFSC_WINDOWS_QT_PREFIX="$$qt" -DQT_HOST_PATH=/usr \
		-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
		-DFSC_SIGN_PKCS12="$(FSC_SIGN_PKCS12)" -DFSC_SIGN_PASSWORD_FILE="$(FSC_SIGN_PASSWORD_FILE)" \
		-DFSC_SIGN_TIMESTAMP_URL="$(FSC_SIGN_TIMESTAMP_URL)" -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target windows_packages
	@ls $(WINDOWS_DIR)/packages/*

# Every test of the Windows build under Wine, with one Wine server for the whole run, then the
# installer end to end in a fresh Wine prefix on a virtual display, then a signed build.
test-windows: windows
	@cmake --build $(WINDOWS_DIR) -j $(JOBS)
	@packaging/windows/with-wineserver $(CURDIR)/$(WINDOWS_DIR)/wine \
		sh -c 'cd $(WINDOWS_DIR) && ctest --output-on-failure -j $(JOBS)'
	@packaging/windows/check-installer $(WINDOWS_DIR)/packages/*-setup.exe
	@packaging/windows/check-signing $(WINDOWS_DIR)
