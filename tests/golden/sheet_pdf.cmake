# The sizing data sheet written by calc-table: one A4 page whose text holds
# the sheet's titles, the chosen system and cycle, and the result table's
# figures in the energy rows.
set(pdf ${DIR}/sheet_${SYSTEM}.pdf)
file(REMOVE ${pdf})
execute_process(COMMAND ${EXE} --system ${SYSTEM} --cycle ${CYCLE} --month 6 --sheet ${pdf}
                OUTPUT_VARIABLE table RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "calc-table exited with ${rc}")
endif()
execute_process(COMMAND ${PDFINFO} ${pdf} OUTPUT_VARIABLE info RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT info MATCHES "Pages: +1\n" OR NOT info MATCHES "Page size: +595(\\.[0-9]+)? x 84[12](\\.[0-9]+)? pts \\(A4\\)")
  message(FATAL_ERROR "not one A4 page:\n${info}")
endif()
execute_process(COMMAND ${PDFTOTEXT} -layout ${pdf} - OUTPUT_VARIABLE text RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pdftotext exited with ${rc}")
endif()
string(REGEX MATCH "tablazat1\\(0\\)\t([^\n]*)" _ "${table}")
set(qnap "${CMAKE_MATCH_1}")
string(REGEX MATCH "tablazat1\\(1\\)\t([^\n]*)" _ "${table}")
set(qkoll "${CMAKE_MATCH_1}")
foreach(expected "Méretezési adatlap" "${GROUP}" "NAPKOLLEKTOROK" "MÉRETEZÉSI EREDMÉNYEK"
                 "Hőmérsékletek [°C]" "Napkollektorok felületére érkező napsugárzás:" "Energetikai adatok"
                 "Hagyományos hőtermelő")
  string(FIND "${text}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "\"${expected}\" is missing from the sheet:\n${text}")
  endif()
endforeach()
# The energy rows: the table's irradiation and collector heat, in kWh.
foreach(value "${qnap}" "${qkoll}")
  if(NOT text MATCHES "  ${value} +kWh")
    message(FATAL_ERROR "the energy rows lack ${value} kWh:\n${text}")
  endif()
endforeach()
if(NOT text MATCHES "A számítás jellege: +${CYCLE_PATTERN}")
  message(FATAL_ERROR "the cycle line does not match ${CYCLE_PATTERN}:\n${text}")
endif()
