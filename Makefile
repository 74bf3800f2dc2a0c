# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
CMAKE_ARGS ?=
JOBS       ?= $(shell nproc)

.PHONY: deps configure build run test sanitize fuzz format format-check install assets assets-check clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/marbix ]; then exec $(BUILD)/marbix; \
	else $(BUILD)/tools/marbix-headless < tools/demo.script; fi

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The core's tests and tools again, built with AddressSanitizer and UBSan.
sanitize: deps
	@cmake -S . -B $(SAN_BUILD) -G Ninja -DMARBIX_CORE_ONLY=ON -DMARBIX_SANITIZE=ON \
		-DMARBIX_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	@ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

# The sound readers fuzzed for FUZZ_SECONDS (libFuzzer, clang); findings
# belong in tests/fuzz/findings.
FUZZ_SECONDS ?= 600

fuzz: deps
	@tests/fuzz/run-fuzz.sh $(CURDIR) $(BUILD)/fuzz-long $(FUZZ_SECONDS)

FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')

format:
	@clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run --Werror $(FORMAT_FILES) && echo "format: clean"

# Prefix /usr/local unless PREFIX is given; DESTDIR stages the files elsewhere.
install: build
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# Redraws every picture (at single and double size) and resynthesises every
# sound into res/ (and the review sheet docs/pictures.png) with
# tools/gen-assets, then checks what it wrote; needs the URW fonts.
GEN_BUILD ?= build-gen-assets

assets: deps
	@dpkg -s fonts-urw-base35 >/dev/null 2>&1 || { \
		sudo=; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
		$$sudo apt-get update -qq && $$sudo apt-get install -y -qq fonts-urw-base35; }
	@cmake -S . -B $(GEN_BUILD) -G Ninja -DMARBIX_GENERATOR=ON -DMARBIX_BENCH=OFF >/dev/null
	@cmake --build $(GEN_BUILD) -j $(JOBS) --target marbix-gen-assets
	@QT_QPA_PLATFORM=offscreen $(GEN_BUILD)/tools/gen-assets/marbix-gen-assets $(CURDIR)

# Draws every picture again and compares it with the committed one, pixel by
# pixel, and checks their sizes, palettes, grids and faces; writes nothing.
assets-check: deps
	@dpkg -s fonts-urw-base35 >/dev/null 2>&1 || { \
		sudo=; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
		$$sudo apt-get update -qq && $$sudo apt-get install -y -qq fonts-urw-base35; }
	@cmake -S . -B $(GEN_BUILD) -G Ninja -DMARBIX_GENERATOR=ON -DMARBIX_BENCH=OFF >/dev/null
	@cmake --build $(GEN_BUILD) -j $(JOBS) --target marbix-gen-assets
	@QT_QPA_PLATFORM=offscreen $(GEN_BUILD)/tools/gen-assets/marbix-gen-assets --check $(CURDIR)

clean:
	@rm -rf $(BUILD) $(SAN_BUILD)
