# make run      installs what is missing, builds, starts the game
# make test     installs what is missing, builds, runs every test
# make bench    installs what is missing, builds, runs the benchmarks
# make sanitize builds a second tree with ASan, UBSan and LSan and runs every test there
# make fuzz     builds the fuzz targets with clang and runs each for FUZZ_SECONDS (default 60)
# make install PREFIX=/usr/local   installs the game as a desktop program (DESTDIR works too)
# make package        builds the Debian packages petara3 and petara3-outlines in build-deb/
# make package-check  lints them, installs them into a clean Debian 12 root and starts the game there
# make fresh-check    runs `make test` on the committed tree in a minimal Debian 12 root with only make
# make artwork        redraws resources/ and the desktop icons in packaging/icons/
# make screenshot     retakes packaging/screenshots/petara3.png on a virtual X display

PACKAGES := g++ make cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
            libjpeg62-turbo-dev libwebp-dev libfluidsynth-dev libfontconfig-dev timgm6mb-soundfont fonts-ipafont-gothic \
            libdlib-dev libblas-dev liblapack-dev libdlib-data qt6-translations-l10n \
            desktop-file-utils appstream dpkg-dev file
FUZZ_PACKAGES := clang libclang-rt-14-dev
ROOT_CHECK_PACKAGES := debootstrap git
PACKAGE_CHECK_PACKAGES := $(ROOT_CHECK_PACKAGES) lintian
SCREENSHOT_PACKAGES := xvfb xauth
PREFIX := /usr/local
BUILD_DIR := build
PACKAGE_DIR := build-deb
ASAN_DIR := build-asan
FUZZ_DIR := build-fuzz
FUZZ_SECONDS := 60
JOBS := $(shell nproc 2>/dev/null || echo 2)

# Sanitizer settings for every test run in the sanitizer tree. Leaks of the libraries we use that
# are not ours to fix go into tests/sanitizers/lsan.supp, each with its reason.
SANITIZER_ENV := QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

.PHONY: all deps fuzz-deps configure compile run test bench sanitize fuzz clean install package \
        package-check fresh-check artwork screenshot

all: compile

# Installs those of the packages given that dpkg does not know as installed.
define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

fuzz-deps:
	$(call install_missing,$(PACKAGES) $(FUZZ_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

compile: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: compile
	./$(BUILD_DIR)/petara3

test: compile
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: compile
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./bench/benchmarks
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./bench/bench_index
	cd $(BUILD_DIR) && ./bench/bench_startup
	cd $(BUILD_DIR) && ./bench/bench_idle

sanitize: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DPETARA_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j$(JOBS)

fuzz: fuzz-deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DPETARA_FUZZ=ON
	cmake --build $(FUZZ_DIR) --target fuzzers -j$(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) fuzz/run-all $(FUZZ_DIR)

install: compile
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The packages come from a tree of their own, configured for /usr (the module then sits in the
# multiarch library folder), with Debian's hardening flags and without the tests.
package: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DPETARA_TESTS=OFF \
	  "-DCMAKE_CXX_FLAGS=$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)" \
	  "-DCMAKE_EXE_LINKER_FLAGS=$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)" \
	  "-DCMAKE_MODULE_LINKER_FLAGS=$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_DIR) -j$(JOBS)
	rm -f $(PACKAGE_DIR)/*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB

package-check: package
	$(MAKE) deps PACKAGES="$(PACKAGE_CHECK_PACKAGES)"
	packaging/check-deb.sh $(PACKAGE_DIR)

fresh-check:
	$(MAKE) deps PACKAGES="$(ROOT_CHECK_PACKAGES)"
	packaging/fresh-check.sh $(BUILD_DIR)

artwork: compile
	cmake --build $(BUILD_DIR) --target make_artwork -j$(JOBS)
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tools/make_artwork resources packaging/icons

screenshot: compile
	$(MAKE) deps PACKAGES="$(SCREENSHOT_PACKAGES)"
	cmake --build $(BUILD_DIR) --target make_screenshot -j$(JOBS)
	mkdir -p packaging/screenshots
	PETARA_AUDIO_DRIVER=file xvfb-run -a -s "-screen 0 1024x768x24" \
	  ./$(BUILD_DIR)/tools/make_screenshot . packaging/screenshots/petara3.png

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(PACKAGE_DIR)
