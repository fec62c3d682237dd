# The two commands of the README:
#   make demo   installs what is missing, builds, and creates the demo database
#   make test   installs what is missing, builds, and runs every test
BUILD ?= build
DEMO_DB ?= $(BUILD)/demo.sqlite

.PHONY: all deps configure build demo test bench clean

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

bench: build
	@$(BUILD)/bench/quvhesap-bench

clean:
	rm -rf $(BUILD) build-asan
