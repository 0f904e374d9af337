# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BENCH_ARGS ?=

.PHONY: all deps configure build test run bench bench-gui bench-batch package format clean deps-sanitize test-sanitize fuzz deps-lint tidy format-check mutants web web-configure web-serve npm-install bench-web

# The browser edition: the engine, the window models and korveld-cli compiled with Debian's
# emscripten into $(WEB_DIR) (korveld-cli.js for Node, the site in $(WEB_DIR)/site). Debian's
# em++ runs its JavaScript tools with Debian's own Node modules (acorn).
WEB_DIR ?= build-web
WEB_BUILD_TYPE ?= Release
WEB_PORT ?= 8080
WEB_CMAKE_FLAGS ?= $(CMAKE_FLAGS)
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DKORVELD_WEB_BUILD_DIR=$(abspath $(WEB_DIR)) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Both editions, then the whole suite (the browser edition's tests among it). A test that cannot
# run on this machine says why in its output, which ctest shows only on failure.
test: build web
	@cd $(BUILD_DIR) && { ctest --output-on-failure -j $(JOBS); status=$$?; \
		grep -h '^Skipped: ' Testing/Temporary/LastTest.log 2>/dev/null || true; exit $$status; }

# What emcmake does, without its echo: CMake with emscripten's toolchain file.
web-configure: deps
	@$(EMSCRIPTEN_ENV) cmake -S . -B $(WEB_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(WEB_BUILD_TYPE) \
		-DCMAKE_TOOLCHAIN_FILE=$$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake \
		-DCMAKE_CROSSCOMPILING_EMULATOR=node $(WEB_CMAKE_FLAGS) >/dev/null

web: web-configure npm-install
	@$(EMSCRIPTEN_ENV) cmake --build $(WEB_DIR) -j $(JOBS)

# The npm packages package-lock.json pins (playwright-core, which drives Debian's chromium: never a
# browser download), installed again only when the lock changed.
npm-install: node_modules/.package-lock.json
node_modules/.package-lock.json: package-lock.json | deps
	@PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
	@touch $@

# The site from a static file server on this machine.
web-serve: web
	@echo "The browser edition: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	@python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_DIR)/site

# The browser edition's figures in chromium: the site's gzip size, first load to the start screen,
# Calculate and Select to the answer painted (README, "The browser edition").
bench-web: web
	@node bench/web/web_bench.mjs --site $(WEB_DIR)/site

run: build
	@$(BUILD_DIR)/app/korveld

bench: build
	@$(BUILD_DIR)/bench/korveld_bench $(BENCH_ARGS)

# The program's figures: start to the start screen painted, Calculate to the rows painted, peak memory;
# each run a fresh process on Qt's offscreen platform (or X11 when DISPLAY is set, e.g. under xvfb-run).
bench-gui: build
	@$(BUILD_DIR)/bench/korveld_gui_bench

# Requests per second of korveld-cli batch over 100,000 mixed rate and select lines on one core.
bench-batch: build
	@scripts/batch-throughput.sh --cli $(BUILD_DIR)/cli/korveld-cli

# The Debian package, written to $(BUILD_DIR): korveld_<version>_<arch>.deb
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# The whole suite built with clang under AddressSanitizer and UndefinedBehaviorSanitizer, with the
# fuzz targets fuzzing from their seeds. Suppressions, each with its reason, are in tests/sanitizers/.
SANITIZE_DIR ?= build-sanitize
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

deps-sanitize:
	@KORVELD_EXTRA_PACKAGES="clang libclang-rt-14-dev" scripts/install-deps.sh

test-sanitize: deps-sanitize
	@CXX=clang++ cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVELD_SANITIZE=ON \
		-DKORVELD_FUZZ=ON -DKORVELD_BUILD_BENCH=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# Every fuzz target (or those FUZZ_TARGETS names) fuzzed FUZZ_SECONDS from its seeds, one after the
# other, built optimized under AddressSanitizer and UndefinedBehaviorSanitizer; prints per target
# inputs/s and user events survived.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=

fuzz: deps-sanitize
	@CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVELD_SANITIZE=ON \
		-DKORVELD_FUZZ=ON -DKORVELD_BUILD_BENCH=OFF -DKORVELD_BUILD_GUI=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target korveld_fuzzers
	@scripts/fuzz.sh --build $(FUZZ_DIR) --seconds $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# One-line faults planted one at a time in the C++ files this branch changed (or in MUTANTS=paths),
# each rebuilt in a copy of the tree under build-mutants/ and run against the non-GUI tests; prints
# every fault no test catches. MUTANTS_CAP faults per file (default 6). See README, "Mutation sweep".
MUTANTS ?=
MUTANTS_CAP ?= 6
MUTANTS_HEADER_CAP ?= $(MUTANTS_CAP)
mutants:
	@nice -n 10 scripts/mutants.py --cap $(MUTANTS_CAP) --header-cap $(MUTANTS_HEADER_CAP) $(MUTANTS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

deps-lint:
	@KORVELD_EXTRA_PACKAGES="clang-tidy clang-format" scripts/install-deps.sh

# Every source file formatted as .clang-format says; changes nothing, fails on the first difference.
format-check: deps-lint
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# clang-tidy (.clang-tidy) over every source file of the tree, JOBS files at a time, with the
# build's compile commands; a finding fails.
TIDY_FILES = '$(CURDIR)/(app|bench|cli|engine|fuzz|tests|tools|web|worksheets)/'
tidy: deps-lint build
	@run-clang-tidy -p $(BUILD_DIR) -j $(JOBS) -quiet $(TIDY_FILES) >$(BUILD_DIR)/clang-tidy.log 2>&1 || \
		{ grep -E 'warning:|error:' $(BUILD_DIR)/clang-tidy.log; echo "clang-tidy: findings above (all in $(BUILD_DIR)/clang-tidy.log)"; exit 1; }
	@echo "clang-tidy: no finding"

clean:
	@rm -rf $(BUILD_DIR) $(WEB_DIR)
