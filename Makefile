# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
CMAKE_ARGS ?=
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
DEB_OUT    ?= out
# Warnings are errors in CI builds (CI=true), not for users.
WERROR     ?= $(if $(filter true,$(CI)),ON,OFF)
override CMAKE_ARGS += -DMARBIX_WERROR=$(WERROR)

.PHONY: deps deps-test deps-deb build build-test run test check sanitize fuzz format \
	format-check tidy install uninstall deb assets assets-check clean

# Playing and installing build the game alone; testing adds the tests and benchmarks.
deps:
	@scripts/install-deps.sh run

deps-test:
	@scripts/install-deps.sh test

deps-deb:
	@scripts/install-deps.sh deb

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DMARBIX_TESTS=OFF -DMARBIX_BENCH=OFF \
		-DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-test: deps-test
	@cmake -S . -B $(BUILD) -G Ninja -DMARBIX_TESTS=ON -DMARBIX_BENCH=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/marbix ]; then exec $(BUILD)/marbix; \
	else $(BUILD)/tools/marbix-headless < tools/demo.script; fi

# Every tier but the package's, which `make deb` runs on the package it builds.
test: build-test
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -LE '^package$$'

# The fast, deterministic tier alone.
check: build-test
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -L '^unit$$'

# The core's tests and tools again, built with AddressSanitizer and UBSan.
sanitize: deps-test
	@cmake -S . -B $(SAN_BUILD) -G Ninja -DMARBIX_CORE_ONLY=ON -DMARBIX_SANITIZE=ON \
		-DMARBIX_TESTS=ON -DMARBIX_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug $(CMAKE_ARGS) >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	@ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

# The sound readers and the recorded-game reader fuzzed for FUZZ_SECONDS
# each (libFuzzer, clang); findings belong in tests/fuzz/findings.
FUZZ_SECONDS ?= 600

fuzz: deps-test
	@tests/fuzz/run-fuzz.sh $(CURDIR) $(BUILD)/fuzz-long $(FUZZ_SECONDS)

FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')

format:
	@clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run --Werror $(FORMAT_FILES) && echo "format: clean"

# clang-tidy with the checks of .clang-tidy over every source of the tree.
TIDY_FOLDERS = app|bench|engine|platform|record|score|sound|tests|tools|view

tidy: build-test
	@run-clang-tidy -quiet -p $(BUILD) -j $(JOBS) '^$(CURDIR)/($(TIDY_FOLDERS))/.*\.cpp$$' \
		>$(BUILD)/tidy.log 2>&1 || { grep -E 'error:|warning:' $(BUILD)/tidy.log; exit 1; }
	@echo "tidy: clean"

# Stripped, into PREFIX (/usr/local unless given); DESTDIR stages the files elsewhere.
install: build
	@DESTDIR=$(DESTDIR) scripts/installation.sh install $(BUILD)

# Removes what the last install from $(BUILD) put in place, and the folders it made.
uninstall:
	@DESTDIR=$(DESTDIR) scripts/installation.sh uninstall $(BUILD)

# The Debian package, its tests run during the build; the files land in
# $(DEB_OUT)/. Then the package's own test installs and plays it (skipped
# where dpkg cannot install: not root).
deb: deps-deb
	@DEB_BUILD_OPTIONS="parallel=$(JOBS) $(DEB_BUILD_OPTIONS)" dpkg-buildpackage -b -us -uc
	@mkdir -p $(DEB_OUT) && v=$$(dpkg-parsechangelog -S Version) && \
		mv ../marbix_$${v}_*.deb ../marbix-dbgsym_$${v}_*.deb ../marbix_$${v}_*.buildinfo \
		   ../marbix_$${v}_*.changes $(DEB_OUT)/ && ls $(DEB_OUT)/*.deb
	@cmake -S . -B $(BUILD) -G Ninja -DMARBIX_TESTS=ON -DMARBIX_BENCH=OFF -DMARBIX_PACKAGE_TEST=ON \
		$(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target sound_session_test
	@MARBIX_DEB=$$(ls $(CURDIR)/$(DEB_OUT)/marbix_*_$$(dpkg --print-architecture).deb) \
		ctest --test-dir $(BUILD) --output-on-failure -L '^package$$'

# Redraws every picture (at single and double size) and resynthesises every
# sound into res/ (and the review sheet docs/pictures.png) with
# tools/gen-assets, then checks what it wrote; needs the URW fonts, and the
# Noto CJK faces for the Chinese and Japanese pictures.
GEN_BUILD ?= build-gen-assets

# $(call gen_assets,OPTIONS): installs the fonts, builds the generator and
# runs it with OPTIONS on the source tree.
define gen_assets
	@dpkg -s fonts-urw-base35 fonts-noto-cjk >/dev/null 2>&1 || { \
		sudo=; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
		$$sudo apt-get update -qq && $$sudo apt-get install -y -qq fonts-urw-base35 fonts-noto-cjk; }
	@cmake -S . -B $(GEN_BUILD) -G Ninja -DMARBIX_GENERATOR=ON -DMARBIX_TESTS=OFF -DMARBIX_BENCH=OFF \
		$(CMAKE_ARGS) >/dev/null
	@cmake --build $(GEN_BUILD) -j $(JOBS) --target marbix-gen-assets
	@QT_QPA_PLATFORM=offscreen $(GEN_BUILD)/tools/gen-assets/marbix-gen-assets $(1) $(CURDIR)
endef

assets: deps-test
	$(call gen_assets)

# Draws every picture again and compares it with the committed one, pixel by
# pixel, and checks their sizes, palettes, grids and faces; writes nothing.
assets-check: deps
	$(call gen_assets,--check)

clean:
	@rm -rf $(BUILD) $(SAN_BUILD) $(DEB_OUT)
