# Makes the shell completions of tembrel-cli for bash, zsh and fish from one
# list of its options (completions/tembrel-cli-options.cmake), so that the three
# cannot tell different stories:
#
#   include(TembrelCompletions)
#   include(tembrel-cli-options.cmake)       # tembrel_cli_option(...) calls
#   tembrel_write_completions(<folder>)
#
# writes <folder>/tembrel-cli.bash, _tembrel-cli (zsh), tembrel-cli.fish and
# tembrel-cli.options, the list as plain lines for the tests:
#   <scope> TAB <names> TAB <flag|text|choices|file> TAB <values>
# with the scope "-" for the main command line, names and values separated by
# blanks.

# Declares one option; see completions/tembrel-cli-options.cmake.
function(tembrel_cli_option)
  cmake_parse_arguments(ARG "" "SUBCOMMAND;TEXT;FILE;HELP" "NAMES;CHOICES" ${ARGN})
  if(NOT ARG_NAMES OR NOT ARG_HELP)
    message(FATAL_ERROR "tembrel_cli_option needs NAMES and HELP: ${ARGN}")
  endif()
  set(kind flag)
  set(values "")
  if(DEFINED ARG_CHOICES)
    set(kind choices)
    list(JOIN ARG_CHOICES " " values)
  elseif(DEFINED ARG_TEXT)
    set(kind text)
    set(values "${ARG_TEXT}")
  elseif(DEFINED ARG_FILE)
    set(kind file)
    set(values "${ARG_FILE}")
  endif()
  set(scope -)
  if(ARG_SUBCOMMAND)
    set(scope "${ARG_SUBCOMMAND}")
  endif()
  # One record per option; fields are separated by "|", which no name, value or
  # help text uses.
  list(JOIN ARG_NAMES " " names)
  set_property(GLOBAL APPEND PROPERTY TEMBREL_CLI_OPTIONS
    "${scope}|${names}|${kind}|${values}|${ARG_HELP}")
endfunction()

# Declares one subcommand with the names of its arguments.
function(tembrel_cli_subcommand name)
  cmake_parse_arguments(ARG "" "HELP" "ARGS" ${ARGN})
  list(JOIN ARG_ARGS " " arguments)
  set_property(GLOBAL APPEND PROPERTY TEMBREL_CLI_SUBCOMMANDS "${name}|${arguments}|${ARG_HELP}")
endfunction()

# Splits a record "a|b|c" into the variables named after it.
macro(_tembrel_split_record record)
  string(REPLACE "|" ";" _fields "${record}")
  set(_index 0)
  foreach(_name ${ARGN})
    list(GET _fields ${_index} ${_name})
    math(EXPR _index "${_index} + 1")
  endforeach()
endmacro()

# Sets `out` to the option records of `scope` ("-" or a subcommand).
function(_tembrel_options_of out scope)
  get_property(options GLOBAL PROPERTY TEMBREL_CLI_OPTIONS)
  set(records)
  foreach(record IN LISTS options)
    string(FIND "${record}" "${scope}|" at)
    if(at EQUAL 0)
      list(APPEND records "${record}")
    endif()
  endforeach()
  set(${out} "${records}" PARENT_SCOPE)
endfunction()

# Returns `text` in single quotes, each single quote in it written '\'' (which
# bash and fish both read as a quote).
function(_tembrel_single_quote out text)
  string(REPLACE "'" "'\\''" text "${text}")
  set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

