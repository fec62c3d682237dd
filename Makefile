# The two commands of the README:
#   make demo   installs what is missing, builds, and creates the demo database
#   make test   installs what is missing, builds, and runs every test
BUILD ?= build
DEMO_DB ?= $(BUILD)/demo.sqlite

.PHONY: all deps configure build demo test bench fuzz clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD)

demo: build
	@scripts/make-demo.sh $(BUILD) $(DEMO_DB)

test: configure
	@scripts/run-tests.sh

# The benchmarks, on SQLite and on a private PostgreSQL server over loopback.
BENCH_PG_PORT ?= 55450
bench: build
	@scripts/pg-test-cluster.sh start $(BUILD)/pg-bench $(BENCH_PG_PORT) >/dev/null
	@QUV_BENCH_PG_URL=postgresql://quvtest@127.0.0.1:$(BENCH_PG_PORT)/postgres $(BUILD)/bench/quvhesap-bench; \
	  status=$$?; scripts/pg-test-cluster.sh stop $(BUILD)/pg-bench $(BENCH_PG_PORT) >/dev/null; exit $$status

# The fault harness for SECONDS seconds (60 by default) with a random seed; a failure
# names its seed, which QUV_FUZZ_SEED=<seed> replays.
SECONDS ?= 60
fuzz: build
	@QUV_FUZZ_SECONDS=$(SECONDS) QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
	  $(BUILD)/tests/apps/apps_fault_harness --gtest_brief=1

clean:
	rm -rf $(BUILD) build-asan
