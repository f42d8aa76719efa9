# The README's commands: `make run` and `make test` (plus `make bench`, `make sanitize`,
# `make package` and `make deb`). Each installs what is missing, then builds in build/ (Release).
BUILD ?= build
EXAMPLE := examples/demo_amp.txt
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Where `cmake --install $(BUILD)` puts the viewer; the manual page and AppStream data name
# paths under it. The package's build takes /usr.
PREFIX ?= /usr/local

FUZZ_SECONDS ?= 60
FUZZ_HARNESSES := line_syntax reader config ref_path command_line drawing

.PHONY: run test sanitize bench deps build viewer package reproducible fuzz windows windows-check

# The packages a target needs: building and running only, unless the target names a group
# (scripts/install-deps.sh); a target's DEPS reaches the deps it depends on.
deps:
	@bash scripts/install-deps.sh $(DEPS)

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX) -DVELKVIEW_TESTS=ON > $(BUILD).configure.log 2>&1 || { cat $(BUILD).configure.log; exit 1; }
	@cmake --build $(BUILD) -j$(JOBS)

# Builds only the viewer, its output kept in $(BUILD).build.log unless something fails. The
# tests and benchmarks stay out of it, so their tools are not needed.
viewer: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX) -DVELKVIEW_TESTS=OFF > $(BUILD).configure.log 2>&1 || { cat $(BUILD).configure.log; exit 1; }
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

test: DEPS = test
test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The tests again under AddressSanitizer and UndefinedBehaviorSanitizer (Debug, build-sanitize/).
sanitize: DEPS = test
sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELKVIEW_SANITIZE=ON > build-sanitize.configure.log 2>&1 || { cat build-sanitize.configure.log; exit 1; }
	@cmake --build build-sanitize -j$(JOBS)
	@cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# Open to picture runs on a virtual screen under a window manager where Xvfb and openbox are
# installed, else offscreen; the others need no display.
bench: DEPS = bench
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
package: DEPS = package
package: PREFIX = /usr
package: viewer
	@cmake --build $(BUILD) --target velkview_desktop_files -j$(JOBS) >> $(BUILD).build.log 2>&1 || { tail -n 40 $(BUILD).build.log; exit 1; }
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -R '^packaging\.' --output-on-failure
	@cd $(BUILD) && umask 022 && cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@bash packaging/check-deb.sh $(BUILD)

# Makes the package of the last commit twice, in two folders, and compares the two byte for byte.
reproducible: DEPS = package
reproducible: deps
	@bash packaging/check-reproducible.sh

# Each libFuzzer harness of fuzz/ for FUZZ_SECONDS (clang, build-fuzz/). New corpus entries go
# to build-fuzz/corpus/<harness>, the committed seeds stay as they are; a crash or a difference
# from a model stops with the input saved in build-fuzz/ (keep it in fuzz/regressions/).
fuzz: DEPS = fuzz
fuzz: deps
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

# Debian's changelog for this tree's version, from CHANGELOG.md, for building the Debian
# package with dpkg-buildpackage in this folder.
.PHONY: debian/changelog deb
debian/changelog:
	@set -- $$(cmake -P cmake/version.cmake) && bash packaging/changelog.sh debian CHANGELOG.md "$$1" "@$$2" \
		"$$(sed -n 's/^Maintainer: //p' debian/control)" > $@.new && mv $@.new $@ || { rm -f $@.new; exit 1; }
	@echo "$@: velkview $$(dpkg-parsechangelog -S Version)"

# The Debian source and binary packages in build-deb/, made as a Debian build machine would
# from what `git archive` gives of the last commit, tests included, then checked by lintian.
deb: DEPS = package
deb: deps
	@bash packaging/make-deb.sh build-deb

# The viewer for 64-bit Windows, cross-built in build-windows/: the program folder as a zip and
# an installer (scripts/build-windows.sh, Qt for Windows from scripts/qt-windows.sh).
windows:
	@JOBS=$(JOBS) bash scripts/build-windows.sh

# The Windows build with its test programs, checked under Wine against the Linux build.
windows-check: viewer
	@JOBS=$(JOBS) VELKVIEW_WINDOWS_TESTS=1 bash scripts/build-windows.sh
	@bash scripts/check-windows.sh $(BUILD)
