# The two commands of the README: `make run` and `make test`.
# Each installs the Debian packages it needs first.

BUILD      ?= build
JOBS       ?= $(shell nproc)
FUZZ_TIME  ?= 60
DEMO       ?= data/demo.nmea

.PHONY: all deps build run test bench fuzz clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# Decodes the bundled capture and prints what the receiver state shows.
run: build
	@$(BUILD)/tools/nmea-inspect --skip-comments $(DEMO)

# Unit, integration and corpus tests; again under AddressSanitizer and
# UndefinedBehaviorSanitizer; the concurrency tests under ThreadSanitizer;
# then a short fuzzing run.
test: deps
	@FUZZ_TIME=$(FUZZ_TIME) JOBS=$(JOBS) scripts/run-tests.sh

bench: build
	@$(BUILD)/bench/nmea-bench
	@bench/compare-gpsd.sh $(BUILD)
	@$(BUILD)/bench/link-latency

fuzz: deps
	@FUZZ_TIME=$(FUZZ_TIME) scripts/run-fuzz.sh

clean:
	rm -rf build build-asan build-tsan build-fuzz
