#!/usr/bin/env bash
# Checks the installed package: installs a build tree into a fresh prefix,
# checks its files, and builds the examples and the tutorial's program
# against it with find_package and with pkg-config; runs them headless (the
# examples until they quit by themselves, the tutorial's for 2 s).
#
#   check-install.sh native BUILD_DIR    # a built native tree
#   check-install.sh windows BUILD_DIR   # a built Windows tree; runs the
#                                        # programs under Wine when DISPLAY
#                                        # and WINEPREFIX are set
#
# Prints the size of the installed tree and the time taken. Exits non-zero
# when any check fails.
set -uo pipefail
# shellcheck source=scripts/consumer-lib.sh
source "$(dirname "$0")/consumer-lib.sh" "$@" || exit 1

prefix=$work/prefix
install_tree "$prefix"
expect_clean "the installed tree" "$installed"
"$root/scripts/check-symbols.sh" "$mode" "$prefix"/lib/libzt738*.a || fail "the installed libraries define names that are not public"
echo "installed tree: $(du -sk "$prefix" | cut -f1) KiB, $(wc -l <<<"$installed") files"

case $mode in
native)
  expect_listing "the installed tree" "$installed" \
    include/zt738.h lib/libzt738.a lib/libzt738_winmain.a lib/libzt738_entry.a lib/libzt738_win32.a \
    lib/cmake/ZT738/ZT738Config.cmake lib/cmake/ZT738/ZT738ConfigVersion.cmake \
    lib/pkgconfig/zt738.pc bin/zt738-editor bin/zt738-replay bin/zt738-grade share/doc/zt738/LICENSE share/doc/zt738/README.md
  ;;
windows)
  expect_listing "the installed tree" "$installed" \
    include/zt738.h lib/libzt738.a lib/libzt738_winmain.a \
    lib/cmake/ZT738/ZT738Config.cmake lib/cmake/ZT738/ZT738ConfigVersion.cmake \
    lib/pkgconfig/zt738.pc bin/zt738-editor.exe share/doc/zt738/LICENSE share/doc/zt738/README.md
  ;;
esac

check_version_file "$prefix"
extract_tutorial "$work/tutorial"
build_with_cmake cmake "$prefix"
mapfile -t sources < <(example_sources "$prefix")
build_with_pkg_config pkg-config "$prefix" "${sources[@]}" "$work/tutorial/main.cpp" \
  "$root/packaging/tests/everyday_names.cpp"
if can_run; then
  for example in "${examples[@]}"; do
    run_quits "$example (find_package)" "${runner[@]}" "$work/cmake/examples/$example$exe_suffix"
    run_quits "$example (pkg-config)" "${runner[@]}" "$work/pkg-config/$example$exe_suffix"
  done
  run_quits "a program with everyday global names" "${runner[@]}" "$work/pkg-config/everyday_names$exe_suffix"
  # The tutorial's program runs until its user quits. Under Wine, still
  # running after 2 s may mean still starting: it is run natively only.
  if [ "$mode" = native ]; then
    run_starts "the tutorial's program (find_package)" "$work/cmake/tutorial/first_program"
    run_starts "the tutorial's program (pkg-config)" "$work/pkg-config/main"
  fi
fi
consumer_summary "install check"
