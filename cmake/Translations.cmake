# The user texts are French in the source; translations/tessella_LANG.ts hold the other
# languages. Each is built into a .qm file inside the platform library, so every program finds
# it without a file lookup. `cmake --build build --target update_translations` brings the .ts
# files up to date with the source (never done by a normal build); the suite fails while a
# text has no finished translation or a .ts holds a text the source no longer has.
set(TESSELLA_LANGUAGES en)
set(TESSELLA_TEXT_FOLDERS ${TESSELLA_CORE_FOLDERS} ui cli)
set(TESSELLA_TEXT_SOURCES)
foreach(folder IN LISTS TESSELLA_TEXT_FOLDERS)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp
       ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  list(APPEND TESSELLA_TEXT_SOURCES ${found})
endforeach()
set(TESSELLA_TS_FILES)
foreach(language IN LISTS TESSELLA_LANGUAGES)
  list(APPEND TESSELLA_TS_FILES ${CMAKE_SOURCE_DIR}/translations/tessella_${language}.ts)
endforeach()
set(TESSELLA_LUPDATE_OPTIONS -locations none -no-obsolete -source-language fr)
qt_add_translations(tessella_platform
  TS_FILES ${TESSELLA_TS_FILES}
  RESOURCE_PREFIX /i18n
  SOURCES ${TESSELLA_TEXT_SOURCES}
  # tr() in a class of a namespace is filed under the class's full name only when lupdate
  # reads the class's header.
  INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}
  LUPDATE_OPTIONS ${TESSELLA_LUPDATE_OPTIONS})

# The list of sources the check reads, the same as the update target's.
list(JOIN TESSELLA_TEXT_SOURCES "\n" text_source_lines)
file(WRITE ${CMAKE_BINARY_DIR}/translations/sources.lst
     "-I${CMAKE_SOURCE_DIR}\n${text_source_lines}\n")
