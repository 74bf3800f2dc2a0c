# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
CMAKE_ARGS ?=
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
DEB_OUT    ?= out

.PHONY: deps deps-test build build-test run test sanitize fuzz format format-check install \
	uninstall deb assets assets-check clean

# Playing and installing build the game alone; testing adds the tests and benchmarks.
deps:
	@scripts/install-deps.sh run

deps-test:
	@scripts/install-deps.sh test

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

test: build-test
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The core's tests and tools again, built with AddressSanitizer and UBSan.
sanitize: deps-test
	@cmake -S . -B $(SAN_BUILD) -G Ninja -DMARBIX_CORE_ONLY=ON -DMARBIX_SANITIZE=ON \
		-DMARBIX_TESTS=ON -DMARBIX_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
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

# Stripped, into PREFIX (/usr/local unless given); DESTDIR stages the files elsewhere.
install: build
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD) --strip

# Removes what the last install from $(BUILD) put in place, and our own folders.
uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "nothing installed from $(BUILD)" >&2; exit 1; }
	@sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt | xargs -r -d '\n' rm -f
	@sed -n 's|^\(.*/marbix\)/[^/]*$$|$(DESTDIR)\1|p' $(BUILD)/install_manifest.txt | sort -u | \
		xargs -r -d '\n' rmdir --ignore-fail-on-non-empty

# The Debian package, its tests run during the build; the files land in $(DEB_OUT)/.
deb: deps-test
	@DEB_BUILD_OPTIONS="parallel=$(JOBS) $(DEB_BUILD_OPTIONS)" dpkg-buildpackage -b -us -uc
	@mkdir -p $(DEB_OUT) && v=$$(dpkg-parsechangelog -S Version) && \
		mv ../marbix_$${v}_*.deb ../marbix-dbgsym_$${v}_*.deb ../marbix_$${v}_*.buildinfo \
		   ../marbix_$${v}_*.changes $(DEB_OUT)/ && ls $(DEB_OUT)/*.deb

# Redraws every picture (at single and double size) and resynthesises every
# sound into res/ (and the review sheet docs/pictures.png) with
# tools/gen-assets, then checks what it wrote; needs the URW fonts, and the
# Noto CJK faces for the Chinese and Japanese pictures.
GEN_BUILD ?= build-gen-assets

assets: deps-test
	@dpkg -s fonts-urw-base35 fonts-noto-cjk >/dev/null 2>&1 || { \
		sudo=; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
		$$sudo apt-get update -qq && $$sudo apt-get install -y -qq fonts-urw-base35 fonts-noto-cjk; }
	@cmake -S . -B $(GEN_BUILD) -G Ninja -DMARBIX_GENERATOR=ON -DMARBIX_TESTS=OFF -DMARBIX_BENCH=OFF >/dev/null
	@cmake --build $(GEN_BUILD) -j $(JOBS) --target marbix-gen-assets
	@QT_QPA_PLATFORM=offscreen $(GEN_BUILD)/tools/gen-assets/marbix-gen-assets $(CURDIR)

# Draws every picture again and compares it with the committed one, pixel by
# pixel, and checks their sizes, palettes, grids and faces; writes nothing.
assets-check: deps
	@dpkg -s fonts-urw-base35 fonts-noto-cjk >/dev/null 2>&1 || { \
		sudo=; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
		$$sudo apt-get update -qq && $$sudo apt-get install -y -qq fonts-urw-base35 fonts-noto-cjk; }
	@cmake -S . -B $(GEN_BUILD) -G Ninja -DMARBIX_GENERATOR=ON -DMARBIX_TESTS=OFF -DMARBIX_BENCH=OFF >/dev/null
	@cmake --build $(GEN_BUILD) -j $(JOBS) --target marbix-gen-assets
	@QT_QPA_PLATFORM=offscreen $(GEN_BUILD)/tools/gen-assets/marbix-gen-assets --check $(CURDIR)

clean:
	@rm -rf $(BUILD) $(SAN_BUILD) $(DEB_OUT)
