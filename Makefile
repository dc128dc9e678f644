# The two set-up commands: `make run` and `make test`. Both install what they need first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PORT ?= 7520
DATA_DIR ?= $(HOME)/.local/share/Nuvex
CMAKE_FLAGS ?=
# ccache hits across clones of the repository in other folders (CI builds a fresh clone).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true

.PHONY: deps configure build test run bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) --output-on-failure --timeout 300

bench: build
	@set -e; for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done; true

run: build
	@scripts/run "$(BUILD_DIR)" "$(PORT)" "$(DATA_DIR)"

clean:
	@rm -rf $(BUILD_DIR)
