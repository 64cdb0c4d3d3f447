# Joins the applet runtime's modules into the one shipped script, so that building it needs no
# JavaScript tool.
#   cmake -DSOURCE_DIR=src/runtime -DOUTPUT=morvane-applets.js -P cmake/JoinRuntime.cmake
# Core modules share one scope in the joined file: their import lines are dropped and "export "
# is taken off, so their top-level names must be unique (checked here). Each kind module gets a
# block of its own, so its helpers stay private.
#
# The text is never made a CMake list, which its ';' and brackets would break up: every rule
# works on the whole file with a newline put in front, so that "\n" stands for a line start.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR OR NOT OUTPUT)
    message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<runtime sources> -DOUTPUT=<file> -P JoinRuntime.cmake")
endif()
file(REAL_PATH ${SOURCE_DIR} SOURCE_DIR)

# Dependencies come before their users; main.js starts the page once every kind is registered.
set(core params links box kit au sound images surface display loop common applet loader)

string(ASCII 11 12 vt_ff)
set(blank "[ \t\r${vt_ff}]")         # white space within a line
set(space "[ \t\r\n${vt_ff}]")       # white space, line ends included
set(name "[A-Za-z_$][A-Za-z0-9_$]*") # an identifier

file(GLOB kinds RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/kinds/*.js)
list(SORT kinds)
set(modules)
foreach(module IN LISTS core)
    list(APPEND modules core/${module}.js)
endforeach()
list(APPEND modules ${kinds} core/main.js)

# Top-level declarations of a module, one name per line start.
function(declared_names text out)
    string(REGEX MATCHALL
        "\n(export${space}+)?(async${space}+)?(const|let|var|function\\*?|class)${space}+${name}"
        found "\n${text}")
    set(names)
    foreach(declaration IN LISTS found)
        string(REGEX MATCH "${name}$" declared "${declaration}")
        list(APPEND names ${declared})
    endforeach()
    set(${out} ${names} PARENT_SCOPE)
endfunction()

# The module's text as it goes into the joined file.
function(strip path text out)
    set(text "\n${text}")
    # A one-line import; removing it takes the line end after it, so repeat for adjacent ones.
    set(import "\nimport${blank}[^\n]*${blank}from${blank}+'[^'\n]+';${blank}*(\n|$)")
    while(text MATCHES "${import}")
        string(REGEX REPLACE "${import}" "\n" text "${text}")
    endwhile()
    if(text MATCHES "\n${blank}*import[ \t\r${vt_ff}{(]" OR
       text MATCHES "\nexport${blank}+(default|{|\\*)")
        message(FATAL_ERROR
            "${path}: only one-line \"import ... from '...';\" and \"export <declaration>\" are joined")
    endif()
    string(REGEX REPLACE "\nexport${blank}+" "\n" text "${text}")
    string(STRIP "${text}" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(joined "// Morvane applets: plays the applets that Morvane writes, on a canvas, in today's browsers.
// Built from src/runtime by cmake/JoinRuntime.cmake; edit the sources, not this file.
(() => {
'use strict';")
set(core_names)   # every core module's top-level names, and beside each its module
set(core_owners)
foreach(path IN LISTS modules)
    file(READ ${SOURCE_DIR}/${path} text)
    if(path MATCHES "^core/")
        declared_names("${text}" names)
        foreach(declared IN LISTS names)
            list(FIND core_names ${declared} at)
            if(at GREATER_EQUAL 0)
                list(GET core_owners ${at} owner)
                message(FATAL_ERROR "${path}: top-level name ${declared} is also declared in ${owner}")
            endif()
            list(APPEND core_names ${declared})
            list(APPEND core_owners ${path})
        endforeach()
    endif()
    strip(${path} "${text}" body)
    if(path MATCHES "^kinds/")
        string(APPEND joined "\n// --- ${path}\n{\n${body}\n}")
    else()
        string(APPEND joined "\n// --- ${path}\n${body}")
    endif()
endforeach()
string(APPEND joined "\n})();\n")

file(WRITE ${OUTPUT} "${joined}")
