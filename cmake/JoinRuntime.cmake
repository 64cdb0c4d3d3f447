# Joins the applet runtime's modules into the scripts the installation ships, so that building
# them needs no JavaScript tool:
#   cmake -DSOURCE_DIR=src/runtime -DOUTPUT=DIR/morvane-applets.js -P cmake/JoinRuntime.cmake
# writes the core, morvane-applets.js, and beside it morvane-applets-<module>.js for each module
# of kinds/, which the core fetches the first time a page shows one of the module's kinds, and
# morvane-applets.css: the sheet of core/box.js (its `const SHEET = \`...\`;`), which a page links
# so that applets hold their place before the deferred core runs. The
# kinds are found by their registerKind('Name' calls; the table of kind and file goes into the
# core (the `const KIND_FILES = {};` line of core/loader.js).
#   cmake -DSOURCE_DIR=src/runtime -DKIND_TABLE=FILE -P cmake/JoinRuntime.cmake
# writes only that table as C++ rows ({u"Stars", u"morvane-applets-stars.js"},), for the
# generator's list of needed files; the file is left alone when it would not change.
#
# Core modules share one scope in the core: their import lines are dropped and "export " is taken
# off, so their top-level names must be unique (checked here). Their exported names are handed to
# the kinds' files, whose imports become reads of them; a kind module imports from the core only.
# A second copy of the core on a page returns before it does anything.
#
# The text is never made a CMake list, which its ';' and brackets would break up: every rule
# works on the whole file with a newline put in front, so that "\n" stands for a line start.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR OR (NOT OUTPUT AND NOT KIND_TABLE))
    message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<runtime sources> -DOUTPUT=<file> | -DKIND_TABLE=<file> -P JoinRuntime.cmake")
endif()
file(REAL_PATH ${SOURCE_DIR} SOURCE_DIR)

# Dependencies come before their users; main.js starts the page.
set(core params links box kit au sound images surface display loop common applet loader main)

string(ASCII 11 12 vt_ff)
set(blank "[ \t\r${vt_ff}]")         # white space within a line
set(space "[ \t\r\n${vt_ff}]")       # white space, line ends included
set(name "[A-Za-z_$][A-Za-z0-9_$]*") # an identifier
set(import "\nimport${blank}[^\n]*${blank}from${blank}+'[^'\n]+';${blank}*(\n|$)")

