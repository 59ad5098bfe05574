# The two set-up commands of the README:
#   make run   installs what is missing, builds, creates the demo database and starts KIS
#   make test  installs what is missing, builds and runs every test
BUILD_DIR ?= build
DEMO_DB   ?= $(CURDIR)/data/demo.kis
DEMO_SIZE ?= small

.PHONY: all deps configure build run test demo clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

demo: build
	@mkdir -p $(dir $(DEMO_DB))
	@if [ ! -f "$(DEMO_DB)" ]; then \
	  echo "Creating demo database $(DEMO_DB) ($(DEMO_SIZE)) ..."; \
	  $(BUILD_DIR)/bin/kis-demo --db=$(DEMO_DB) --size=$(DEMO_SIZE); \
	fi

run: demo
	$(BUILD_DIR)/bin/kis --db=$(DEMO_DB)

test: build
	@QT_QPA_PLATFORM=offscreen ctest --preset default

clean:
	rm -rf $(BUILD_DIR)
