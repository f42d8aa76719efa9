# The README's commands: `make run` and `make test` (plus `make bench`, `make sanitize` and
# `make package`). Each installs what is missing, then builds in build/ (Release).
BUILD ?= build
EXAMPLE := examples/demo_amp.txt
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Every dated output of a build takes the last commit's time, so that two builds of it agree.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

FUZZ_SECONDS ?= 60
FUZZ_HARNESSES := line_syntax reader config ref_path command_line drawing

.PHONY: run test sanitize bench deps build viewer package reproducible fuzz windows windows-check

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

# Open to picture runs on a virtual screen under a window manager where Xvfb and openbox are
# installed, else offscreen; the others need no display.
bench: build
	@for program in $(BUILD)/bench/bench_*; do [ -f $$program ] && [ -x $$program ] || continue; \
		echo "== $$program"; \
		case $$program in \
		*bench_first_paint|*bench_follow) bash tests/with_window_manager.sh 1920x1080 $$program; status=$$?; \
			[ $$status -eq 77 ] && { $$program; status=$$?; }; [ $$status -eq 0 ] || exit $$status ;; \
		*) $$program || exit 1 ;; \
		esac; \
	done

# The Debian package build/velkview_<version>_<arch>.deb: builds only what it ships, checks
# the installed files (packaging/), makes the package and checks it. The package's members
# take their modes from the umask, hence a fixed one.
package: viewer
	@cmake --build $(BUILD) --target velkview_desktop_files -j$(JOBS) >> $(BUILD).build.log 2>&1 || { tail -n 40 $(BUILD).build.log; exit 1; }
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -R '^packaging\.' --output-on-failure
	@cd $(BUILD) && umask 022 && cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@bash packaging/check-deb.sh $(BUILD)

# Makes the package of the last commit twice, in two folders, and compares the two byte for byte.
reproducible: deps
	@bash packaging/check-reproducible.sh

# Each libFuzzer harness of fuzz/ for FUZZ_SECONDS (clang, build-fuzz/). New corpus entries go
# to build-fuzz/corpus/<harness>, the committed seeds stay as they are; a crash or a difference
# from a model stops with the input saved in build-fuzz/ (keep it in fuzz/regressions/).
fuzz:
	@bash scripts/install-deps.sh fuzz
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKVIEW_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ > build-fuzz.configure.log 2>&1 || { cat build-fuzz.configure.log; exit 1; }
	@cmake --build build-fuzz -j$(JOBS)
	@for name in $(FUZZ_HARNESSES); do \
		echo "== fuzz_$$name for $(FUZZ_SECONDS) s"; \
		mkdir -p build-fuzz/corpus/$$name build-fuzz/artifacts; \
		QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 build-fuzz/fuzz/fuzz_$$name \
			-max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/$$name- \
			build-fuzz/corpus/$$name fuzz/corpus/$$name $$(ls -d fuzz/regressions/$$name 2>/dev/null) \
			> build-fuzz/fuzz_$$name.log 2>&1; \
		status=$$?; grep -E '^#[0-9]+ +DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss)|ERROR|check failed' build-fuzz/fuzz_$$name.log; \
		[ $$status -eq 0 ] || { tail -n 30 build-fuzz/fuzz_$$name.log; exit $$status; }; \
	done

# The viewer for 64-bit Windows, cross-built in build-windows/: the program folder as a zip and
# an installer (scripts/build-windows.sh, Qt for Windows from scripts/qt-windows.sh).
windows:
	@JOBS=$(JOBS) bash scripts/build-windows.sh

# The Windows build with its test programs, checked under Wine against the Linux build.
windows-check: viewer
	@JOBS=$(JOBS) VELKVIEW_WINDOWS_TESTS=1 bash scripts/build-windows.sh
	@bash scripts/check-windows.sh $(BUILD)
