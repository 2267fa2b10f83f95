# Two commands on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
BUILD := build

.PHONY: deps build run test clean

deps:
	scripts/install-deps

build: deps
	cmake --preset default
	cmake --build $(BUILD)

run: build
	$(BUILD)/src/vantorel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j2 --output-on-failure

clean:
	rm -rf $(BUILD) build-asan build-tsan build-fuzz
