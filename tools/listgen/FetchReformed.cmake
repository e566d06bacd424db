# Unpacks the dictionary of the 1990 reformed spelling (hunspell-fr-revised) into WORK_DIR
# without installing it: apt refuses it beside hunspell-fr-classical.
# Nothing to do when its list is already in DATA_DIR or the package is already unpacked.
set(reformed_dic ${WORK_DIR}/reformed/usr/share/hunspell/fr.dic)
file(MAKE_DIRECTORY ${WORK_DIR})
if(EXISTS ${DATA_DIR}/ods6new_nouv_graphies.txt OR EXISTS ${reformed_dic})
  return()
endif()

function(find_deb out)
  file(GLOB debs ${WORK_DIR}/hunspell-fr-revised_*.deb)
  list(SORT debs)
  list(LENGTH debs count)
  if(count GREATER 0)
    list(GET debs -1 deb)
    set(${out} ${deb} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

function(download)
  execute_process(COMMAND apt-get download hunspell-fr-revised
                  WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE result
                  OUTPUT_QUIET ERROR_VARIABLE errors)
  set(download_result ${result} PARENT_SCOPE)
endfunction()

find_deb(deb)
if(NOT deb)
  download()
  execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT download_result EQUAL 0 AND uid STREQUAL "0")
    # Package lists that do not know the package yet: refresh them and try again.
    execute_process(COMMAND apt-get update OUTPUT_QUIET ERROR_QUIET)
    download()
  endif()
  find_deb(deb)
endif()
if(NOT deb)
  message(WARNING "hunspell-fr-revised could not be downloaded (run scripts/setup.sh); "
                  "the list of new spellings is left out until the next `make lists`.")
  return()
endif()

execute_process(COMMAND dpkg-deb -x ${deb} ${WORK_DIR}/reformed RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(WARNING "${deb} could not be unpacked; the list of new spellings is left out.")
endif()
