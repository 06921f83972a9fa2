# make run   installs what is missing, builds, starts the game
# make test  installs what is missing, builds, runs every test
# make bench installs what is missing, builds, runs the benchmarks
# make install PREFIX=/usr/local   installs the game as a desktop program (DESTDIR works too)
# make package        builds the Debian package build/petara3_<version>_<arch>.deb
# make package-check  installs that package into a clean Debian 12 root and starts the game there
# make artwork        redraws resources/ and the desktop icons in packaging/icons/
# make screenshot     retakes packaging/screenshots/petara3.png on a virtual X display

PACKAGES := g++ make cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
            libjpeg62-turbo-dev libfluidsynth-dev timgm6mb-soundfont fonts-ipafont-gothic \
            desktop-file-utils appstream dpkg-dev file
PACKAGE_CHECK_PACKAGES := debootstrap
SCREENSHOT_PACKAGES := xvfb xauth
PREFIX := /usr/local
BUILD_DIR := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure compile run test bench clean install package package-check artwork screenshot

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

install: compile
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: compile
	cd $(BUILD_DIR) && cpack -G DEB

package-check: package
	$(MAKE) deps PACKAGES="$(PACKAGE_CHECK_PACKAGES)"
	packaging/check-deb.sh $(BUILD_DIR)

artwork: compile
	cmake --build $(BUILD_DIR) --target make_artwork -j$(JOBS)
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/make_artwork resources packaging/icons

screenshot: compile
	$(MAKE) deps PACKAGES="$(SCREENSHOT_PACKAGES)"
	cmake --build $(BUILD_DIR) --target make_screenshot -j$(JOBS)
	mkdir -p packaging/screenshots
	PETARA_AUDIO_DRIVER=file xvfb-run -a -s "-screen 0 1024x768x24" \
	  ./$(BUILD_DIR)/make_screenshot . packaging/screenshots/petara3.png

clean:
	rm -rf $(BUILD_DIR)
