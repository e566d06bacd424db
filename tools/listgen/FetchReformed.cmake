# Unpacks the dictionary of the 1990 reformed spelling (hunspell-fr-revised) into WORK_DIR
# without installing it: apt refuses it beside hunspell-fr-classical. The prepared lexicon
# takes its spellings, so it is fetched once even when data/ already holds their list.
# Every message is French, like those of listgen.
set(reformed_dic ${WORK_DIR}/reformed/usr/share/hunspell/fr.dic)
if(EXISTS ${reformed_dic})
  return()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E make_directory ${WORK_DIR} RESULT_VARIABLE made
                OUTPUT_QUIET ERROR_QUIET)
if(NOT made EQUAL 0)
  message(NOTICE "Le dossier de travail ${WORK_DIR} ne peut pas être créé : "
                  "le dictionnaire rectifié n'est pas décompressé.")
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
                  OUTPUT_QUIET ERROR_QUIET)
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
  message(NOTICE "hunspell-fr-revised n'a pas pu être téléchargé (relancer scripts/setup.sh "
                  "avec le réseau) : la liste des nouvelles graphies attend le prochain "
                  "« make lists ».")
  return()
endif()

execute_process(COMMAND dpkg-deb -x ${deb} ${WORK_DIR}/reformed RESULT_VARIABLE result
                OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0)
  message(NOTICE "${deb} n'a pas pu être décompressé : la liste des nouvelles graphies "
                  "n'est pas faite.")
endif()
