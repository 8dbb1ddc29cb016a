# The two commands of the README: `make run` and `make test`.
# Each installs the Debian packages it needs first.

BUILD      ?= build
JOBS       ?= $(shell nproc)
FUZZ_TIME  ?= 60
# Seconds per fuzz target within `make test` (seven targets).
TEST_FUZZ_TIME ?= 30
DEMO       ?= data/demo.nmea
PREFIX     ?= /usr/local

.PHONY: all deps build app run install test bench fuzz clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The application and the simulator only: what `run` and `install` need.
app: deps
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target harrowview receiver-sim

# Starts Harrowview playing the bundled capture in a loop, with the four live
# windows open (settings of its own in $(BUILD)/demo-profile.ini).
run: app
	@scripts/demo-profile.sh $(BUILD)/demo-profile.ini
	@$(BUILD)/harrowview --profile $(BUILD)/demo-profile.ini --demo $(DEMO)

# The program, receiver-sim, the demo capture, a desktop entry and an icon
# under PREFIX (sudo when PREFIX is not writable).
install: app
	@if [ -w "$(PREFIX)" ] || [ "$$(id -u)" = 0 ]; then \
	    cmake --install $(BUILD) --prefix $(PREFIX); \
	else sudo cmake --install $(BUILD) --prefix $(PREFIX); fi

# Unit, integration and corpus tests; again under AddressSanitizer and
# UndefinedBehaviorSanitizer; the concurrency tests under ThreadSanitizer;
# then a short fuzzing run.
test: deps
	@FUZZ_TIME=$(TEST_FUZZ_TIME) JOBS=$(JOBS) scripts/run-tests.sh

bench: build
	@$(BUILD)/bench/nmea-bench
	@bench/compare-gpsd.sh $(BUILD)
	@$(BUILD)/bench/link-latency
	@$(BUILD)/bench/skyplot-bench
	@$(BUILD)/bench/survey-bench
	@$(BUILD)/bench/monitor-keepup 25
	@bench/app-measure.sh $(BUILD)

fuzz: deps
	@FUZZ_TIME=$(FUZZ_TIME) scripts/run-fuzz.sh

clean:
	rm -rf build build-asan build-tsan build-fuzz
