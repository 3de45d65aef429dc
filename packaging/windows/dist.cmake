# The installer and the portable zip, both of one folder: the program with everything it needs
# beside it. Run by the dist target with BUILD_DIR, STAGE, DIST, NAME (both files' base name),
# NSI, STRIP, and the installer's PRODUCT, VERSION, PUBLISHER, PROGRAM and ICON.
set(folder ${STAGE}/${NAME})
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${folder} --strip
                COMMAND_ERROR_IS_FATAL ANY)
# The DLLs come with symbols that users need none of: Debian's libstdc++ is 24 MB with them, 2 MB
# without.
file(GLOB_RECURSE dlls ${folder}/*.dll)
execute_process(COMMAND ${STRIP} --strip-unneeded ${dlls} COMMAND_ERROR_IS_FATAL ANY)

# The uninstaller removes what the installer put there and nothing else, deepest first.
file(GLOB_RECURSE files LIST_DIRECTORIES true RELATIVE ${folder} ${folder}/*)
list(SORT files ORDER DESCENDING)
set(lines)
foreach(file ${files})
    string(REPLACE / \\ path ${file})
    if(IS_DIRECTORY ${folder}/${file})
        string(APPEND lines "RMDir \"$INSTDIR\\${path}\"\n")
    else()
        string(APPEND lines "Delete \"$INSTDIR\\${path}\"\n")
    endif()
endforeach()
file(WRITE ${STAGE}/uninstall-files.nsh ${lines})

file(MAKE_DIRECTORY ${DIST})
execute_process(COMMAND makensis -V2 -DPRODUCT=${PRODUCT} -DVERSION=${VERSION}
                        -DPUBLISHER=${PUBLISHER} -DPROGRAM=${PROGRAM} -DICON=${ICON}
                        -DSTAGE=${folder} -DOUTFILE=${DIST}/${NAME}-setup.exe ${NSI}
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${DIST}/${NAME}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${DIST}/${NAME}.zip --format=zip ${NAME}
                WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
