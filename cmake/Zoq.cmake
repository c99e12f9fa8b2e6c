# Shared build settings and helpers of the Zoq suite.

if(ZOQ_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Gives a target the headers of one source folder, included as "folder/File.h": the
# include root is a folder in the build tree that holds only a link named like the
# folder. A target thus sees its own folder and those of the targets it links, and an
# include of any other folder fails to compile: zoq_expose(target folder [PRIVATE])
function(zoq_expose target folder)
    set(scope PUBLIC)
    if(ARGC GREATER 2)
        set(scope ${ARGV2})
    endif()
    string(REPLACE "/" "_" key "${folder}")
    set(stage ${CMAKE_BINARY_DIR}/zoq-include/${key})
    if(NOT IS_SYMLINK ${stage}/${folder})
        get_filename_component(parent ${stage}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${stage}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} ${stage})
endfunction()

# Settings of every target of ours (not of third-party code built beside it).
function(zoq_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    zoq_expose(${target} ${folder})
    if(WIN32)
        target_compile_definitions(${target} PUBLIC UNICODE _UNICODE NOMINMAX
                                   _WIN32_WINNT=0x0601 WINVER=0x0601)
    endif()
endfunction()

# Adds a target's platform part to ARG_SOURCES and ARG_LIBS: WIN32_SOURCES and WIN32_LIBS
# in the Windows build, HOST_SOURCES in the native one. A portable interface thus names its
# two implementations in one place.
macro(zoq_platform_parts)
    if(WIN32)
        list(APPEND ARG_SOURCES ${ARG_WIN32_SOURCES})
        list(APPEND ARG_LIBS ${ARG_WIN32_LIBS})
    else()
        list(APPEND ARG_SOURCES ${ARG_HOST_SOURCES})
    endif()
endmacro()
set(ZOQ_PLATFORM_KEYWORDS WIN32_SOURCES HOST_SOURCES WIN32_LIBS)

# A static library of portable or Win32 code:
#   zoq_library(name SOURCES ... LIBS ... [WIN32_SOURCES ...] [HOST_SOURCES ...] [WIN32_LIBS ...])
function(zoq_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;${ZOQ_PLATFORM_KEYWORDS}" ${ARGN})
    zoq_platform_parts()
    add_library(${name} STATIC ${ARG_SOURCES})
    zoq_defaults(${name})
    if(ARG_LIBS)
        target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    endif()
endfunction()

# A GoogleTest executable registered with CTest as one test. In the Windows build
# CTest runs it through CMAKE_CROSSCOMPILING_EMULATOR (tools/wine-run).
#   zoq_test(name SOURCES ... LIBS ... [TIMEOUT s] [RUN_SERIAL] and the platform parts
#            of zoq_library)
function(zoq_test name)
    cmake_parse_arguments(ARG "RUN_SERIAL" "TIMEOUT" "SOURCES;LIBS;${ZOQ_PLATFORM_KEYWORDS}" ${ARGN})
    zoq_platform_parts()
    if(NOT TARGET GTest::gtest_main)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    zoq_defaults(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    if(ARG_RUN_SERIAL)
        set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
    endif()
endfunction()

# A Win32 GUI program: zoq_program(name SOURCES ... LIBS ...)
function(zoq_program name)
    cmake_parse_arguments(ARG "CONSOLE" "" "SOURCES;LIBS" ${ARGN})
    if(ARG_CONSOLE)
        add_executable(${name} ${ARG_SOURCES})
    else()
        add_executable(${name} WIN32 ${ARG_SOURCES})
    endif()
    zoq_defaults(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_link_options(${name} PRIVATE -municode)
endfunction()

# A program's resource script as an object library (a static library would drop the
# resources at link time), for the program and the Wine tests that need its dialogs.
# Every program reads the desktop commands (ce), the shared version resource (ui) and
# its own folder; EXPOSE names further folders the script includes, DEPENDS the files
# it pulls in besides the version resource (windres writes no dependency file).
#   zoq_resources(name SCRIPT file.rc [EXPOSE folders...] [DEPENDS files...])
function(zoq_resources name)
    cmake_parse_arguments(ARG "" "SCRIPT" "EXPOSE;DEPENDS" ${ARGN})
    add_library(${name} OBJECT ${ARG_SCRIPT})
    file(RELATIVE_PATH own ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    foreach(folder ce ui ${own} ${ARG_EXPOSE})
        zoq_expose(${name} ${folder} PRIVATE)
    endforeach()
    set(depends ${ARG_DEPENDS} ${PROJECT_BINARY_DIR}/generated/ZoqVersion.h
        ${PROJECT_SOURCE_DIR}/ui/ZoqVersionInfo.rc)
    set_source_files_properties(${ARG_SCRIPT} PROPERTIES OBJECT_DEPENDS "${depends}")
endfunction()

# A calculator program on the window Trendora and Parabix share (calc), from its folder's
# Name.rc, Name.ico, resource.h, NameMain.cpp and shots/NameShots.cpp: the resources
# (name_resources in lower case, with the graph's dialog), the program, built into the
# module's build folder where tools/run-program and tools/shots find it, and its
# screenshot program. WINDOW is the library holding the program's window.
#   zoq_calc_program(Name WINDOW library FOLDER module)
function(zoq_calc_program name)
    cmake_parse_arguments(ARG "" "WINDOW;FOLDER" "" ${ARGN})
    string(TOLOWER ${name} lower)
    set(here ${CMAKE_CURRENT_SOURCE_DIR})
    zoq_resources(${lower}_resources SCRIPT ${name}.rc EXPOSE graph
                  DEPENDS ${here}/resource.h ${PROJECT_SOURCE_DIR}/graph/Graph.rc
                          ${PROJECT_SOURCE_DIR}/graph/GraphResources.h ${here}/${name}.ico)
    zoq_program(${name} SOURCES ${name}Main.cpp $<TARGET_OBJECTS:${lower}_resources>
                LIBS ${ARG_WINDOW})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                             ${CMAKE_BINARY_DIR}/${ARG_FOLDER})
    zoq_program(${name}Shots SOURCES shots/${name}Shots.cpp $<TARGET_OBJECTS:${lower}_resources>
                LIBS ${ARG_WINDOW} zoq_testing)
endfunction()
