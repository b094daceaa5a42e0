# make run    installs what is missing, builds the editor in Release and starts it
# make test   the same set-up, then every test: the CTest suite (unit, widget, end-to-end),
#             the core tests again under AddressSanitizer and UBSan, and a short fuzzing run
# make bench  builds and runs the benchmarks, each figure printed beside its budget
# make test-debian WYDANIE=bookworm|trixie  the two commands and the package on a fresh Debian
#             root under build-debian/ (downloads a few hundred packages; not part of make test)
BUILD := build
# The fuzzing run in make test is repeatable: a fixed seed and a fixed number of inputs
# (about 25 s here), capped in time; FUZZ_ZIARNO=0 lets libFuzzer pick a seed.
FUZZ_ZIARNO ?= 1
FUZZ_PROBY ?= 12000
FUZZ_SEKUNDY ?= 60
WYDANIE ?= trixie

.PHONY: deps configure build run test test-main test-asan test-fuzz bench package test-debian clean

deps:
	@./scripts/zaleznosci.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/edytor-obiektow

test: test-main test-asan test-fuzz

test-main: build
	@command -v atari800 >/dev/null || echo "atari800 is not installed (Debian contrib): the Atari view is not checked in the emulator"
	@command -v mads >/dev/null || echo "mads is not on the PATH (not in Debian): the MADS source export is not checked"
	cd $(BUILD) && ctest --output-on-failure

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

test-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	./build-fuzz/fuzz/fuzz_wczytywanie -seed=$(FUZZ_ZIARNO) -runs=$(FUZZ_PROBY) -max_total_time=$(FUZZ_SEKUNDY) \
		-print_final_stats=1 build-fuzz/korpus fuzz/korpus

bench: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DEDYTOR_BENCH=ON
	cmake --build $(BUILD)
	./$(BUILD)/bench/bench_rdzen; wynik=$$?; \
	xvfb-run -a -s "-screen 0 1280x1024x24" ./$(BUILD)/bench/bench_okno && exit $$wynik

package: build
	cd $(BUILD) && cpack -G DEB

test-debian:
	./scripts/test-debian.sh $(WYDANIE)

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-debian
