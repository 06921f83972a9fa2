# make run   installs what is missing, builds, starts the game
# make test  installs what is missing, builds, runs every test
# make bench installs what is missing, builds, runs the benchmarks

PACKAGES := g++ make cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
            libjpeg62-turbo-dev libfluidsynth-dev timgm6mb-soundfont fonts-ipafont-gothic \
            libdlib-dev libdlib-data
BUILD_DIR := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure compile run test bench clean

all: compile

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

compile: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: compile
	./$(BUILD_DIR)/petara3

test: compile
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: compile
	cmake --build $(BUILD_DIR) --target benchmarks -j$(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./bench/benchmarks

clean:
	rm -rf $(BUILD_DIR)
