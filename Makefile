# Two commands on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
# and the benchmarks' table: make bench
BUILD := build
SHELL := /bin/bash
.SHELLFLAGS := -o pipefail -c

.PHONY: deps build run test sanitize fuzz bench clean

deps:
	scripts/install-deps

build: deps
	cmake --preset default
	cmake --build $(BUILD)

run: build
	$(BUILD)/src/vantorel

test: build
	cd $(BUILD) && ctest -j2 --output-on-failure

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake --preset asan
	cmake --build build-asan
	cd build-asan && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest -j2 --output-on-failure

# Each fuzz target for FUZZ_SECONDS from its committed corpus.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := match_echo_reply reg_file profile layout_record
fuzz: deps
	cmake --preset fuzz
	cmake --build build-fuzz --target $(addsuffix _fuzz,$(FUZZ_TARGETS))
	for target in $(FUZZ_TARGETS); do \
	  work=$$(mktemp -d); \
	  build-fuzz/fuzz/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=$$work/ $$work fuzz/corpus/$$target 2>&1 | tail -n 2 || exit 1; \
	  rm -rf $$work; \
	done

bench: build
	bench/run-bench $(BUILD)

clean:
	rm -rf $(BUILD) build-asan build-tsan build-fuzz