# Writes the bash completion: one function that looks at the word before the
# cursor (the option whose value is being typed) and at the first word (the
# subcommand), and offers with compgen.
function(_tembrel_write_bash path)
  get_property(subcommands GLOBAL PROPERTY TEMBREL_CLI_SUBCOMMANDS)
  # The subcommands' scopes come before the main one, whose case label "*"
  # takes every other word.
  set(scopes)
  set(subcommand_names)
  foreach(record IN LISTS subcommands)
    _tembrel_split_record("${record}" name arguments help)
    list(APPEND scopes "${name}")
    list(APPEND subcommand_names "${name}")
  endforeach()
  list(APPEND scopes -)
  list(JOIN subcommand_names " " subcommand_words)

  set(body "")
  foreach(scope IN LISTS scopes)
    set(words "")
    set(cases "")
    _tembrel_options_of(records "${scope}")
    foreach(record IN LISTS records)
      _tembrel_split_record("${record}" option_scope names kind values help)
      string(APPEND words " ${names}")
      string(REPLACE " " "|" pattern "${names}")
      if(kind STREQUAL "choices")
        _tembrel_single_quote(quoted "${values}")
        string(APPEND cases "            ${pattern}) COMPREPLY=($(compgen -W ${quoted} -- \"$cur\")); return ;;\n")
      elseif(kind STREQUAL "file")
        string(APPEND cases "            ${pattern}) compopt -o filenames; COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n")
      elseif(kind STREQUAL "text")
        string(APPEND cases "            ${pattern}) return ;;\n")
      endif()
    endforeach()
    string(STRIP "${words}" words)
    if(scope STREQUAL "-")
      set(label "*")
      set(first "        elif ((COMP_CWORD == 1)); then\n            COMPREPLY=($(compgen -W '${subcommand_words}' -- \"$cur\"))\n")
    else()
      set(label "${scope}")
      set(first "")
    endif()
    string(APPEND body
      "    ${label})\n"
      "        case $option in\n"
      "${cases}"
      "        esac\n"
      "        if [[ $cur == -* ]]; then\n"
      "            COMPREPLY=($(compgen -W '${words}' -- \"$cur\"))\n"
      "${first}"
      "        fi\n"
      "        ;;\n")
  endforeach()

  file(WRITE "${path}"
    "# bash completion for tembrel-cli                          -*- shell-script -*-\n"
    "# Made by the build from completions/tembrel-cli-options.cmake; edit that list.\n"
    "\n"
    "_tembrel_cli()\n"
    "{\n"
    "    local cur=\${COMP_WORDS[COMP_CWORD]} option=\n"
    "    ((COMP_CWORD > 0)) && option=\${COMP_WORDS[COMP_CWORD - 1]}\n"
    "    # bash splits --option=value at the \"=\": take the option from before it.\n"
    "    if [[ $cur == = ]]; then\n"
    "        cur=\n"
    "    elif [[ $option == = ]] && ((COMP_CWORD > 1)); then\n"
    "        option=\${COMP_WORDS[COMP_CWORD - 2]}\n"
    "    fi\n"
    "    COMPREPLY=()\n"
    "    local scope=\${COMP_WORDS[1]}\n"
    "    ((COMP_CWORD > 1)) || scope=\n"
    "    case $scope in\n"
    "${body}"
    "    esac\n"
    "} &&\n"
    "    complete -F _tembrel_cli tembrel-cli\n")
endfunction()

