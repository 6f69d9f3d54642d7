# The library built from the committed fixture slice, for the tests: the
# same extractor and builder as the real library, over a few hundred pieces.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(fixture_dir ${PROJECT_SOURCE_DIR}/tests/library/fixture)
set(fixture_library ${CMAKE_BINARY_DIR}/tests/library/fixture.qll)
file(GLOB_RECURSE fixture_sources CONFIGURE_DEPENDS ${fixture_dir}/*.json)
add_custom_command(OUTPUT ${fixture_library}
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/library/extract.py ${fixture_dir}
          ${CMAKE_BINARY_DIR}/tests/library/fixture.jsonl
  COMMAND mklibrary ${CMAKE_BINARY_DIR}/tests/library/fixture.jsonl
          ${PROJECT_SOURCE_DIR}/tools/library/fold_additions.txt ${fixture_library}
  DEPENDS ${fixture_sources} mklibrary ${PROJECT_SOURCE_DIR}/tools/library/extract.py
          ${PROJECT_SOURCE_DIR}/tools/library/fold_additions.txt
  COMMENT "Building the fixture library"
  VERBATIM)
add_custom_target(fixture_library DEPENDS ${fixture_library})
