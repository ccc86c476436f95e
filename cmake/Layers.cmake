# The layers of the source tree, written once. A folder may include headers of its own folder
# and of the folders its rule lists; anything else runs back up the layers.
#
# Core folders, lowest first: each may include the core folders before it. None of them holds
# a window, includes ui/ or links Qt Widgets.
set(TESSELLA_CORE_FOLDERS platform pixels imagefile editor drawing texture catalogue print helpfile)
# The window wing, lowest first. ui/widgets sees the core only; each feature folder sees the
# core and ui/widgets; only ui/app sees the other ui/ folders.
set(TESSELLA_UI_FEATURE_FOLDERS ui/texture ui/editor ui/catalogue ui/print)
# Programs over the core only.
set(TESSELLA_CORE_PROGRAMS cli)

# tessella_allowed_includes(FOLDER OUT): the folders FOLDER may include besides its own.
function(tessella_allowed_includes folder out)
  set(allowed "")
  list(FIND TESSELLA_CORE_FOLDERS ${folder} core_index)
  list(FIND TESSELLA_UI_FEATURE_FOLDERS ${folder} feature_index)
  if(core_index GREATER -1)
    if(core_index GREATER 0)
      list(SUBLIST TESSELLA_CORE_FOLDERS 0 ${core_index} allowed)
    endif()
  elseif(folder IN_LIST TESSELLA_CORE_PROGRAMS OR folder STREQUAL "ui/widgets")
    set(allowed ${TESSELLA_CORE_FOLDERS})
  elseif(feature_index GREATER -1)
    set(allowed ${TESSELLA_CORE_FOLDERS} ui/widgets)
  elseif(folder STREQUAL "ui/app")
    set(allowed ${TESSELLA_CORE_FOLDERS} ui/widgets ${TESSELLA_UI_FEATURE_FOLDERS})
  endif()
  set(${out} ${allowed} PARENT_SCOPE)
endfunction()

# Every checked folder.
set(TESSELLA_LAYERED_FOLDERS ${TESSELLA_CORE_FOLDERS} ${TESSELLA_CORE_PROGRAMS} ui/widgets
    ${TESSELLA_UI_FEATURE_FOLDERS} ui/app)
