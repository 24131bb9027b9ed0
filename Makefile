# The two commands that matter: `make run` and `make test`. Both install what is
# missing first, so they work on a fresh Debian 12 machine.
.PHONY: setup run test bench build-dev build-release build-asan clean install package hardening reproducible \
        autopkgtest screenshots

setup:
	@bash scripts/setup.sh

build-release: setup
	cmake --preset release
	cmake --build --preset release

build-dev: setup
	cmake --preset dev
	cmake --build --preset dev

build-asan: setup
	cmake --preset asan
	cmake --build --preset asan

run: build-release
	./build/release/src/app/crumbleton

# The whole suite, then the core's tests again under the sanitizers.
test: build-dev build-asan
	ctest --preset dev
	ctest --preset asan

clean:
	rm -rf build

# The cost of a tick of the rules, then the whole program in play for 20 s
# (offscreen, or on the X display when DISPLAY is set) beside the floors it is
# judged against, run just before it on the same platform: a bare 16 ms timer and
# a bare Qt window repainting the same rectangles. Last, the peak memory at scale
# 2 through the win sequence. Each table comes with the command that reproduces it.
TICK_BENCH = ./build/bench/bench/tick_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true --benchmark_color=false
PLAY_MEASURE = ./build/bench/bench/play_measure --seconds=20
PLAY_MEASURE_WIN_SCALE_2 = QT_SCALE_FACTOR=2 ./build/bench/bench/play_measure --seconds=8 --paused-seconds=2 --win --no-floors
bench: setup
	cmake --preset bench
	cmake --build --preset bench
	$(TICK_BENCH)
	@echo "reproduce: $(TICK_BENCH)"
	$(PLAY_MEASURE)
	$(PLAY_MEASURE_WIN_SCALE_2)

# Installs the game for the desktop: PREFIX (default /usr/local) and DESTDIR are honoured.
PREFIX ?= /usr/local
install: build-release
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)"

# The Debian source and binary packages, built by dpkg-buildpackage from a copy of
# the tree, in build/package: crumbleton_<version>_<arch>.deb, its .changes, the
# source package's .dsc and .tar.xz.
package: setup
	bash scripts/package.sh build/package

# The hardening of the program that `make run` starts, as hardening-check sees it.
hardening: build-release
	bash tests/install/check_hardening.sh build/release/src/app/crumbleton build/release/compile_commands.json

# Two package builds from two clones of the last commit, in other folders, time
# zones, locales, umasks and clocks, must give the same bytes.
reproducible:
	@bash scripts/setup.sh faketime diffoscope-minimal
	bash scripts/reproducible.sh build/reproducible

# The installed package's own tests (debian/tests), run by autopkgtest on this
# machine: it installs the package and what the tests need.
autopkgtest: package
	@bash scripts/setup.sh autopkgtest
	autopkgtest build/package/crumbleton_*.changes -- null

# The pictures of the screens in docs/screenshots, at scale factors 1 and 2.
# `make screenshots LANG=de` renders them in one language instead, with the two
# end-of-game messages, to build/screenshots/de; a LANG from the environment does
# not count.
SCREENSHOT_DESKTOP = QT_QPA_PLATFORM=offscreen:configfile=tests/ui/desktops/large.json
screenshots: build-dev
ifeq ($(origin LANG),command line)
	cmake --build --preset dev --target screenshots
	$(SCREENSHOT_DESKTOP) QT_SCALE_FACTOR=1 ./build/dev/tools/screenshots/screenshots build/screenshots/$(LANG) $(LANG)
	$(SCREENSHOT_DESKTOP) QT_SCALE_FACTOR=2 ./build/dev/tools/screenshots/screenshots build/screenshots/$(LANG) $(LANG)
else
	cmake --build --preset dev --target take_screenshots
endif
