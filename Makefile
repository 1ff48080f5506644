# The two everyday commands: `make run` builds and starts Halvex, `make test`
# builds everything and runs every test. Both install missing Debian packages first.

RUN_PRESET := release
TEST_PRESET := dev

.PHONY: run test bench package deps clean

deps:
	@sh tools/install-deps.sh

run: deps
	cmake --preset $(RUN_PRESET)
	cmake --build --preset $(RUN_PRESET)
	./build/$(RUN_PRESET)/app/halvex

test: deps
	cmake --preset $(TEST_PRESET)
	cmake --build --preset $(TEST_PRESET)
	ctest --preset $(TEST_PRESET)

bench: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/halvex_bench
	sh bench/cli_assess.sh build/release/cli/halvex-cli
	sh bench/cli_sheet.sh build/release/cli/halvex-cli
	./build/release/bench/startup_bench

# A Debian package of the release build, in build/release.
package: deps
	cmake --preset release
	cmake --build --preset release
	cd build/release && cpack

clean:
	rm -rf build
