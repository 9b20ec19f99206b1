# Packs and unpacks one audit file with the Windows build of the console program, run through
# the emulator (wine), and compares the result with the original.
#   cmake -DEMULATOR=... -DCONSOLE=.../zegelaar-console.exe -DWERK=<empty folder> -P <this>
file(REMOVE_RECURSE "${WERK}")
file(MAKE_DIRECTORY "${WERK}")
string(REPEAT "<regel>Grootboek 1000 debet 12,50</regel>\r\n" 20000 inhoud)
file(WRITE "${WERK}/boek.xaf" "${inhoud}")

function(zegelaar)
    execute_process(COMMAND ${EMULATOR} "${CONSOLE}" ${ARGN}
        WORKING_DIRECTORY "${WERK}" RESULT_VARIABLE status OUTPUT_VARIABLE uit ERROR_VARIABLE fout)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "zegelaar ${ARGN}: status ${status}\n${uit}${fout}\n0 passed, 1 failed")
    endif()
endfunction()

zegelaar(inpakken boek.xaf --ja)
if(NOT EXISTS "${WERK}/boek.pbl.xfc")
    message(FATAL_ERROR "boek.pbl.xfc was not written\n0 passed, 1 failed")
endif()
zegelaar(uitpakken boek.pbl.xfc --ja)
file(SHA256 "${WERK}/boek.xaf" voor)
file(SHA256 "${WERK}/boek.pbl.xaf" na)
if(NOT voor STREQUAL na)
    message(FATAL_ERROR "boek.pbl.xaf differs from boek.xaf\n0 passed, 1 failed")
endif()
file(REMOVE_RECURSE "${WERK}")
message("[  OK  ] zegelaar-console.exe packs and unpacks under wine\n1 passed, 0 failed")
