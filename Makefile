# The two commands: `make run` and `make test`. Both install what is missing first.
.PHONY: run test screenshots bench deps build-native build-windows clean

APT_PACKAGES := cmake ninja-build g++ googletest libbenchmark-dev g++-mingw-w64-x86-64-posix \
                wine wine64 xvfb imagemagick xdotool
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

run: deps build-windows
	cmake/run-program.sh

test: deps build-native build-windows
	cmake/run-tests.sh

# One PNG of each page of the main window, under Wine on a virtual screen.
screenshots: deps build-windows
	cmake/screenshots.sh

# Emptying a temporary folder of 50,000 files in 2,000 folders, beside rm -rf on the same tree.
# Then WipeFile on a 1 GiB file under Wine beside dd (WIPE_BENCH_MIB=256 for a smaller file).
bench: deps
	cmake --preset native-release
	cmake --build --preset native-release --target shred_folder_bench
	build/native-release/tests/shred_folder_bench
	cmake --preset windows
	cmake --build --preset windows --target wipe_file_bench
	cmake/wipe-bench.sh
	cmake --build --preset windows --target Calvorin bare_dialog window_bench
	cmake/under-wine.sh build/wine-bench wine build/windows/bin/window_bench.exe 5

deps:
	@missing=""; \
	for p in $(APT_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build-native:
	cmake --preset native
	cmake --build --preset native
	cmake --preset native-sanitize
	cmake --build --preset native-sanitize

build-windows:
	cmake --preset windows
	cmake --build --preset windows

clean:
	rm -rf build screenshots
