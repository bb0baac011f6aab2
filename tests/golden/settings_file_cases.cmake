# calc-table opens and saves settings files as the settings window does: it
# refuses what is not a file before reading, keeps a read-only file, the
# file's permissions and its link, leaves whatever stands beside the file
# but what a killed save of it left, and tells every failure with its reason
# and status 1, never with an abort.
set(work ${DIR}/settings_file_cases)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
set(earlier "a designer earlier work")

# Runs the tool; its status must be `status` and its error output match `pattern`.
function(run what status pattern)
  execute_process(COMMAND ${EXE} ${ARGN} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET TIMEOUT 30)
  if(NOT "${rc}" STREQUAL "${status}")
    message(SEND_ERROR "${what}: status ${rc}, not ${status}\n${err}")
  elseif(NOT err MATCHES "${pattern}")
    message(SEND_ERROR "${what}: the error output does not match \"${pattern}\"\n${err}")
  endif()
endfunction()

function(expect_contents what path expected)
  file(READ ${path} got)
  if(NOT got STREQUAL expected)
    message(SEND_ERROR "${what}: ${path} holds \"${got}\", not \"${expected}\"")
  endif()
endfunction()

function(expect_mode what path expected)
  execute_process(COMMAND stat -c %a ${path} OUTPUT_VARIABLE mode OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT mode STREQUAL expected)
    message(SEND_ERROR "${what}: ${path} has mode ${mode}, not ${expected}")
  endif()
endfunction()

# What is not a file is refused before anything is read.
file(MAKE_DIRECTORY ${work}/folder)
run("a folder to open" 1 "folder: cannot be read: is a folder \\(error 75\\)" --settings ${work}/folder)
execute_process(COMMAND mkfifo ${work}/pipe)
run("a pipe to open" 1 "pipe: cannot be read: is a pipe \\(error 75\\)" --settings ${work}/pipe)
run("a device to open" 1 "cannot be read: is a device \\(error 75\\)" --settings /dev/zero)
run("a missing file to open" 1 "cannot be read: no such file \\(error 53\\)" --settings ${work}/nincs)
# A file far larger than any settings file, refused before it is read: 16 MiB
# and a byte, sparse.
file(WRITE ${work}/huge "")
execute_process(COMMAND truncate -s 16777217 ${work}/huge)
run("a file far too large to open" 1 "huge: cannot be read: too large for a settings file \\(error 75\\)"
    --settings ${work}/huge)
file(REMOVE ${work}/huge)

# A read-only file is kept as it is.
file(WRITE ${work}/read_only "${earlier}")
file(CHMOD ${work}/read_only PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
run("a read-only file to save" 1 "read_only: cannot be written: the file is read-only \\(error 70\\)"
    --save ${work}/read_only)
expect_contents("a read-only file to save" ${work}/read_only "${earlier}")

# The file's permissions stay.
file(WRITE ${work}/own "${earlier}")
file(CHMOD ${work}/own PERMISSIONS OWNER_READ OWNER_WRITE)
run("a file of the owner only" 0 "^$" --save ${work}/own)
expect_mode("a file of the owner only" ${work}/own 600)

# A link stays a link; its file takes the settings.
file(MAKE_DIRECTORY ${work}/real)
file(WRITE ${work}/real/file "${earlier}")
file(CREATE_LINK real/file ${work}/link SYMBOLIC)
run("a link to save through" 0 "^$" --save ${work}/link)
if(NOT IS_SYMLINK ${work}/link)
  message(SEND_ERROR "a link to save through: the link was replaced")
endif()
file(SIZE ${work}/real/file size)
if(size LESS 1000)
  message(SEND_ERROR "a link to save through: its file holds ${size} bytes")
endif()

# A folder at a name a temporary of the file takes is left alone; what a
# killed save of the file left is removed.
file(WRITE ${work}/beside "${earlier}")
file(WRITE ${work}/.beside.000000.tmp/inside "${earlier}")
file(WRITE ${work}/.beside.0a1b2c.tmp "the start of a killed save")
run("a folder beside the file" 0 "^$" --save ${work}/beside)
expect_contents("a folder beside the file" ${work}/.beside.000000.tmp/inside "${earlier}")
if(EXISTS ${work}/.beside.0a1b2c.tmp)
  message(SEND_ERROR "a killed save's temporary is still there")
endif()
file(REMOVE_RECURSE ${work}/.beside.000000.tmp)

# Where the file cannot go, it is said why.
run("a missing folder to save into" 1 "cannot be written: no such folder \\(error 76\\)" --save ${work}/nincs/uj)
run("a folder to save onto" 1 "cannot be written: is a folder \\(error 75\\)" --save ${work}/folder)
file(GLOB left ${work}/.*.tmp ${work}/real/.*.tmp)
if(left)
  message(SEND_ERROR "temporaries left behind: ${left}")
endif()
