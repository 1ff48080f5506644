# The two everyday commands: `make run` builds and starts Halvex, `make test`
# builds everything and runs every test, the fuzz targets' bounded runs
# included. Both install missing Debian packages first. `make build` is the
# release build alone, which `make run` starts from.

RUN_PRESET := release
TEST_PRESET := dev

.PHONY: build run test format-check fuzz bench package deps clean

# Seconds each fuzz target runs under `make fuzz`.
FUZZ_TIME := 300

deps:
	@sh tools/install-deps.sh

build: deps
	cmake --preset $(RUN_PRESET)
	cmake --build --preset $(RUN_PRESET)

run: build
	./build/$(RUN_PRESET)/app/halvex

test: deps
	cmake --preset $(TEST_PRESET)
	cmake --build --preset $(TEST_PRESET)
	ctest --preset $(TEST_PRESET) --output-on-failure
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz --output-on-failure

# Whether every C++ source keeps the house style of .clang-format.
format-check: deps
	sh tools/check-format.sh

# Longer fuzz runs than the tests make; what they find is kept in build/fuzz/fuzz/found.
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	for target in csv number commandline; do \
	  ./build/fuzz/fuzz/fuzz_$$target -max_total_time=$(FUZZ_TIME) -max_len=4096 -timeout=10 \
	    build/fuzz/fuzz/found/$$target fuzz/corpus/$$target || exit 1; \
	done

bench: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/halvex_bench
	sh bench/cli_assess.sh build/release/cli/halvex-cli
	sh bench/cli_sheet.sh build/release/cli/halvex-cli
	./build/release/bench/startup_bench
	sh bench/instructions.sh build/release

# A Debian package of the release build, in build/release.
package: deps
	cmake --preset release
	cmake --build --preset release
	cd build/release && cpack

clean:
	rm -rf build
