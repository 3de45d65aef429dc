# The compiler's runtime DLLs that every program built here needs beside it on Windows.
set(TRESK_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    # The compiler echoes a name it cannot find.
    if(NOT IS_ABSOLUTE "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} finds no ${dll}")
    endif()
    file(REAL_PATH ${path} path)
    list(APPEND TRESK_RUNTIME_DLLS ${path})
endforeach()
