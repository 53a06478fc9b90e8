# The libraries outside the project that the installed package links, and
# how an installed program finds each: taken from the targets' own link
# lists, so that a library the layer starts to link (SDL2 for the screen
# driver, say) reaches the CMake package, zt738.pc and the Debian package's
# dependencies without another edit.

# One row per library the package may link:
#   CMake target | find_dependency() package | pkg-config module |
#   Debian development package
# (The Debian package's runtime dependencies come from dpkg-shlibdeps, which
# reads them off the programs themselves: see CPackSettings.cmake.)
set(zt738_dependency_table
  "Freetype::Freetype|Freetype|freetype2|libfreetype-dev"
  "Fontconfig::Fontconfig|Fontconfig|fontconfig|libfontconfig-dev"
  "SDL2::SDL2|SDL2|sdl2|libsdl2-dev"
  "X11::X11|X11|x11|libx11-dev"
  "PNG::PNG|PNG|libpng|libpng-dev"
  "Threads::Threads|Threads||libc6-dev")

# zt738_dependency_field(TARGET INDEX OUT): column INDEX of TARGET's row, or
# "NOTFOUND" when the table has no row for it.
function(zt738_dependency_field target index out)
  foreach(row IN LISTS zt738_dependency_table)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 name)
    if(name STREQUAL target)
      list(GET fields ${index} value)
      set(${out} "${value}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} NOTFOUND PARENT_SCOPE)
endfunction()

# zt738_collect_link_closure(TARGET TARGETS_OUT EXTERNAL_OUT): the project's
# library targets that TARGET links, directly or not (TARGET first), and
# every other item of their link lists: imported targets, system library
# names and link options.
function(zt738_collect_link_closure root targets_out external_out)
  set(pending ${root})
  set(seen "")
  set(external "")
  while(pending)
    list(POP_FRONT pending target)
    if(target IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${target})
    get_target_property(type ${target} TYPE)
    set(items "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(private ${target} LINK_LIBRARIES)
      if(private)
        list(APPEND items ${private})
      endif()
    endif()
    get_target_property(public ${target} INTERFACE_LINK_LIBRARIES)
    if(public)
      list(APPEND items ${public})
    endif()
    get_target_property(options ${target} INTERFACE_LINK_OPTIONS)
    if(options)
      list(APPEND external ${options})
    endif()
    foreach(item IN LISTS items)
      # Links added from another folder come bracketed by CMake's own
      # ::@(folder) markers, which name nothing.
      if(item MATCHES "^::@")
        continue()
      endif()
      # A static library's private links reach its users as LINK_ONLY.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
      if(TARGET ${item})
        get_target_property(imported ${item} IMPORTED)
        get_target_property(aliased ${item} ALIASED_TARGET)
        if(aliased)
          set(item ${aliased})
        endif()
        if(imported)
          list(APPEND external ${item})
        else()
          list(APPEND pending ${item})
        endif()
      else()
        list(APPEND external ${item})
      endif()
    endforeach()
  endwhile()
  list(REMOVE_DUPLICATES external)
  set(${targets_out} ${seen} PARENT_SCOPE)
  set(${external_out} ${external} PARENT_SCOPE)
endfunction()

# zt738_check_dependency(ITEM): an imported target without a row would leave
# the installed package unable to link; say so at configure time.
function(zt738_check_dependency item)
  if(item MATCHES "::")
    zt738_dependency_field(${item} 1 package)
    if(NOT package)
      message(FATAL_ERROR "The package links ${item}, which packaging/Dependencies.cmake "
        "does not know: add its row to zt738_dependency_table.")
    endif()
  endif()
endfunction()

# zt738_find_dependency_lines(EXTERNAL OUT): the find_dependency() calls of
# ZT738Config.cmake.
function(zt738_find_dependency_lines external out)
  set(lines "")
  foreach(item IN LISTS external)
    zt738_check_dependency(${item})
    if(item MATCHES "::")
      zt738_dependency_field(${item} 1 package)
      string(APPEND lines "find_dependency(${package})\n")
    endif()
  endforeach()
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# zt738_pkg_config_fields(TARGETS EXTERNAL LIBS_OUT REQUIRES_OUT): zt738.pc's
# Libs (the static libraries in link order, then system libraries and link
# options) and Requires. The libraries are static, so a program's link needs
# their dependencies too: they stand under Requires, not Requires.private,
# and `pkg-config --libs zt738` is a complete link line.
function(zt738_pkg_config_fields targets external libs_out requires_out)
  set(libs "-L\${libdir}")
  set(system "")
  set(requires "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY")
      get_target_property(name ${target} OUTPUT_NAME)
      if(NOT name)
        set(name ${target})
      endif()
      string(APPEND libs " -l${name}")
    endif()
  endforeach()
  foreach(item IN LISTS external)
    if(item STREQUAL "Threads::Threads")
      string(APPEND system " -pthread")
    elseif(item MATCHES "::")
      zt738_dependency_field(${item} 2 module)
      list(APPEND requires ${module})
    elseif(item MATCHES "^-")
      string(APPEND system " ${item}")
    else()
      string(APPEND system " -l${item}")
    endif()
  endforeach()
  list(JOIN requires " " requires)
  set(${libs_out} "${libs}${system}" PARENT_SCOPE)
  set(${requires_out} "${requires}" PARENT_SCOPE)
endfunction()

# zt738_debian_recommends(EXTERNAL OUT): the Debian package's Recommends,
# what a program built on the installed libraries needs to link: the
# compiler, pkg-config and the development package of every library.
function(zt738_debian_recommends external out)
  set(recommends g++ pkg-config)
  foreach(item IN LISTS external)
    if(item MATCHES "::")
      zt738_dependency_field(${item} 3 development)
      list(APPEND recommends ${development})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES recommends)
  list(JOIN recommends ", " recommends)
  set(${out} "${recommends}" PARENT_SCOPE)
endfunction()