# The kinds each module of kinds/ registers, and the file it becomes.
file(GLOB kind_modules RELATIVE ${SOURCE_DIR}/kinds ${SOURCE_DIR}/kinds/*.js)
list(SORT kind_modules)
set(kind_names)
set(kind_files)
foreach(module IN LISTS kind_modules)
    file(READ ${SOURCE_DIR}/kinds/${module} text)
    string(REGEX MATCHALL "registerKind\\('[A-Za-z0-9_]+'" calls "${text}")
    string(REGEX REPLACE "\\.js$" "" stem ${module})
    foreach(call IN LISTS calls)
        string(REGEX REPLACE "^registerKind\\('|'$" "" kind "${call}")
        list(FIND kind_names ${kind} at)
        if(at GREATER_EQUAL 0)
            message(FATAL_ERROR "kinds/${module}: kind ${kind} is registered by another module too")
        endif()
        list(APPEND kind_names ${kind})
        list(APPEND kind_files morvane-applets-${stem}.js)
    endforeach()
endforeach()

if(KIND_TABLE)
    set(rows "// Written by cmake/JoinRuntime.cmake from src/runtime/kinds: the file of each kind.\n")
    foreach(kind file IN ZIP_LISTS kind_names kind_files)
        string(APPEND rows "{u\"${kind}\", u\"${file}\"},\n")
    endforeach()
    file(CONFIGURE OUTPUT ${KIND_TABLE} CONTENT "${rows}")
    return()
endif()

# Top-level declarations of a module, one name per line start; `exported` for the exported ones.
function(declared_names text out)
    set(prefix "\n(export${space}+)?(async${space}+)?(const|let|var|function\\*?|class)${space}+")
    if(ARGV2 STREQUAL "exported")
        set(prefix "\nexport${space}+(async${space}+)?(const|let|var|function\\*?|class)${space}+")
    endif()
    string(REGEX MATCHALL "${prefix}${name}" found "\n${text}")
    set(names)
    foreach(declaration IN LISTS found)
        string(REGEX MATCH "${name}$" declared "${declaration}")
        list(APPEND names ${declared})
    endforeach()
    set(${out} ${names} PARENT_SCOPE)
endfunction()

# A module's text once its one-line imports are dealt with: refused when it still imports (over
# several lines, or inside code) or exports a list; else without "export " and without its
# comment and blank lines, which are for the sources' readers: the visitor's browser downloads
# the code alone. (No line of a template literal starts with "//".)
function(finish_module path text out)
    if(text MATCHES "\n${blank}*import[ \t\r${vt_ff}{(]" OR
       text MATCHES "\nexport${blank}+(default|{|\\*)")
        message(FATAL_ERROR
            "${path}: only one-line \"import ... from '...';\" and \"export <declaration>\" are joined")
    endif()
    string(REGEX REPLACE "\nexport${blank}+" "\n" text "${text}")
    string(REGEX REPLACE "\n${blank}*//[^\n]*" "" text "${text}")
    string(REGEX REPLACE "\n${blank}*\n" "\n" text "${text}")
    string(STRIP "${text}" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A core module as it goes into the core: without its imports and exports.
function(strip_core path text out)
    set(text "\n${text}")
    # Removing an import takes the line end after it, so repeat for adjacent ones.
    while(text MATCHES "${import}")
        string(REGEX REPLACE "${import}" "\n" text "${text}")
    endwhile()
    finish_module(${path} "${text}" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A kind module as it goes into its file: each import becomes a read of the names the core hands
# over ("import { P, rgbOf } from '../core/params.js';" -> "const { P, rgbOf } = core;").
function(strip_kind path text exported out)
    set(text "\n${text}")
    set(core_import "\nimport${blank}+{([^}\n]*)}${blank}+from${blank}+'\\.\\./core/[a-z]+\\.js';${blank}*(\n|$)")
    while(text MATCHES "${core_import}")
        set(matched "${CMAKE_MATCH_0}")
        set(names "${CMAKE_MATCH_1}")
        string(REPLACE "," ";" entries "${names}")
        foreach(entry IN LISTS entries)
            string(STRIP "${entry}" entry)
            string(REGEX REPLACE "${space}.*" "" entry "${entry}")
            if(entry AND NOT entry IN_LIST exported)
                message(FATAL_ERROR "${path}: ${entry} is not exported by the core")
            endif()
        endforeach()
        string(REGEX REPLACE "${space}+as${space}+" ": " names "${names}")
        string(FIND "${text}" "${matched}" at)
        string(LENGTH "${matched}" length)
        string(SUBSTRING "${text}" 0 ${at} before)
        math(EXPR after_at "${at} + ${length}")
        string(SUBSTRING "${text}" ${after_at} -1 after)
        set(text "${before}\nconst {${names}} = core;\n${after}")
    endwhile()
    if(text MATCHES "${import}")
        message(FATAL_ERROR "${path}: a kind module imports from the core only ('../core/NAME.js')")
    endif()
    finish_module(${path} "${text}" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(head "'use strict';
const RUNTIME = Symbol.for('morvane-applets');")

set(joined "// Morvane applets: plays the applets that Morvane writes, on a canvas, in today's browsers.
// Built from src/runtime by cmake/JoinRuntime.cmake; edit the sources, not this file.
(() => {
${head}
if (globalThis[RUNTIME]) return;")
set(core_names)   # every core module's top-level names, and beside each its module
set(core_owners)
set(exported)
foreach(module IN LISTS core)
    set(path core/${module}.js)
    file(READ ${SOURCE_DIR}/${path} text)
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
    declared_names("${text}" names exported)
    list(APPEND exported ${names})
    strip_core(${path} "${text}" body)
    if(module STREQUAL "loader")
        set(table)
        foreach(kind file IN ZIP_LISTS kind_names kind_files)
            list(APPEND table "${kind}: '${file}'")
        endforeach()
        list(JOIN table ", " table)
        string(FIND "${body}" "\nconst KIND_FILES = {};\n" at)
        if(at LESS 0)
            message(FATAL_ERROR "${path}: the line \"const KIND_FILES = {};\" the kinds' table goes in is missing")
        endif()
        string(REPLACE "\nconst KIND_FILES = {};\n" "\nconst KIND_FILES = { ${table} };\n" body "${body}")
    endif()
    if(module STREQUAL "main")
        list(JOIN exported ", " handed)
        string(APPEND joined "\n// --- what the kinds' files use\nglobalThis[RUNTIME] = Object.freeze({ ${handed} });")
    endif()
    string(APPEND joined "\n// --- ${path}\n${body}")
endforeach()
string(APPEND joined "\n})();\n")

# Everything is checked before anything is written: a refused module leaves no file behind.
cmake_path(GET OUTPUT PARENT_PATH out_dir)
set(stems)
foreach(module IN LISTS kind_modules)
    file(READ ${SOURCE_DIR}/kinds/${module} text)
    strip_kind(kinds/${module} "${text}" "${exported}" body)
    string(REGEX REPLACE "\\.js$" "" stem ${module})
    list(APPEND stems ${stem})
    set(kind_text_${stem} "// Morvane applets: the kinds of kinds/${module}, fetched by morvane-applets.js when a page shows one.
// Built from src/runtime by cmake/JoinRuntime.cmake; edit the sources, not this file.
(() => {
${head}
const core = globalThis[RUNTIME];
if (!core) return;
${body}
})();
")
endforeach()

# The sheet the core adopts, as a file a page can link before its deferred script arrives.
file(READ ${SOURCE_DIR}/core/box.js box)
if(NOT box MATCHES "\nconst SHEET = `([^`$\\]*)`;\n")
    message(FATAL_ERROR "core/box.js: the sheet must be one plain template literal, \"const SHEET = `...`;\"")
endif()
string(STRIP "${CMAKE_MATCH_1}" sheet)
set(sheet "/* Morvane applets: the place and the look of the applets on a page, before and after
   morvane-applets.js runs. Built from src/runtime by cmake/JoinRuntime.cmake. */
${sheet}
")

file(GLOB stale ${out_dir}/morvane-applets-*.js)
if(stale)
    file(REMOVE ${stale})
endif()
foreach(stem IN LISTS stems)
    file(WRITE ${out_dir}/morvane-applets-${stem}.js "${kind_text_${stem}}")
endforeach()
file(WRITE ${out_dir}/morvane-applets.css "${sheet}")
file(WRITE ${OUTPUT} "${joined}")
