# Two commands do all the set-up: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES := cmake g++ make qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev xvfb xauth
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run test bench clean screenshot fuzz fuzz-parms

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/Makefile: CMakeLists.txt
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/Makefile
	cmake --build $(BUILD) -j$(JOBS)

# Without a display nobody would see a window: draw the picture of PARMS (the
# start picture by default) into trochela.png instead.
PARMS ?= examples/start.tra
run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then ./$(BUILD)/trochela; \
	else ./$(BUILD)/trochela --render "$(PARMS)" --out trochela.png && \
	  echo "no display: the picture of $(PARMS) is in $$(pwd)/trochela.png"; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	./$(BUILD)/bench/trochela_draw_bench
	./$(BUILD)/bench/trochela_export_bench
	./$(BUILD)/bench/trochela_pause_bench

# Fuzzing with libFuzzer (clang); not part of `make test`. FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 60
FUZZ_BUILD ?= build-fuzz
FUZZ_FLAGS := -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I.

fuzz: fuzz-parms

# The profile reader and the parameter-file checker, from the corpus of real
# .tra files in tests/parms_corpus (copied, so the run adds nothing there).
fuzz-parms:
	@$(MAKE) --no-print-directory deps PACKAGES="clang libclang-rt-dev"
	mkdir -p $(FUZZ_BUILD)/parms_corpus
	cp tests/parms_corpus/*.tra $(FUZZ_BUILD)/parms_corpus/
	clang++ $(FUZZ_FLAGS) fuzz/parms_fuzz.cpp base/profile.cpp base/numbers.cpp \
	  files/parms_check.cpp -o $(FUZZ_BUILD)/parms_fuzz
	$(FUZZ_BUILD)/parms_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  $(FUZZ_BUILD)/parms_corpus

clean:
	rm -rf $(BUILD)
