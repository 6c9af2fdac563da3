# Two commands do all the set-up: `make run` and `make test`.
# `make check` runs clang-tidy and every test again under sanitizers (CI does
# this as part of `make test`); `make fuzz` runs each fuzz target for
# FUZZ_SECONDS. With CI set, and in `make check`, a compiler warning is an error.
BUILD ?= build
CHECK_BUILD ?= build-check
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
PACKAGES := cmake g++ make qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev xvfb xauth \
  zlib1g-dev dpkg-dev desktop-file-utils appstream python3-pyatspi at-spi2-core dbus-bin locales \
  libwebp-dev libgif-dev
CHECK_PACKAGES := $(PACKAGES) clang-tidy
# The fuzz build links the program's own libraries, Qt and zlib included.
FUZZ_PACKAGES := $(PACKAGES) clang libclang-rt-dev
# The package is checked as Debian checks its own.
PACKAGE_PACKAGES := $(PACKAGES) lintian
WERROR := $(if $(CI),ON,OFF)
# The folders of the program's own sources, which clang-tidy reads.
LEVELS := base model drawing forms window engine wheels random files canvas app automation
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps check-deps fuzz-deps package-deps build run test check fuzz fuzz-build bench clean screenshot \
  install package comma-locale

deps check-deps fuzz-deps package-deps: WANTED = $(or $(if $(filter fuzz-deps,$@),$(FUZZ_PACKAGES)),$(if $(filter check-deps,$@),$(CHECK_PACKAGES)),$(if $(filter package-deps,$@),$(PACKAGE_PACKAGES)),$(PACKAGES))
deps check-deps fuzz-deps package-deps:
	@missing=""; for p in $(WANTED); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/Makefile: CMakeLists.txt
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTROCHELA_WERROR=$(WERROR)

build: deps $(BUILD)/Makefile
	cmake --build $(BUILD) -j$(JOBS)

# Without a display nobody would see a window: draw the picture of PARMS (the
# start picture by default) into trochela.png instead.
PARMS ?= examples/start.tra
run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then ./$(BUILD)/trochela; \
	else ./$(BUILD)/trochela --render "$(PARMS)" --out trochela.png && \
	  echo "no display: the picture of $(PARMS) is in $$(pwd)/trochela.png"; fi

# Some tests run under a locale that writes numbers with a decimal comma; where
# it cannot be made, they say so and are skipped.
COMMA_LOCALE := de_DE.UTF-8
comma-locale: deps
	@locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' || { \
	  echo "generating the locale $(COMMA_LOCALE) for the tests"; \
	  $(SUDO) localedef -i de_DE -f UTF-8 $(COMMA_LOCALE) || \
	  echo "cannot generate $(COMMA_LOCALE): its tests will be skipped"; }

test: build comma-locale
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	@if [ -n "$$CI" ]; then $(MAKE) --no-print-directory check; fi

# clang-tidy's checks (.clang-tidy) over the program's sources, then every
# test under AddressSanitizer and UndefinedBehaviorSanitizer, in its own build
# folder, warnings as errors; the first finding fails.
check: check-deps comma-locale
	cmake -S . -B $(CHECK_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DTROCHELA_SANITIZE=ON -DTROCHELA_WERROR=ON
	cmake --build $(CHECK_BUILD) -j$(JOBS)
	run-clang-tidy -p $(CHECK_BUILD) -j $(JOBS) -quiet \
	  '$(CURDIR)/($(subst $() ,|,$(LEVELS)))/[^/]*\.cpp$$'
	cd $(CHECK_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j$(JOBS)

# libFuzzer targets (fuzz/*_fuzz.cpp) built with clang. Each runs for
# FUZZ_SECONDS on a corpus of its own in the build folder, seeded from
# SEEDS_<target>, and prints its runs per second.
FUZZ_TARGETS := $(basename $(notdir $(wildcard fuzz/*_fuzz.cpp)))
SEEDS_script_fuzz := tests/scripts
SEEDS_parms_fuzz := tests/parms_corpus
SEEDS_profile_line_ends_fuzz := tests/parms_corpus
SEEDS_apply_parms_fuzz := tests/parms_corpus
SEEDS_picture_settings_fuzz := tests/parms_corpus tests/reference

fuzz: $(addprefix fuzz-run-,$(FUZZ_TARGETS))

fuzz-build: fuzz-deps
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

# Paths are whole: a target that loads files as the window does moves the
# current folder as its dialogs do.
FUZZ_DIR = $(abspath $(FUZZ_BUILD))
fuzz-run-%: fuzz-build
	@mkdir -p $(FUZZ_DIR)/corpus/$*
	@echo "fuzzing $* for $(FUZZ_SECONDS) s"
	@LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp $(FUZZ_DIR)/$* \
	  -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/ \
	  $(FUZZ_DIR)/corpus/$* $(abspath $(SEEDS_$*)) \
	  > $(FUZZ_DIR)/$*.log 2>&1 || { tail -40 $(FUZZ_DIR)/$*.log; exit 1; }
	@grep -E "^#[0-9]+.*DONE|stat::number_of_executed_units|stat::average_exec_per_sec" \
	  $(FUZZ_BUILD)/$*.log

# `make install` puts the program, its desktop entry, icons, metainfo, file
# type and manual page under PREFIX (inside DESTDIR when given); `make package`
# builds a Debian package of the same tree into the build folder.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	@if [ -z "$(DESTDIR)" ] && command -v update-mime-database >/dev/null; then \
	  update-mime-database "$(PREFIX)/share/mime"; \
	  update-desktop-database -q "$(PREFIX)/share/applications" 2>/dev/null || true; \
	  gtk-update-icon-cache -q -t "$(PREFIX)/share/icons/hicolor" 2>/dev/null || true; fi

# lintian reports the package's faults; any error fails the target.
package: package-deps build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/*.deb
	@if command -v lintian >/dev/null; then \
	  lintian --pedantic --fail-on error $(BUILD)/trochela_$$(sed -n 's/^set(TROCHELA_VERSION \(.*\))$$/\1/p' cmake/version.cmake)_*.deb; fi

bench: build
	./$(BUILD)/bench/trochela_draw_bench
	./$(BUILD)/bench/trochela_export_bench
	./$(BUILD)/bench/trochela_pause_bench
	./$(BUILD)/bench/trochela_render_memory_bench
	./$(BUILD)/bench/trochela_smooth_bench examples
	./$(BUILD)/bench/trochela_batch_bench ./$(BUILD)/trochela
	./$(BUILD)/bench/trochela_plot_bench ./$(BUILD)/trochela
	./$(BUILD)/bench/trochela_animation_bench

clean:
	rm -rf $(BUILD) $(CHECK_BUILD) $(FUZZ_BUILD)
