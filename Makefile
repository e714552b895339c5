# Two entry points: `make run` and `make test`. Each installs what is missing,
# configures and builds first.

BUILD_RELEASE := build/release
BUILD_TEST    := build/test
JOBS          := $(shell nproc)

.PHONY: run test deps build-release build-test clean

run: deps build-release
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "cadenzo needs a display (set DISPLAY, or run it under xvfb-run)."; exit 1; fi
	$(BUILD_RELEASE)/cadenzo

# The Release build too, so a green test run proves `make run` builds.
test: deps build-release build-test
	cd $(BUILD_TEST) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

deps:
	@./tools/install-deps

build-release:
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(BUILD_RELEASE) -j $(JOBS)

build-test:
	cmake -S . -B $(BUILD_TEST) -DCMAKE_BUILD_TYPE=Debug -DCADENZO_SANITIZE=ON -DCADENZO_WERROR=ON -DBUILD_TESTING=ON
	cmake --build $(BUILD_TEST) -j $(JOBS)

clean:
	rm -rf build
