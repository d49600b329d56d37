# Runs the glyph-strip generator into a scratch tree and fails when its output
# differs from the committed bitmaps and fallback data.
# Inputs: PYTHON, SOURCE_DIR, WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/app/display)
execute_process(
  COMMAND ${PYTHON} ${SOURCE_DIR}/tools/glyphgen/make_glyph_strips.py --root ${WORK_DIR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${result}")
endif()
file(GLOB made RELATIVE ${WORK_DIR} ${WORK_DIR}/app/resources/glyphs/*.bmp)
list(APPEND made app/display/FallbackStripBits.cpp)
list(LENGTH made count)
if(NOT count EQUAL 19)
  message(FATAL_ERROR "expected 18 strips and the fallback data, got: ${made}")
endif()
foreach(path IN LISTS made)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${path}
                          ${SOURCE_DIR}/${path} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${path} differs from what the generator makes")
  endif()
endforeach()
