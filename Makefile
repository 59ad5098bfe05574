# The two set-up commands of the README:
#   make run   installs what is missing, builds, creates the demo database and starts KIS
#   make test  installs what is missing, builds and runs every test
# For developers (not part of CI, it takes long):
#   make sanitize  builds in build-sanitize with AddressSanitizer and UndefinedBehaviorSanitizer
#                  and runs every test there
BUILD_DIR ?= build
DEMO_DB   ?= $(CURDIR)/data/demo.kis
DEMO_SIZE ?= small

.PHONY: all deps configure build run test demo sanitize clean

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

sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

clean:
	rm -rf $(BUILD_DIR) build-sanitize
