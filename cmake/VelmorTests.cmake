# velmor_add_test(name SOURCES ... LIBS ...): one GoogleTest executable.
# Natively it runs once; as a Windows program it runs under Wine, once in an English and once
# in a Russian locale, inside the Wine environment that the fixture below starts and stops.
function(velmor_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    velmor_warnings(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    if(WIN32)
        foreach(lang en_US ru_RU)
            add_test(NAME ${name}.${lang} COMMAND ${name})
            set_tests_properties(${name}.${lang} PROPERTIES
                ENVIRONMENT "LANG=${lang}.UTF-8;LC_ALL=${lang}.UTF-8"
                FIXTURES_REQUIRED wine)
        endforeach()
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
endfunction()

if(WIN32)
    set(VELMOR_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
    # Every Windows executable of the build runs under Wine through this wrapper.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-emulator.sh ${VELMOR_WINE_STATE})
    add_test(NAME wine.start COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env.sh start ${VELMOR_WINE_STATE})
    add_test(NAME wine.stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env.sh stop ${VELMOR_WINE_STATE})
    set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
    set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
endif()
