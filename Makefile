# The README's commands: `make run` and `make test` (plus `make bench`, `make sanitize` and
# `make package`). Each installs what is missing, then builds in build/ (Release).
BUILD ?= build
EXAMPLE := examples/demo_amp.txt
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test sanitize bench deps build viewer package

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > $(BUILD).configure.log 2>&1 || { cat $(BUILD).configure.log; exit 1; }
	@cmake --build $(BUILD) -j$(JOBS)

# Builds only the viewer, its output kept in $(BUILD).build.log unless something fails.
viewer: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > $(BUILD).configure.log 2>&1 || { cat $(BUILD).configure.log; exit 1; }
	@echo "Building the viewer (log: $(BUILD).build.log)"
	@cmake --build $(BUILD) --target velkview -j$(JOBS) > $(BUILD).build.log 2>&1 || { tail -n 40 $(BUILD).build.log; exit 1; }

run: viewer
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/velkview $(EXAMPLE); \
	else \
		echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the viewer needs one."; \
		$(BUILD)/velkview --report $(BUILD)/example-report.pdf $(EXAMPLE) && \
		echo "Wrote the example measurement's report instead: $(BUILD)/example-report.pdf"; \
	fi

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The tests again under AddressSanitizer and UndefinedBehaviorSanitizer (Debug, build-sanitize/).
sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELKVIEW_SANITIZE=ON > build-sanitize.configure.log 2>&1 || { cat build-sanitize.configure.log; exit 1; }
	@cmake --build build-sanitize -j$(JOBS)
	@cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	@for program in $(BUILD)/bench/bench_*; do echo "== $$program"; $$program || exit 1; done

# The Debian package build/velkview_<version>_<arch>.deb, checked after it is made.
package: build
	@cd $(BUILD) && cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@bash packaging/check-deb.sh $(BUILD)
