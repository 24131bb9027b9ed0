# The two commands that matter: `make run` and `make test`. Both install what is
# missing first, so they work on a fresh Debian 12 machine.
.PHONY: setup run test build-dev build-release clean

setup:
	@bash scripts/setup.sh

build-release: setup
	cmake --preset release
	cmake --build --preset release

build-dev: setup
	cmake --preset dev
	cmake --build --preset dev

run: build-release
	./build/release/src/app/crumbleton

test: build-dev
	ctest --preset dev

clean:
	rm -rf build
