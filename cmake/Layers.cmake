# SPDX-License-Identifier: GPL-3.0-or-later
# The layers of src/: one static library per folder, linked only downward.
#
# Each entry is "folder:folders it may use". A folder includes headers only of
# itself and of the folders listed for it; the list is closed (a folder names
# everything below it it reaches), so the same table gives the libraries' links
# and the include check.
set(SW_LAYERS
  "model:"
  "netlist:"
  "render:model"
  "analysis:netlist model"
  "session:analysis netlist model"
  "edit:session analysis netlist render model"
  "ui:edit session analysis netlist render model"
  "cli:analysis netlist render model"
  "app:ui cli edit session analysis netlist render model")

# What each folder needs from outside the project.
set(SW_LAYER_PACKAGES_model Qt6::Core pugixml::pugixml)
set(SW_LAYER_PACKAGES_render Qt6::Gui Qt6::PrintSupport GIF::GIF JPEG::JPEG PkgConfig::IMAGEQUANT
  PkgConfig::DEFLATE PkgConfig::XXHASH Threads::Threads)
set(SW_LAYER_PACKAGES_netlist)
set(SW_LAYER_PACKAGES_analysis)
set(SW_LAYER_PACKAGES_session)
set(SW_LAYER_PACKAGES_edit Qt6::Gui)
set(SW_LAYER_PACKAGES_ui Qt6::Widgets Qt6::PrintSupport Qt6::Network)
set(SW_LAYER_PACKAGES_cli Qt6::PrintSupport)
set(SW_LAYER_PACKAGES_app Qt6::Widgets)

# The table as one argument of cmake/CheckLayers.cmake.
list(JOIN SW_LAYERS "|" SW_LAYERS_ARGUMENT)

# Checks every source file of src/ before anything is compiled, so an include
# of a folder above fails the build (cmake/CheckLayers.cmake says which).
file(GLOB_RECURSE SW_ALL_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/src/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/src/*.h)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/layers.checked
  COMMAND ${CMAKE_COMMAND} "-DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}/src" "-DLAYERS=${SW_LAYERS_ARGUMENT}"
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckLayers.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_CURRENT_BINARY_DIR}/layers.checked
  DEPENDS ${SW_ALL_SOURCES} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckLayers.cmake
          ${CMAKE_CURRENT_SOURCE_DIR}/cmake/Layers.cmake
  COMMENT "Checking that no folder of src/ includes one above it" VERBATIM)
add_custom_target(sw_layer_check DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/layers.checked)

foreach(entry IN LISTS SW_LAYERS)
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 folder)
  if(folder STREQUAL "app")
    continue()  # the program itself, made in CMakeLists.txt
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS src/${folder}/*.cpp src/${folder}/*.h)
  if(folder STREQUAL "ui")
    list(APPEND sources data/stripwright.qrc)
  endif()
  add_library(sw_${folder} STATIC ${sources})
  add_dependencies(sw_${folder} sw_layer_check)
  target_include_directories(sw_${folder} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/src)
  target_compile_options(sw_${folder} PRIVATE -Wall -Wextra)
  list(LENGTH parts count)
  if(count GREATER 1)
    list(GET parts 1 below)
    string(REPLACE " " ";" below "${below}")
    foreach(lower IN LISTS below)
      target_link_libraries(sw_${folder} PUBLIC sw_${lower})
    endforeach()
  endif()
  target_link_libraries(sw_${folder} PUBLIC ${SW_LAYER_PACKAGES_${folder}})
endforeach()
# The release number as a generated header (model/release.h), not a definition
# on every compile line, so a new release rebuilds only what shows it.
configure_file(src/model/release.h.in ${CMAKE_BINARY_DIR}/generated/model/release.h @ONLY)
target_include_directories(sw_model PUBLIC ${CMAKE_BINARY_DIR}/generated)

# Everything under src/ but the program's entry point, for the tests, the
# benchmarks and the fuzzers.
add_library(swcore INTERFACE)
target_link_libraries(swcore INTERFACE sw_ui sw_cli)