# Returns `text` for a zsh _arguments description: single quotes, brackets and
# colons escaped.
function(_tembrel_zsh_text out text)
  string(REPLACE "'" "'\\''" text "${text}")
  string(REPLACE "[" "\\[" text "${text}")
  string(REPLACE "]" "\\]" text "${text}")
  string(REPLACE ":" "\\:" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Appends to `entries` the _arguments entries of the options of `scope`.
function(_tembrel_zsh_entries entries scope)
  _tembrel_options_of(records "${scope}")
  set(lines "")
  foreach(record IN LISTS records)
    _tembrel_split_record("${record}" option_scope names kind values help)
    _tembrel_zsh_text(help "${help}")
    if(kind STREQUAL "choices")
      set(action ":${help}:(${values})")
    elseif(kind STREQUAL "file")
      set(action ":${values}:_files")
    elseif(kind STREQUAL "text")
      set(action ":${values}: ")
    else()
      set(action "")
    endif()
    # Long options take their value after "=" or as the next word; short ones as
    # the next word only. Names of one option exclude each other.
    string(REPLACE " " ";" name_list "${names}")
    foreach(name IN LISTS name_list)
      set(entry "${name}")
      if(NOT action STREQUAL "" AND name MATCHES "^--")
        set(entry "${name}=")
      endif()
      list(LENGTH name_list count)
      if(count GREATER 1)
        set(entry "(${names})${entry}")
      endif()
      string(APPEND lines "    '${entry}[${help}]${action}'\n")
    endforeach()
  endforeach()
  set(${entries} "${${entries}}${lines}" PARENT_SCOPE)
endfunction()

# Writes the zsh completion: an _arguments entry per option, one array
# of them for the main command line and one for each subcommand.
function(_tembrel_write_zsh path)
  get_property(subcommands GLOBAL PROPERTY TEMBREL_CLI_SUBCOMMANDS)
  set(arrays "main_entries=(\n")
  _tembrel_zsh_entries(arrays -)
  string(APPEND arrays ")\n")
  set(described "")
  set(dispatch "")
  set(array_names "subcommands main_entries")
  foreach(record IN LISTS subcommands)
    _tembrel_split_record("${record}" name arguments help)
    _tembrel_zsh_text(help_text "${help}")
    string(APPEND described " '${name}:${help_text}'")
    string(MAKE_C_IDENTIFIER "${name}_entries" array)
    string(APPEND array_names " ${array}")
    string(APPEND arrays "${array}=(\n")
    _tembrel_zsh_entries(arrays "${name}")
    set(position 0)
    string(REPLACE " " ";" argument_list "${arguments}")
    foreach(argument IN LISTS argument_list)
      math(EXPR position "${position} + 1")
      string(APPEND arrays "    '${position}:${argument}: '\n")
    endforeach()
    string(APPEND arrays ")\n")
    # Without the program's name the subcommand is the command whose
    # arguments _arguments counts.
    string(APPEND dispatch
      "    ${name})\n"
      "        shift words\n"
      "        ((CURRENT--))\n"
      "        _arguments -s -S : $${array}\n"
      "        ;;\n")
  endforeach()

  file(WRITE "${path}"
    "#compdef tembrel-cli\n"
    "# zsh completion for tembrel-cli.\n"
    "# Made by the build from completions/tembrel-cli-options.cmake; edit that list.\n"
    "\n"
    "local -a ${array_names}\n"
    "subcommands=(${described})\n"
    "${arrays}"
    "\n"
    "# A subcommand is the first word after the program's name.\n"
    "if ((CURRENT > 2)); then\n"
    "    case $words[2] in\n"
    "${dispatch}"
    "    *)\n"
    "        _arguments -s -S : $main_entries\n"
    "        ;;\n"
    "    esac\n"
    "elif [[ $PREFIX == -* ]]; then\n"
    "    _arguments -s -S : $main_entries\n"
    "else\n"
    "    _describe -t subcommands subcommand subcommands\n"
    "fi\n")
endfunction()

# Writes the fish completion: one `complete` line per option, with a condition
# that keeps the main command line's options and each subcommand's apart.
function(_tembrel_write_fish path)
  get_property(options GLOBAL PROPERTY TEMBREL_CLI_OPTIONS)
  get_property(subcommands GLOBAL PROPERTY TEMBREL_CLI_SUBCOMMANDS)
  set(subcommand_names)
  set(lines "")
  foreach(record IN LISTS subcommands)
    _tembrel_split_record("${record}" name arguments help)
    list(APPEND subcommand_names "${name}")
    _tembrel_single_quote(help "${help}")
    string(APPEND lines "complete -c tembrel-cli -n __fish_use_subcommand -a ${name} -d ${help}\n")
  endforeach()
  list(JOIN subcommand_names " " subcommand_words)
  foreach(record IN LISTS options)
    _tembrel_split_record("${record}" scope names kind values help)
    if(scope STREQUAL "-")
      set(condition "'not __fish_seen_subcommand_from ${subcommand_words}'")
    else()
      set(condition "'__fish_seen_subcommand_from ${scope}'")
    endif()
    set(switches "")
    string(REPLACE " " ";" name_list "${names}")
    foreach(name IN LISTS name_list)
      if(name MATCHES "^--(.*)")
        string(APPEND switches " -l ${CMAKE_MATCH_1}")
      elseif(name MATCHES "^-(.)$")
        string(APPEND switches " -s ${CMAKE_MATCH_1}")
      endif()
    endforeach()
    if(kind STREQUAL "choices")
      _tembrel_single_quote(quoted "${values}")
      string(APPEND switches " -x -a ${quoted}")
    elseif(kind STREQUAL "file")
      string(APPEND switches " -r -F")
    elseif(kind STREQUAL "text")
      string(APPEND switches " -x")
    endif()
    _tembrel_single_quote(help "${help}")
    string(APPEND lines "complete -c tembrel-cli -n ${condition}${switches} -d ${help}\n")
  endforeach()

  file(WRITE "${path}"
    "# fish completion for tembrel-cli.\n"
    "# Made by the build from completions/tembrel-cli-options.cmake; edit that list.\n"
    "\n"
    "# No file names unless an option asks for one.\n"
    "complete -c tembrel-cli -f\n"
    "${lines}")
endfunction()

# Writes the plain listing the tests read (see the top of this file).
function(_tembrel_write_listing path)
  get_property(options GLOBAL PROPERTY TEMBREL_CLI_OPTIONS)
  get_property(subcommands GLOBAL PROPERTY TEMBREL_CLI_SUBCOMMANDS)
  set(text "")
  foreach(record IN LISTS options)
    _tembrel_split_record("${record}" scope names kind values help)
    string(APPEND text "${scope}\t${names}\t${kind}\t${values}\n")
  endforeach()
  foreach(record IN LISTS subcommands)
    _tembrel_split_record("${record}" name arguments help)
    string(APPEND text "${name}\t\tsubcommand\t${arguments}\n")
  endforeach()
  file(WRITE "${path}" "${text}")
endfunction()

# Writes the three completions and the plain listing into `folder`.
function(tembrel_write_completions folder)
  _tembrel_write_bash("${folder}/tembrel-cli.bash")
  _tembrel_write_zsh("${folder}/_tembrel-cli")
  _tembrel_write_fish("${folder}/tembrel-cli.fish")
  _tembrel_write_listing("${folder}/tembrel-cli.options")
endfunction()
