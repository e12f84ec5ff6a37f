# The program's layers, lowest first: platform, settings, the rooms of
# conversion (its values, the statement model of items, totals and outputs,
# then reading, gpc and camt side by side, then the export run that joins
# them), then cli and ui side by side on top. A file of a layer includes headers of its
# own layer and of the layers below it only; a file that includes a header
# of a higher layer stops the configuration (and the build, when the file
# changed since). Each layer is one library that links only the layers below
# it, so a call upward fails to link as well.
#
# Also a script: cmake -DTARVOLO_SOURCE_DIR=src -DTARVOLO_STAMP=file -P
# cmake/tarvolo_layers.cmake checks the same and touches the stamp.
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.20)
endif()
set(TARVOLO_LAYERS platform settings conversion/values conversion/statement conversion/reading
    conversion/gpc conversion/camt conversion/export cli ui)
set(TARVOLO_LAYER_platform platform)
set(TARVOLO_LAYER_settings platform settings)
set(TARVOLO_LAYER_conversion/values platform settings conversion/values)
set(TARVOLO_LAYER_conversion/statement ${TARVOLO_LAYER_conversion/values} conversion/statement)
set(TARVOLO_LAYER_conversion/reading ${TARVOLO_LAYER_conversion/statement} conversion/reading)
set(TARVOLO_LAYER_conversion/gpc ${TARVOLO_LAYER_conversion/statement} conversion/gpc)
set(TARVOLO_LAYER_conversion/camt ${TARVOLO_LAYER_conversion/statement} conversion/camt)
set(TARVOLO_LAYER_conversion/export ${TARVOLO_LAYER_conversion/statement} conversion/reading
    conversion/gpc conversion/camt conversion/export)
set(TARVOLO_LAYER_cli ${TARVOLO_LAYER_conversion/export} cli)
set(TARVOLO_LAYER_ui ${TARVOLO_LAYER_conversion/export} ui)

# The sources and headers of the given layers under `source_dir`.
#   tarvolo_layer_files(out source_dir layer...)
function(tarvolo_layer_files out source_dir)
  set(files)
  foreach(layer ${ARGN})
    file(GLOB_RECURSE layer_files LIST_DIRECTORIES false
      ${source_dir}/${layer}/*.h ${source_dir}/${layer}/*.cc)
    list(APPEND files ${layer_files})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# The layer a folder of the sources belongs to: the longest layer name that
# is the folder or holds it ("" for none).
function(tarvolo_layer_of out folder)
  set(found "")
  foreach(layer ${TARVOLO_LAYERS})
    string(LENGTH "${layer}" length)
    string(LENGTH "${found}" best)
    if((folder STREQUAL layer OR folder MATCHES "^${layer}/") AND length GREATER best)
      set(found ${layer})
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# Rooms entered by one door: a file outside the room includes the door
# alone, never the files behind it.
set(TARVOLO_DOORS conversion/statement conversion/reading)
set(TARVOLO_DOOR_conversion/statement conversion/statement/statement.h)
set(TARVOLO_DOOR_conversion/reading conversion/reading/statement_reading.h)

# Stops with the file and the include when a file includes a higher layer,
# or the inside of a room that others enter by its door.
function(tarvolo_check_layers source_dir)
  foreach(layer ${TARVOLO_LAYERS})
    tarvolo_layer_files(files ${source_dir} ${layer})
    foreach(file ${files})
      file(RELATIVE_PATH name ${source_dir} ${file})
      file(STRINGS ${file} includes REGEX "^#include \"")
      foreach(include ${includes})
        if(NOT include MATCHES "^#include \"(([^\"]+)/[^/\"]+)\"")
          continue()
        endif()
        set(header ${CMAKE_MATCH_1})
        tarvolo_layer_of(included ${CMAKE_MATCH_2})
        if(included STREQUAL "")
          continue()
        endif()
        if(NOT included IN_LIST TARVOLO_LAYER_${layer})
          string(JOIN ", " allowed ${TARVOLO_LAYER_${layer}})
          message(FATAL_ERROR "${name}: ${include}: a file of the ${layer} layer includes "
                  "headers of these layers only: ${allowed}")
        endif()
        if(included IN_LIST TARVOLO_DOORS AND NOT layer STREQUAL included
           AND NOT header STREQUAL TARVOLO_DOOR_${included})
          message(FATAL_ERROR "${name}: ${include}: ${included} is entered by its door only: "
                  "${TARVOLO_DOOR_${included}}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  tarvolo_check_layers(${TARVOLO_SOURCE_DIR})
  file(TOUCH ${TARVOLO_STAMP})
endif()
