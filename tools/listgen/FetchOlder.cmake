# Unpacks the older French dictionaries that tell old words from new ones into WORK_DIR/older
# without installing them: myspell-fr (it would take the place of the installed Hunspell
# dictionary) and aspell-fr (its word lists, ungzipped one after the other). A package that
# cannot be downloaded, offline for instance, is named and left out; listgen names it again.
# Every message is French, like those of listgen.
set(older_dir ${WORK_DIR}/older)
execute_process(COMMAND ${CMAKE_COMMAND} -E make_directory ${older_dir} RESULT_VARIABLE made
                OUTPUT_QUIET ERROR_QUIET)
if(NOT made EQUAL 0)
  message(NOTICE "Le dossier ${older_dir} ne peut pas être créé : les dictionnaires anciens "
                  "ne sont pas décompressés.")
  return()
endif()

execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)

# Sets `deb` to the newest downloaded package file of `package`, downloading it when needed.
function(fetch_deb package)
  file(GLOB debs ${older_dir}/${package}_*.deb)
  if(NOT debs)
    execute_process(COMMAND apt-get download ${package} WORKING_DIRECTORY ${older_dir}
                    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0 AND uid STREQUAL "0")
      execute_process(COMMAND apt-get update OUTPUT_QUIET ERROR_QUIET)
      execute_process(COMMAND apt-get download ${package} WORKING_DIRECTORY ${older_dir}
                      OUTPUT_QUIET ERROR_QUIET)
    endif()
    file(GLOB debs ${older_dir}/${package}_*.deb)
  endif()
  list(SORT debs)
  if(debs)
    list(GET debs -1 found)
    set(deb ${found} PARENT_SCOPE)
  else()
    set(deb "" PARENT_SCOPE)
    message(NOTICE "${package} n'a pas pu être téléchargé (relancer scripts/setup.sh avec le "
                    "réseau) : des mots anciens que lui seul connaît peuvent passer pour nouveaux.")
  endif()
endfunction()

function(unpack package marker)
  if(EXISTS ${marker})
    return()
  endif()
  fetch_deb(${package})
  if(deb)
    execute_process(COMMAND dpkg-deb -x ${deb} ${older_dir}/${package} RESULT_VARIABLE result
                    OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0)
      message(NOTICE "${deb} n'a pas pu être décompressé : ${package} est laissé de côté.")
    endif()
  endif()
endfunction()

unpack(myspell-fr ${older_dir}/myspell-fr/usr/share/hunspell/fr.dic)

set(aspell_list ${older_dir}/aspell-fr.cwl)
if(NOT EXISTS ${aspell_list})
  unpack(aspell-fr ${older_dir}/aspell-fr/usr/share/aspell/fr.contents)
  file(GLOB lists ${older_dir}/aspell-fr/usr/share/aspell/fr-*-only.cwl.gz)
  list(SORT lists)
  if(lists)
    execute_process(COMMAND gzip -dc ${lists} OUTPUT_FILE ${aspell_list}.part
                    RESULT_VARIABLE result ERROR_QUIET)
    if(result EQUAL 0)
      file(RENAME ${aspell_list}.part ${aspell_list})
    else()
      file(REMOVE ${aspell_list}.part)
      message(NOTICE "Les listes de mots d'aspell-fr n'ont pas pu être décompressées : elles "
                      "sont laissées de côté.")
    endif()
  endif()
endif()
